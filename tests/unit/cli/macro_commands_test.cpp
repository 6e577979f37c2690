// The macro commands: the text form and JSON round trips, and a change of the macro list
// ending as the macro manager's OK does, in the current profile's macro area and buttons.

#include <gtest/gtest.h>

#include "assign/macro_encoding.h"
#include "assign/macro_file.h"
#include "cli/json.h"
#include "cli/macro_text.h"
#include "platform/portable_ini_store.h"
#include "settings/profile_files.h"
#include "unit/support/cli_workspace.h"

namespace zalvane::cli {
namespace {

using test::CliResult;

TEST(MacroTextTest, EventsReadAsTheMacroFileKeepsThemAndWriteBackTheSame)
{
    const std::pair<std::string_view, std::vector<std::string>> cases[] = {
        {"A down, 120 ms, A up", {"A   Dn", "120 ms", "A   Up"}},
        {"Page Up down, Page Up up", {"Page Up   Dn", "Page Up   Up"}},
        {"\",\" down, 0 ms, \",\" up", {",   Dn", "0 ms", ",   Up"}},
        {"Num + down, 6553500 ms, Num + up", {"Num +   Dn", "6553500 ms", "Num +   Up"}},
        {"L-Button down, 50 ms, L-Button up", {"L-Button   Dn", "50 ms", "L-Button   Up"}},
        {"\\ down, - up", {"\\   Dn", "-   Up"}},
    };
    for (const auto& [text, lines] : cases) {
        SCOPED_TRACE(text);
        const auto parsed = ParseEvents(text);
        ASSERT_TRUE(parsed.has_value()) << parsed.error();
        EXPECT_EQ(*parsed, lines);
        EXPECT_EQ(EventsText(lines), text);
    }
    // Case, line ends, "dn" and a delay without its blank are all taken; written the one way.
    EXPECT_EQ(ParseEvents("a DOWN\n120ms\nA Dn,b up"),
              (std::vector<std::string>{"A   Dn", "120 ms", "A   Dn", "B   Up"}));
    EXPECT_EQ(ParseEvents("page-up down, num-- up"), (std::vector<std::string>{"Page Up   Dn", "Num -   Up"}));
}

TEST(MacroTextTest, AWholeMacroRoundTripsAsTextAndAsJson)
{
    const MacroText macros[] = {
        {"Hello", {"H   Dn", "40 ms", "H   Up", "I   Dn", "I   Up"}, std::nullopt},
        {"say \"hi\"", {"Enter   Dn", "Enter   Up"}, 65535},
        {"Quiet", {}, 1},
    };
    for (const MacroText& macro : macros) {
        SCOPED_TRACE(macro.name);
        const std::string text = FormatMacroText(macro);
        const std::string json = FormatMacroJson(macro);
        EXPECT_EQ(ParseMacro(text), macro) << text;
        EXPECT_EQ(ParseMacro(json), macro) << json;
        EXPECT_TRUE(ParseJson(json).has_value());
    }
    EXPECT_EQ(FormatMacroText(macros[0]), "name: Hello\nloop: off\nH down, 40 ms, H up, I down, I up\n");
    EXPECT_FALSE(ParseMacro(R"({"name":"X","events":[{"type":"press"}]})").has_value());
    EXPECT_FALSE(ParseMacro(R"({"name":"X","loop":1.5,"events":[]})").has_value());
    EXPECT_FALSE(ParseMacro("name: X\nloop: 70000\na down").has_value());
}

TEST(MacroTextTest, JsonThatIsNotJsonIsRefusedWithItsPlace)
{
    const std::string_view bad[] = {"", "{", "[1,]", "{\"a\" 1}", "\"\\ud800\"", "tru", "1 2", "\"a\nb\""};
    for (const auto text : bad) {
        EXPECT_FALSE(ParseJson(text).has_value()) << text;
    }
    EXPECT_FALSE(ParseJson(std::string(kMaxJsonDepth + 1, '[') + std::string(kMaxJsonDepth + 1, ']')).has_value());
    const auto value = ParseJson(R"( {"a": [1, -2.5e1, true, null, "\u00e9\ud83d\ude00"]} )");
    ASSERT_TRUE(value.has_value()) << value.error();
    const JsonArray& items = *value->Member("a")->Array();
    EXPECT_EQ(*items[1].Number(), -25.0);
    EXPECT_EQ(*items[4].String(), "\xC3\xA9\xF0\x9F\x98\x80");
}

settings::ProfileRecord CurrentRecord(const test::CliWorkspace& folder)
{
    const auto profile = settings::ReadProfileFile(folder.File("config0.bin"));
    EXPECT_TRUE(profile.has_value());
    return profile ? profile->record : settings::ProfileRecord{};
}

TEST(MacroCommandsTest, AChangeEndsAsTheManagersOkAndButtonsFollowTheirMacro)
{
    const test::CliWorkspace folder;
    using R = settings::ProfileRecord;
    ASSERT_EQ(folder.Cli({"macro", "add", "First", "a", "down,", "a", "up"}).status, 0);
    ASSERT_EQ(folder.Cli({"macro", "add", "--loop", "3", "Second", "b down, 120 ms, b up"}).status, 0);
    ASSERT_EQ(folder.Cli({"assign", "S1", "macro:second:while-held"}).status, 0);

    // The profile's macro area is the whole file encoded, as the manager's OK makes it.
    platform::PortableIniStore ini;
    const auto encoded = assign::EncodeMacroArea(ini, folder.File("record.ini"));
    const settings::ProfileRecord record = CurrentRecord(folder);
    const auto area = record.MacroArea();
    EXPECT_TRUE(std::equal(area.begin(), area.end(), encoded.area.begin()));
    EXPECT_EQ(encoded.area[128], 0x00);  // Second plays 3 times
    EXPECT_EQ(encoded.area[129], 0x03);

    // Renaming keeps the button on its macro under the new name; deleting the macro
    // before it moves the button up with it; deleting its own switches it off.
    ASSERT_EQ(folder.Cli({"macro", "rename", "Second", "Two"}).status, 0);
    EXPECT_NE(folder.Cli({"show"}).out.find("Button S1: Macro Key: macro 2 \"Two\""), std::string::npos);
    ASSERT_EQ(folder.Cli({"macro", "delete", "First"}).status, 0);
    EXPECT_EQ(CurrentRecord(folder).Button(R::kMacroNumber, 7), 0);
    EXPECT_NE(folder.Cli({"show"}).out.find("[caption \"Macro Key-Two\"] (assign macro:Two:while-held)"),
              std::string::npos);
    ASSERT_EQ(folder.Cli({"macro", "delete", "two"}).status, 0);
    EXPECT_EQ(CurrentRecord(folder).Button(R::kActionType, 7), 13);
    EXPECT_EQ(folder.Cli({"macro", "list"}).out, "");
}

TEST(MacroCommandsTest, ExportAndImportCarryAMacroWhole)
{
    const test::CliWorkspace from;
    const test::CliWorkspace to;
    ASSERT_EQ(
        from.Cli({"macro", "add", "--loop", "7", "Keys", "ctrl down, 20 ms, c down, c up, 30 ms, ctrl up"}).status, 0);
    ASSERT_EQ(to.Cli({"macro", "add", "Keys", "z down"}).status, 0);
    ASSERT_EQ(to.Cli({"macro", "add", "Other", "y down"}).status, 0);
    platform::PortableIniStore ini;
    for (const bool json : {false, true}) {
        SCOPED_TRACE(json);
        const std::string file = from.File(json ? "keys.json" : "keys.txt");
        std::vector<std::string> exportArgs = {"macro", "export", "keys", file};
        if (json) {
            exportArgs.push_back("--json");
        }
        ASSERT_EQ(from.Cli(exportArgs).status, 0);
        // The macro of that name is replaced where it stands.
        const CliResult imported = to.Cli({"macro", "import", file});
        ASSERT_EQ(imported.status, 0) << imported.err;
        EXPECT_NE(imported.out.find("replaced macro \"Keys\""), std::string::npos) << imported.out;
        const auto original = assign::ReadMacro(ini, from.File("record.ini"), "Keys");
        const auto copy = assign::ReadMacro(ini, to.File("record.ini"), "Keys");
        EXPECT_EQ(copy.items, original.items);
        EXPECT_EQ(copy.loopTimeSelStatus, 1);
        EXPECT_EQ(copy.macroLoopTimes, 7);
        EXPECT_EQ(copy.delayTimeSelStatus, 1);
        EXPECT_EQ(assign::ReadMacroNames(ini, to.File("record.ini")), (std::vector<std::string>{"Keys", "Other"}));
    }
    // Under a name of its own it is added at the end; show prints what export wrote.
    ASSERT_EQ(to.Cli({"macro", "import", from.File("keys.txt"), "Copied"}).status, 0);
    EXPECT_EQ(to.Cli({"macro", "show", "copied"}).out,
              "name: Copied\nloop: 7\nCtrl down, 20 ms, C down, C up, 30 ms, Ctrl up\n");
}

TEST(MacroCommandsTest, AMacroCutToFitSaysSo)
{
    const test::CliWorkspace folder;
    std::string events;
    for (int i = 0; i < 32; ++i) {
        events += std::string(i == 0 ? "" : ", 2000 ms, ") + "a down, 2000 ms, a up";
    }
    const CliResult result = folder.Cli({"macro", "add", "Long", events});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_NE(result.err.find("zalvane-cli: warning: "), std::string::npos);
    EXPECT_NE(result.err.find("\"Long\""), std::string::npos) << result.err;
    EXPECT_NE(folder.Cli({"macro", "list"}).out.find("cut to fit the mouse"), std::string::npos);
}

}  // namespace
}  // namespace zalvane::cli
