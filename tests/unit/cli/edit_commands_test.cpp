// set and assign against the shared table of edits (tests/data/profile_edits.txt), which
// the window's end-to-end tests read too, and every way a command refuses.

#include <gtest/gtest.h>

#include <charconv>
#include <fstream>
#include <map>

#include "assign/button_assignment.h"
#include "assign/function_lists.h"
#include "cli/function_names.h"
#include "device/virtual_mouse_store.h"
#include "platform/portable_ini_store.h"
#include "settings/text_settings.h"
#include "unit/support/cli_workspace.h"

namespace zalvane::cli {
namespace {

using test::CliResult;
using Bytes = std::vector<std::uint8_t>;

struct EditCase {
    std::string name;
    std::vector<std::string> cli;
    std::map<std::size_t, std::uint8_t> bytes;    // config0.bin
    std::map<std::string, std::string> captions;  // str0.ini, "Setting-EN"
};

std::vector<std::string> Split(std::string_view text)
{
    std::vector<std::string> words;
    std::string word;
    for (const char c : std::string(text) + " ") {
        if (c != ' ') {
            word += c;
        } else if (!word.empty()) {
            words.push_back(word);
            word.clear();
        }
    }
    return words;
}

unsigned Number(std::string_view text)
{
    const bool hex = text.starts_with("0x");
    unsigned value = 0;
    std::from_chars(text.data() + (hex ? 2 : 0), text.data() + text.size(), value, hex ? 16 : 10);
    return value;
}

std::vector<EditCase> ReadEditTable()
{
    std::ifstream file(std::string(ZALVANE_SOURCE_DIR) + "/tests/data/profile_edits.txt");
    EXPECT_TRUE(file.is_open());
    std::vector<EditCase> cases;
    std::string line;
    while (std::getline(file, line)) {
        const std::size_t colon = line.find(": ");
        if (line.empty() || line.front() == '#' || colon == std::string::npos) {
            continue;
        }
        const std::string key = line.substr(0, colon);
        const std::string value = line.substr(colon + 2);
        if (key == "case") {
            cases.push_back({value, {}, {}, {}});
        } else if (key == "cli") {
            cases.back().cli = Split(value);
        } else if (key == "config0.bin") {
            for (const auto& pair : Split(value)) {
                const std::size_t equals = pair.find('=');
                cases.back().bytes[Number(pair.substr(0, equals))] =
                    static_cast<std::uint8_t>(Number(pair.substr(equals + 1)));
            }
        } else if (key == "str0.ini") {
            const std::size_t equals = value.find('=');
            cases.back().captions[value.substr(0, equals)] = value.substr(equals + 1);
        }
    }
    return cases;
}

settings::ButtonCaptions Captions(const std::string& textFile)
{
    platform::PortableIniStore ini;
    return settings::ReadTextSettings(ini, textFile, language::Language::kEnglish).captions;
}

TEST(EditCommandsTest, EachEditLeavesTheBytesAndCaptionsOfTheSharedTable)
{
    const std::vector<EditCase> cases = ReadEditTable();
    ASSERT_GE(cases.size(), 20u);
    const settings::ButtonCaptions firstRun = assign::FirstRunCaptions(language::Language::kEnglish);
    for (const EditCase& edit : cases) {
        SCOPED_TRACE(edit.name);
        const test::CliWorkspace folder;
        const Bytes shipped = test::ReadBytes(folder.File("config0.bin"));
        ASSERT_EQ(shipped.at(0), 0) << "the table expects a profile that was never saved";
        const CliResult result = folder.Cli(edit.cli);
        ASSERT_EQ(result.status, 0) << result.err;
        EXPECT_EQ(result.err, "");

        Bytes expected = shipped;
        expected[0] = 1;  // saved
        expected[1] = 0;  // addressed to the mouse's profile 0
        for (const auto& [offset, value] : edit.bytes) {
            EXPECT_NE(shipped.at(offset), value) << "byte " << offset << " is shipped so: the case tests nothing";
            expected.at(offset) = value;
        }
        const Bytes written = test::ReadBytes(folder.File("config0.bin"));
        ASSERT_EQ(written.size(), expected.size());
        for (std::size_t i = 0; i < written.size(); ++i) {
            EXPECT_EQ(written[i], expected[i]) << "config0.bin byte " << i;
        }

        const settings::ButtonCaptions captions = Captions(folder.File("str0.ini"));
        for (std::size_t button = 0; button < settings::kButtonCount; ++button) {
            const auto named = edit.captions.find(settings::CaptionKey(button));
            EXPECT_EQ(captions[button], named != edit.captions.end() ? named->second : firstRun[button])
                << settings::CaptionKey(button);
        }
    }
}

TEST(EditCommandsTest, ApplyWritesWhatTheOfflineEditWritesAndTheMouseTakesIt)
{
    const std::vector<std::string> edit = {"set", "dpi.3=3000", "report-rate=250", "dpi.5.colour=#0a0b0c"};
    const test::CliWorkspace offline;
    const test::CliWorkspace applied;
    ASSERT_EQ(offline.Cli(edit).status, 0);
    std::vector<std::string> withApply = edit;
    withApply.push_back("--apply");
    const CliResult result = applied.Cli(withApply);
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_NE(result.out.find("saved profile 0 \"PROFILE_0\" to the mouse"), std::string::npos) << result.out;
    for (const char* file : {"config0.bin", "str0.ini"}) {
        EXPECT_EQ(test::ReadBytes(offline.File(file)), test::ReadBytes(applied.File(file))) << file;
    }

    auto memory = device::VirtualMouseStore(applied.Mouse()).Load();
    ASSERT_TRUE(memory.has_value()) << memory.error();
    EXPECT_EQ(memory->reportInterval, 4);
    EXPECT_EQ(memory->configBlocks[0][84 + 2], 29);  // stage 3: (29 + 1) x 100 DPI
    EXPECT_EQ(Bytes(memory->configBlocks[0].begin() + 104 + 12, memory->configBlocks[0].begin() + 104 + 15),
              (Bytes{0x0A, 0x0B, 0x0C}));
}

TEST(EditCommandsTest, AnotherProfileIsEditedInItsOwnFiles)
{
    const test::CliWorkspace folder;
    ASSERT_EQ(folder.Cli({"profile", "new", "Game"}).status, 0);
    const Bytes current = test::ReadBytes(folder.File("config0.bin"));
    const CliResult result = folder.Cli({"set", "--profile", "Game", "dpi.1=500"});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(test::ReadBytes(folder.File("config0.bin")), current);
    EXPECT_EQ(test::ReadBytes(folder.File("config1.bin")).at(8), 5);
}

// The virtual mouse's files, its control requests included; none before it was used.
std::map<std::string, Bytes> MouseSnapshot(const test::CliWorkspace& folder)
{
    std::map<std::string, Bytes> files;
    std::error_code error;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder.Mouse(), error)) {
        if (entry.is_regular_file()) {
            files[entry.path().string()] = test::ReadBytes(entry.path().string());
        }
    }
    return files;
}

// Every refusal: its status, one line on standard error that starts with the program's
// name and says `why`, and every file as it was, the virtual mouse's included.
TEST(EditCommandsTest, ARefusalWritesNothing)
{
    struct Refusal {
        std::vector<std::string> setup;  // commands run first, each a line
        std::vector<std::string> args;
        int status;
        std::string why;
    };
    std::string tooManyEvents;
    std::string longRecording;  // 64 events with a delay after each, the last one's too many
    for (int i = 0; i < 33; ++i) {
        tooManyEvents += "a down, a up, ";
    }
    for (int i = 0; i < 32; ++i) {
        longRecording += "a down, 10 ms, a up, 10 ms, ";
    }
    const Refusal cases[] = {
        {{}, {"set", "dpi.3=2450"}, 3, "dpi.3=2450: refused: dpi.3 takes 100 to 12000 in steps of 100"},
        {{}, {"set", "dpi.3=12100"}, 3, "dpi.3 takes 100 to 12000"},
        {{}, {"set", "dpi.1=0"}, 3, "dpi.1 takes 100 to 12000"},
        {{}, {"set", "dpi.2=100", "dpi.3=fast"}, 3, "dpi.3=fast: refused"},
        {{}, {"set", "report-rate=300"}, 3, "report-rate takes 125, 250, 500 or 1000"},
        {{}, {"set", "pointer-speed=1"}, 3, "pointer-speed takes 2 to 12"},
        {{}, {"set", "double-click-speed=13"}, 3, "double-click-speed takes 2 to 12"},
        {{}, {"set", "lighting=disco"}, 3, "lighting takes standard, respiration or neon"},
        {{}, {"set", "lighting.neon=7"}, 3, "lighting.neon takes 1 to 6"},
        {{}, {"set", "gesture-correction=3"}, 3, "gesture-correction takes -2 to 2"},
        {{}, {"set", "sensitivity.x=12"}, 3, "sensitivity.x takes 1 to 11"},
        {{}, {"set", "scroll-lines=101"}, 3, "scroll-lines takes 1 to 100"},
        {{}, {"set", "scroll=pages"}, 3, "scroll takes lines or one-screen"},
        {{}, {"set", "angle-snap=maybe"}, 3, "angle-snap takes on or off"},
        {{}, {"set", "dpi.4.colour=#12345g"}, 3, "dpi.4.colour takes #rrggbb"},
        {{}, {"set", "dpi.8=100"}, 2, "no setting dpi.8"},
        {{}, {"set", "dpi.1"}, 2, "dpi.1: not NAME=VALUE"},
        {{}, {"set", "--json", "dpi.1=100"}, 2, "set takes no option --json"},
        {{}, {"set", "--profile", "Nobody", "dpi.1=100"}, 3, "Nobody: no profile of that name"},
        {{"info", "unplug"}, {"set", "dpi.1=100", "--apply"}, 1, "no mouse found"},
        {{}, {"assign", "1", "menu"}, 3, "refused: Left key must be selected!"},
        {{}, {"assign", "2", "click", "1", "menu", "2", "menu"}, 3, "assign 2 menu: refused: Left key"},
        {{}, {"assign", "S13", "off"}, 2, "no button S13"},
        {{}, {"assign", "S1", "teleport"}, 2, "no function teleport"},
        {{}, {"assign", "S1", "hotkey"}, 2, "hotkey is a list of the window's; give one of: new, cut, copy"},
        {{}, {"assign", "S1"}, 2, "assign takes at least 2 argument(s)"},
        {{}, {"assign", "S1", "off", "S2"}, 2, "assign takes pairs"},
        {{}, {"assign", "S1", "key:Hyper"}, 3, "no key \"Hyper\""},
        {{}, {"assign", "S1", "combo:ctrl+a+b+c"}, 3, "one modifier and at most two keys"},
        {{}, {"assign", "S1", "combo:"}, 3, "a combo needs a modifier or a key"},
        {{}, {"assign", "S1", "macro:Nothing"}, 3, "no macro \"Nothing\""},
        {{"macro add M a down"}, {"assign", "S1", "macro:M:sometimes"}, 3, "the repeat mode is count"},
        {{}, {"macro", "add", "X", "a down, 100 ms, 200 ms, a up"}, 3, "a delay comes after a key event"},
        {{}, {"macro", "add", "X", "a dwn"}, 3, "an event is KEY down, KEY up or N ms"},
        {{}, {"macro", "add", "X", "application down"}, 3, "plays no Application key in a macro"},
        {{}, {"macro", "add", "X", "a down, 7000000 ms"}, 3, "a delay is at most 6553500 ms"},
        {{}, {"macro", "add", "X", longRecording}, 3, "128 events and delays: a macro holds at most 127"},
        {{}, {"macro", "add", "X", tooManyEvents}, 3, "66 events: a macro holds at most 64"},
        {{}, {"macro", "add", "X", "--loop", "0", "a down"}, 3, "the loop count is 1 to 65535"},
        {{}, {"macro", "add", "[X]", "a down"}, 3, "no \"[\", \"]\" or control character"},
        {{}, {"macro", "add", "This name is longer than any name may be", "a down"}, 3, "1 to 32 characters"},
        {{"macro add Hi a down"}, {"macro", "add", "HI", "b down"}, 3, "there is a macro of that name already"},
        {{"macro add Hi a down", "macro add Ho a down"}, {"macro", "rename", "Hi", "ho"}, 3, "of that name already"},
        {{}, {"macro", "delete", "Nothing"}, 3, "Nothing: no macro of that name"},
        {{}, {"macro", "show", "Nothing"}, 3, "Nothing: no macro of that name"},
        {{}, {"macro", "import", "/nonexistent/m.txt"}, 3, "m.txt: no such file"},
        {{}, {"macro", "frobnicate"}, 2, "unknown macro command frobnicate"},
        {{}, {"macro"}, 2, "macro needs a command"},
        {{}, {"profile", "delete", "PROFILE_0"}, 3, "the last profile stays"},
        {{}, {"profile", "use", "Nobody"}, 3, "Nobody: no profile of that name"},
        {{"profile new"}, {"profile", "rename", "PROFILE_1", "PROFILE_0"}, 3, "there is a profile of that name"},
        {{}, {"profile", "new", "two\nlines"}, 3, "no line break or other control character"},
        {{"profile new", "profile new", "profile new", "profile new", "profile new"},
         {"profile", "new"},
         3,
         "refused: Profile numbers up to 6."},
        {{"profile new", "profile new", "profile new", "profile new", "profile new"},
         {"profile", "copy", "PROFILE_0"},
         3,
         "refused: Profile numbers up to 6."},
        {{}, {"show", "--apply"}, 2, "show takes no option --apply"},
    };
    for (const Refusal& refusal : cases) {
        SCOPED_TRACE(testing::PrintToString(refusal.args));
        const test::CliWorkspace folder;
        for (const auto& setup : refusal.setup) {
            ASSERT_EQ(folder.Cli(Split(setup)).status, 0) << setup;
        }
        const auto before = folder.Snapshot();
        const auto mouseBefore = MouseSnapshot(folder);
        const CliResult result = folder.Cli(refusal.args);
        EXPECT_EQ(result.status, refusal.status);
        EXPECT_EQ(test::LineCount(result.err), 1u) << result.err;
        EXPECT_EQ(result.err.rfind("zalvane-cli: ", 0), 0u) << result.err;
        EXPECT_NE(result.err.find(refusal.why), std::string::npos) << result.err;
        EXPECT_EQ(folder.Snapshot(), before);
        EXPECT_EQ(MouseSnapshot(folder), mouseBefore);
    }
}

// A name of every fixed function, and of a key, a combo and a macro, stores what show
// names with it again, so that show's output can be handed back to assign.
TEST(EditCommandsTest, FunctionNamesComeBackFromTheRecord)
{
    std::vector<std::string> names;
    for (const auto& function : FixedFunctionNames()) {
        names.push_back(function.name);
    }
    ASSERT_EQ(names.size(), 9u + 3 + 8 + 10 + 7);
    names.insert(names.end(), {"key:f5", "key:num-+", "key:eurpo(note-2)", "combo:left-ctrl+shift+a", "combo:right-win",
                               "combo:page-up+num-+", "macro:Second:until-key"});
    const std::vector<std::string> macros = {"First", "Second"};
    for (const auto& name : names) {
        settings::ProfileRecord record;
        settings::ButtonCaptions captions;
        const auto assignment = ParseFunction(name, language::Language::kEnglish, macros);
        ASSERT_TRUE(assignment.has_value()) << name << ": " << assignment.error().message;
        assign::ApplyAssignment(*assignment, 8, record, captions);
        EXPECT_EQ(FunctionNameOf(record, 8, macros), name);
    }
    // The window's own spelling is taken too.
    EXPECT_EQ(ParseFunction("Show Desktop", language::Language::kEnglish, {})->caption, "Show desktop");
    EXPECT_EQ(ParseFunction("Button Off", language::Language::kEnglish, {})->type, assign::ActionType::kButtonOff);
}

}  // namespace
}  // namespace zalvane::cli
