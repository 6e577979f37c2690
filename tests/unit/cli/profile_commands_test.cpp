#include <sys/stat.h>

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <sstream>

#include "assign/button_block.h"
#include "cli/cli.h"
#include "device/virtual_mouse_store.h"
#include "factory/factory_profile.h"
#include "unit/support/cli_runner.h"
#include "unit/support/faulty_hid_port.h"
#include "unit/support/program_folder.h"

namespace zalvane::cli {
namespace {

using test::CliResult;
using test::LineCount;
using test::RunCli;

using Bytes = std::vector<std::uint8_t>;
using settings::ProfileRecord;
using R = ProfileRecord;

bool Has(const std::string& text, std::string_view part) { return text.find(part) != std::string::npos; }

Bytes ProfileFile(const ProfileRecord& record, std::uint8_t flag = 1)
{
    Bytes bytes(1 + R::kSize, flag);
    std::copy(record.bytes.begin(), record.bytes.end(), bytes.begin() + 1);
    return bytes;
}

ProfileRecord RecordOf(const Bytes& file)
{
    ProfileRecord record;
    std::copy(file.begin() + 1, file.end(), record.bytes.begin());
    return record;
}

// A folder made by init-folder and a virtual mouse beside it.
struct Workspace {
    Workspace()
    {
        const CliResult made = RunCli({"init-folder", folder});
        EXPECT_EQ(made.status, 0) << made.err;
    }

    CliResult Cli(std::vector<std::string> args) const
    {
        args.insert(args.begin(), {"--folder", folder, "--virtual-mouse", mouse});
        return RunCli(args);
    }

    std::string File(std::string_view name) const { return platform::PathToUtf8(temp.Path() / "f" / name); }

    // config0.bin with other settings, a key on button S2 and a macro area of its own.
    ProfileRecord EditCurrentProfile() const
    {
        ProfileRecord record = factory::FactoryProfileRecord();
        record[R::kMouseSpeed] = 12;
        record[R::kReportInterval] = 8;
        record.Button(R::kActionType, 8) = 10;
        record.Button(R::kSingleKey, 8) = 0x04;
        for (std::size_t i = 0; i < settings::kMacroAreaSize; ++i) {
            record.MacroArea()[i] = static_cast<std::uint8_t>(i * 7 + 2);
        }
        test::WriteBytes(File("config0.bin"), ProfileFile(record));
        return record;
    }

    test::TempFolder temp;
    std::string folder = temp.File("f");
    std::string mouse = temp.File("mouse");
};

class ProfileCommandsTest : public testing::Test, protected Workspace {};

TEST_F(ProfileCommandsTest, SaveOnAFreshFolderSendsTheApplyAndWritesTheProfile)
{
    const std::string trace = temp.File("trace.txt");
    const CliResult saved = Cli({"--trace", trace, "save"});
    ASSERT_EQ(saved.status, 0) << saved.err;
    EXPECT_EQ(saved.err, "");
    // Opening, select, rate and config read, then 21 block writes of 6 lines each.
    const std::string lines = test::ReadRawFile(trace);
    EXPECT_EQ(LineCount(lines), 12u + 21u * 6u);
    EXPECT_EQ(lines.rfind("set-feature 00 82", 0), 0u);

    auto memory = device::VirtualMouseStore(mouse).Load();
    ASSERT_TRUE(memory.has_value()) << memory.error();
    EXPECT_EQ(memory->buttonBlock, assign::BuildButtonBlock(factory::FactoryProfileRecord()));
    EXPECT_EQ(memory->reportInterval, 1);
    for (const char* line : {"thresholds 6, 10, acceleration 1", "pointer speed: 10\n", "wheel scroll lines: 3\n",
                             "double-click time: 480 ms\n", "saved profile 0 \"PROFILE_0\""}) {
        EXPECT_TRUE(Has(saved.out, line)) << line << " in\n" << saved.out;
    }
}

TEST_F(ProfileCommandsTest, AFlowTheMouseDidNotTakeSaysSoAndEndsWithStatusFour)
{
    const std::string in = temp.File("in.bin");
    test::WriteBytes(in, ProfileFile(factory::FactoryProfileRecord()));
    const std::vector<std::string> commands[] = {{"save"}, {"reset"}, {"import", in}};
    for (const auto& command : commands) {
        SCOPED_TRACE(command[0]);
        std::vector<std::string> args = {"--folder", folder, "--virtual-mouse", mouse};
        args.insert(args.end(), command.begin(), command.end());
        const CliResult result =
            RunCli(args, nullptr, test::FaultyHidPort::Wrapper({test::PortFault::Kind::kRefuseOutput, 2}));
        EXPECT_EQ(result.status, 4);
        EXPECT_FALSE(Has(result.out, "saved") || Has(result.out, "reset profile") || Has(result.out, "imported"))
            << result.out;
        EXPECT_EQ(result.err,
                  "zalvane-cli: the mouse did not take it: write button block (command 0x0d): output report 1 of 2 "
                  "not taken; the profile's files were written\n");
    }
}

TEST_F(ProfileCommandsTest, InitFolderOverwritesOnlyWhenForced)
{
    test::WriteBytes(File("config3.bin"), Bytes{1, 2, 3});
    const CliResult refused = RunCli({"init-folder", folder});
    EXPECT_EQ(refused.status, 3);
    EXPECT_EQ(LineCount(refused.err), 1u);
    EXPECT_TRUE(Has(refused.err, "nothing written")) << refused.err;
    EXPECT_EQ(test::ReadBytes(File("config3.bin")), (Bytes{1, 2, 3}));

    const CliResult forced = RunCli({"--force", "init-folder", folder});
    EXPECT_EQ(forced.status, 0) << forced.err;
    EXPECT_EQ(test::ReadBytes(File("config3.bin")).size(), 2855u);
}

TEST_F(ProfileCommandsTest, ResetNeedsTheMouseAndSendsTheMacrosItKept)
{
    const ProfileRecord edited = EditCurrentProfile();
    const CliResult noMouse = RunCli({"--folder", folder, "reset"});
    EXPECT_EQ(noMouse.status, 1);
    EXPECT_TRUE(Has(noMouse.err, "nothing was written")) << noMouse.err;

    const CliResult reset = Cli({"reset"});
    ASSERT_EQ(reset.status, 0) << reset.err;
    EXPECT_TRUE(Has(reset.out, "reset profile 0 \"PROFILE_0\" to the factory settings, macros kept")) << reset.out;
    auto memory = device::VirtualMouseStore(mouse).Load();
    ASSERT_TRUE(memory.has_value());
    EXPECT_TRUE(
        std::equal(memory->macroBlocks[5].begin(), memory->macroBlocks[5].end(), edited.MacroArea().begin() + 5 * 128));
}

TEST_F(ProfileCommandsTest, ExportAndImportRoundTripAProfile)
{
    const ProfileRecord edited = EditCurrentProfile();
    const std::string exported = temp.File("backup");
    const CliResult out = Cli({"export", exported});
    ASSERT_EQ(out.status, 0) << out.err;
    EXPECT_EQ(out.out, "exported profile 0 \"PROFILE_0\" to " + exported + ".bin and to " + File("backup.bin") + "\n");
    EXPECT_EQ(test::ReadBytes(exported + ".bin"), ProfileFile(edited));

    test::WriteBytes(File("config0.bin"), ProfileFile(factory::FactoryProfileRecord(), 0));
    const CliResult in = Cli({"import", exported + ".bin"});
    ASSERT_EQ(in.status, 0) << in.err;
    // The record went through the mouse, whose profile number it now carries: 0.
    ProfileRecord expected = edited;
    expected[R::kDeviceProfileNumber] = 0;
    EXPECT_EQ(test::ReadBytes(File("config0.bin")), ProfileFile(expected));
    EXPECT_EQ(test::ReadBytes(File("config0.bin")), test::ReadBytes(exported + ".bin"));
    EXPECT_TRUE(Has(in.out, "pointer speed: 20\n")) << in.out;
    EXPECT_TRUE(Has(in.out, "imported " + exported + ".bin into profile 0 \"PROFILE_0\" and saved it\n")) << in.out;
}

// Export writes regular files only: a device, a pipe or a folder at either name of the
// pair stops it with one line, before anything is written.
TEST_F(ProfileCommandsTest, ExportRefusesATargetThatIsNoRegularFile)
{
    struct Case {
        const char* what;
        std::string_view name;  // where the thing is put: "y.bin" or "y.ini"
        std::function<void(const std::filesystem::path&)> make;
        std::string message;
    };
    const Case cases[] = {
        {"a pipe", "y.bin", [](const auto& at) { ::mkfifo(at.c_str(), 0600); }, "not a regular file"},
        {"a pipe for the captions", "y.ini", [](const auto& at) { ::mkfifo(at.c_str(), 0600); }, "not a regular file"},
        {"a link to a device", "y.bin", [](const auto& at) { std::filesystem::create_symlink("/dev/null", at); },
         "not a regular file"},
        {"a folder", "y.bin", [](const auto& at) { std::filesystem::create_directory(at); }, "Is a directory"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Workspace w;
        const std::filesystem::path thing = w.temp.Path() / c.name;
        c.make(thing);
        const auto type = std::filesystem::symlink_status(thing).type();
        const auto before = test::FolderSnapshot(w.temp.Path() / "f");
        const CliResult result = w.Cli({"export", w.temp.File("y")});
        EXPECT_EQ(result.status, 3);
        EXPECT_EQ(LineCount(result.err), 1u) << result.err;
        EXPECT_TRUE(Has(result.err, c.message)) << result.err;
        EXPECT_EQ(std::filesystem::symlink_status(thing).type(), type);
        EXPECT_EQ(test::FolderSnapshot(w.temp.Path() / "f"), before);
        for (const char* other : {"y.bin", "y.ini"}) {
            if (other != c.name) {
                EXPECT_FALSE(std::filesystem::exists(w.temp.Path() / other)) << other;
            }
        }
    }
}

TEST_F(ProfileCommandsTest, DamagedInputsStopWithOneLineAndChangeNothing)
{
    struct Case {
        std::string name;
        std::function<void(const Workspace&)> damage;
        std::vector<std::vector<std::string>> commands;
        std::string message;
    };
    const auto list = [](std::string count) {
        return [count](const Workspace& t) {
            platform::PortableIniStore ini;
            ini.WriteString(t.File("str.ini"), "Profile", "ItemCount", count);
        };
    };
    const std::vector<std::vector<std::string>> all = {{"profiles"}, {"show"}, {"save"}, {"reset"}, {"export", "x"}};
    const Case cases[] = {
        {"count 0", list("0"), all, "no valid profile list"},
        {"count 7", list("7"), all, "no valid profile list"},
        {"count abc", list("abc"), all, "no valid profile list"},
        {"no list file", [](const Workspace& t) { std::filesystem::remove(t.File("str.ini")); }, all,
         "str.ini: no such file"},
        {"short profile",
         [](const Workspace& t) { test::WriteBytes(t.File("config0.bin"), Bytes(2854, 1)); },
         {{"show"}, {"save"}, {"reset"}, {"export", "x"}},
         "wrong size: expected 2855 bytes, found 2854"},
        {"no profile file",
         [](const Workspace& t) { std::filesystem::remove(t.File("config0.bin")); },
         {{"show"}, {"save"}, {"reset"}, {"export", "x"}},
         "Config file is not exist."},
        {"read-only profile",
         [](const Workspace& t) {
             std::filesystem::permissions(t.File("config0.bin"), std::filesystem::perms::owner_write,
                                          std::filesystem::perm_options::remove);
         },
         {{"save"}, {"reset"}},
         "config0.bin: Error Code is: 13: Permission denied (NULL ==fp)"},
        {"import of a record without flag",
         [](const Workspace& t) { test::WriteBytes(t.temp.File("in.bin"), Bytes(2854)); },
         {{"import", "IN"}},
         "in.bin: wrong size"},
        {"import of a missing file", [](const Workspace&) {}, {{"import", "IN"}}, "in.bin: no such file"},
        {"import of a name without .bin",
         [](const Workspace& t) { test::WriteBytes(t.temp.File("in.dat"), Bytes(2855)); },
         {{"import", "DAT"}},
         "no \".bin\""},
    };
    for (const auto& c : cases) {
        for (auto args : c.commands) {
            SCOPED_TRACE(c.name + ": " + args[0]);
            Workspace w;
            c.damage(w);
            const std::map<std::string, std::string> files = {
                {"IN", w.temp.File("in.bin")}, {"DAT", w.temp.File("in.dat")}, {"x", w.temp.File("x")}};
            for (auto& arg : args) {
                arg = files.contains(arg) ? files.at(arg) : arg;
            }
            const auto before = test::FolderSnapshot(w.temp.Path() / "f");
            const CliResult result = w.Cli(args);
            EXPECT_EQ(result.status, 3);
            EXPECT_EQ(LineCount(result.err), 1u) << result.err;
            EXPECT_TRUE(Has(result.err, c.message)) << result.err;
            EXPECT_EQ(test::FolderSnapshot(w.temp.Path() / "f"), before);
            EXPECT_FALSE(std::filesystem::exists(w.temp.File("x.bin")));
        }
    }
    const CliResult noFolder = RunCli({"--folder", temp.File("none"), "profiles"});
    EXPECT_EQ(noFolder.status, 3);
    EXPECT_TRUE(Has(noFolder.err, "none: no such folder")) << noFolder.err;
}

TEST_F(ProfileCommandsTest, ProfilesListsNamesInAnyEncodingAndMarksTheCurrentOne)
{
    const std::string list =
        "[Profile]\r\nCurProfileName=Büro 2\r\nItemCount=6\r\nItem0=PROFILE_0\r\n"
        "Item1=My game\r\nItem2=游戏\r\nItem3=PROFILE_3\r\nItem4=Büro 2\r\nItem5=x\r\n";
    const std::string expected = "  0 PROFILE_0\n  1 My game\n  2 游戏\n  3 PROFILE_3\n* 4 Büro 2\n  5 x\n";
    for (const std::string& bytes : {test::Utf16LeFile(list), list, "\xEF\xBB\xBF" + list}) {
        test::WriteRawFile(File("str.ini"), bytes);
        const CliResult result = Cli({"profiles"});
        EXPECT_EQ(result.status, 0) << result.err;
        EXPECT_EQ(result.out, expected);
    }
}

TEST_F(ProfileCommandsTest, ShowNamesEachButtonsFunctionAndParameters)
{
    ProfileRecord record = factory::FactoryProfileRecord();
    const auto set = [&](std::size_t button, std::uint8_t type, std::size_t field, std::uint8_t value) {
        record.Button(R::kActionType, button) = type;
        record.Button(field, button) = value;
    };
    set(9, 7, R::kConsumerCode, 0xE9);
    set(10, 11, R::kComboModifiers, 0x01);
    record.Button(R::kComboKey1, 10) = 0x04;
    record.Button(R::kComboKey2, 10) = 0x05;
    set(11, 12, R::kMacroNumber, 1);
    set(12, 9, R::kWindowsCommand, 6);
    set(13, 8, R::kHotKeyLetter, 0x99);
    test::WriteBytes(File("config0.bin"), ProfileFile(record));
    test::WriteRawFile(File("record.ini"), test::Utf16LeFile("[Copy]\r\nItemCount=0\r\n[Paste]\r\nItemCount=0\r\n"));
    platform::PortableIniStore ini;
    ini.WriteString(File("str0.ini"), "Setting-EN", "Item10", "say \"up\"");

    const CliResult shown = Cli({"show"});
    ASSERT_EQ(shown.status, 0) << shown.err;
    for (const char* line :
         {"Button S3: Multimedia: Volume Up [caption \"say \"up\"\"]", "Button S4: Combo Key: Left Ctrl + A + B",
          "Button S5: Macro Key: macro 2 \"Paste\"", "Button S6: Windows: Run",
          "Button S7: HotKey: key 153 (not in the list)", "7: 12000 DPI, on, colour #FF00FF", "lighting: Standard"}) {
        EXPECT_TRUE(Has(shown.out, line)) << line << " in\n" << shown.out;
    }
    EXPECT_EQ(Cli({"show", "PROFILE_0"}).out, shown.out);
    // A file is shown with the text file beside it, which this one does not have.
    EXPECT_TRUE(Has(Cli({"show", File("config0.bin")}).out, "Button S3: Multimedia: Volume Up [caption \"\"]"));

    const CliResult json = Cli({"--json", "show"});
    ASSERT_EQ(json.status, 0) << json.err;
    EXPECT_TRUE(Has(json.out, R"({"name":"Button S3","actionType":7,"function":"Multimedia","detail":"Volume Up",)"
                              R"("caption":"say \"up\"","assign":"volume-up"})"))
        << json.out;
    EXPECT_EQ(Cli({"show", "NoSuch"}).status, 3);
    EXPECT_EQ(Cli({"show", "a", "b"}).status, 2);
    EXPECT_EQ(Cli({"--force=yes", "profiles"}).status, 2);
}

}  // namespace
}  // namespace zalvane::cli
