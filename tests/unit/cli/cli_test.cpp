#include "cli/cli.h"

#include <gtest/gtest.h>
#include <hidapi/hidapi.h>

#include <algorithm>
#include <sstream>

#include "device/virtual_bus.h"
#include "device/virtual_mouse.h"
#include "device/virtual_mouse_store.h"
#include "unit/support/byte_files.h"
#include "unit/support/cli_runner.h"
#include "unit/support/faulty_hid_port.h"

namespace zalvane::cli {
namespace {

using test::CliResult;
using test::LineCount;
using test::RunCli;

using Bytes = std::vector<std::uint8_t>;
namespace fs = std::filesystem;

// Hex as the trace writes it, spelled out here on its own.
std::string Hex(const Bytes& bytes, std::size_t perLine = 0)
{
    std::string text;
    char digits[3];
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (i > 0) {
            text += (perLine != 0 && i % perLine == 0) ? "\n" : " ";
        }
        std::snprintf(digits, sizeof digits, "%02x", bytes[i]);
        text += digits;
    }
    return text;
}

Bytes Slice(const Bytes& bytes, std::size_t offset, std::size_t count)
{
    return Bytes(bytes.begin() + static_cast<std::ptrdiff_t>(offset),
                 bytes.begin() + static_cast<std::ptrdiff_t>(offset + count));
}

// A profile file with every kind of field set, and what the mouse must end up holding.
struct ProfileFixture {
    Bytes file = Bytes(2855, 0);
    Bytes macros = Bytes(2432);
    Bytes buttons = Bytes(128, 0);
    Bytes config;

    ProfileFixture()
    {
        Bytes record(2854, 0);
        record[0] = 5;  // device profile number stored with the file; the apply sends 0
        record[5] = 4;  // 250 Hz
        const Bytes stages = {1, 4, 8, 16, 32, 64, 120};
        const Bytes enabled = {1, 0, 1, 0, 0, 0, 1};
        for (std::size_t i = 0; i < 7; ++i) {
            record[7 + i] = stages[i];
            record[15 + i] = enabled[i];
        }
        for (std::size_t i = 0; i < 21; ++i) {
            record[23 + i] = static_cast<std::uint8_t>(0x10 + i);
        }
        record[47] = 2;  // respiration, parameter 5
        record[49] = 5;
        record[56] = 1;  // angle snap
        record[57] = 4;  // gesture correction step 4
        record[59] = 3;
        record[60] = 4;
        for (std::size_t button = 0; button < 19; ++button) {
            record[61 + button] = 13;  // off
        }
        record[61 + 0] = 1;   // button 1: right click, slot 0
        record[61 + 14] = 7;  // button 15: volume up, slot 19
        record[118 + 14] = 0xE9;
        for (std::size_t i = 0; i < macros.size(); ++i) {
            macros[i] = static_cast<std::uint8_t>(i * 5 + 3);
            record[422 + i] = macros[i];
        }
        file[0] = 1;
        std::copy(record.begin(), record.end(), file.begin() + 1);

        buttons[0] = 0x01, buttons[2] = 0xF1;
        buttons[4 * 19] = 0x03, buttons[4 * 19 + 2] = 0xE9;
        buttons[4 * 14] = 0x01, buttons[4 * 14 + 2] = 0xF7;
        buttons[4 * 15] = 0x01, buttons[4 * 15 + 2] = 0xF8;

        const device::VirtualMouseMemory factory = device::FactoryMemory();
        config.assign(factory.configBlocks[0].begin(), factory.configBlocks[0].end());
        config[2] = 1;
        config[48] = 0x11;
        config[49] = 0x0F;
        config[50] = 0x42;
        config[51] = 1;
        config[64] = 0x0F;
        config[70] = 7;
        config[71] = 2;
        config[72] = 5;
        config[73] = 3;
        config[74] = 0x3C;
        config[75] = 0x50;
        const Bytes dpi = {0, 3, 7, 15, 31, 63, 119};
        for (std::size_t i = 0; i < 7; ++i) {
            config[84 + i] = dpi[i];
            config[92 + i] = dpi[i];
        }
        config[100] = 0x45;
        for (std::size_t i = 0; i < 21; ++i) {
            config[104 + i] = static_cast<std::uint8_t>(0x10 + i);
        }
        config[125] = config[126] = config[127] = 0;
    }
};

// Every line the apply command must trace, written out from the command catalogue.
std::string ExpectedApplyTrace(const ProfileFixture& profile)
{
    const device::VirtualMouseMemory factory = device::FactoryMemory();
    const Bytes factoryConfig(factory.configBlocks[0].begin(), factory.configBlocks[0].end());
    std::string trace;
    auto line = [&](const std::string& text) { trace += text + "\n"; };
    auto writeBlock = [&](const std::string& command, const Bytes& block, const std::string& pause) {
        line("set-feature " + command);
        line("write 00 " + Hex(Slice(block, 0, 64)));
        line("sleep 20");
        line("write 00 " + Hex(Slice(block, 64, 64)));
        line("sleep 20");
        line("sleep " + pause);
    };
    line("set-feature 00 82 00 00 00 00 00 00 7d");
    line("get-feature 00 82 03 00 00 00 00 00 7a");  // the mouse reports profile 3
    line("set-feature 00 01 fc 00 00 00 00 00 02");
    line("set-feature 00 02 00 00 00 00 00 00 fd");
    line("sleep 10");
    line("set-feature 00 03 00 04 00 00 00 00 f8");
    line("sleep 10");
    line("set-feature 00 8c 00 00 00 00 00 00 73");
    line("get-feature 00 8c 00 80 00 00 00 00 f3");
    line("read 00 " + Hex(Slice(factoryConfig, 0, 64)));
    line("read 00 " + Hex(Slice(factoryConfig, 64, 64)));
    line("sleep 10");
    writeBlock("00 0c 00 80 00 00 00 00 73", profile.config, "10");
    writeBlock("00 0d 00 80 00 00 00 00 72", profile.buttons, "2");
    for (std::uint8_t block = 1; block <= 19; ++block) {
        const Bytes command = {0x00, 0x0F, block, 0x80, 0, 0, 0, 0, static_cast<std::uint8_t>(0x70 - block)};
        writeBlock(Hex(command), Slice(profile.macros, (block - 1) * 128u, 128), "20");
    }
    return trace;
}

TEST(CliApplyTest, TracesTheWholeApplyAndTheMouseKeepsWhatWasSent)
{
    test::TempFolder temp;
    const std::string mouseFolder = temp.File("mouse");
    const std::string profilePath = temp.File("config0.bin");
    const std::string tracePath = temp.File("trace.txt");
    const ProfileFixture profile;
    test::WriteBytes(profilePath, profile.file);
    // A mouse that reports profile 3 and has profile 2 selected: the apply still goes to 0.
    device::VirtualMouseMemory before = device::FactoryMemory();
    before.profileNumber = 3;
    before.selectedProfile = 2;
    ASSERT_TRUE(device::VirtualMouseStore(mouseFolder).Save(before).has_value());

    platform::RecordingPacer pacer;
    const CliResult result =
        RunCli({"--virtual-mouse", mouseFolder, "--trace", tracePath, "apply", profilePath}, &pacer);
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.err, "");

    const std::string trace = test::ReadRawFile(tracePath);
    const std::string expected = ExpectedApplyTrace(profile);
    EXPECT_EQ(trace, expected);
    EXPECT_EQ(LineCount(trace), 12u + 21u * 6u);  // opening, select, rate, read; 21 blocks
    EXPECT_EQ(pacer.Total(), std::chrono::milliseconds(10 * 4 + 2 + 19 * 20 + 42 * 20));

    // The state folder, reloaded, holds exactly what was sent; the other profiles' blocks
    // are as they were.
    auto memory = device::VirtualMouseStore(mouseFolder).Load();
    ASSERT_TRUE(memory.has_value()) << memory.error();
    EXPECT_EQ(Bytes(memory->configBlocks[0].begin(), memory->configBlocks[0].end()), profile.config);
    EXPECT_EQ(Bytes(memory->buttonBlock.begin(), memory->buttonBlock.end()), profile.buttons);
    for (std::size_t block = 0; block < 19; ++block) {
        EXPECT_EQ(Bytes(memory->macroBlocks[block].begin(), memory->macroBlocks[block].end()),
                  Slice(profile.macros, block * 128, 128));
    }
    EXPECT_EQ(memory->reportInterval, 4);
    EXPECT_EQ(memory->selectedProfile, 0);
    EXPECT_EQ(memory->profileNumber, 3);
    for (std::size_t other = 1; other < 6; ++other) {
        EXPECT_EQ(memory->configBlocks[other], device::FactoryMemory().configBlocks[other]);
    }

    // A later run reads the patched block back from the folder.
    const CliResult read = RunCli({"--virtual-mouse", mouseFolder, "read-config"});
    ASSERT_EQ(read.status, 0) << read.err;
    EXPECT_EQ(read.out, Hex(profile.config, 16) + "\n");
}

TEST(CliApplyTest, BadProfileFilesSendNothing)
{
    test::TempFolder temp;
    const std::string mouseFolder = temp.File("mouse");
    const std::string tracePath = temp.File("trace.txt");
    fs::create_directories(temp.Path() / "folder.bin");
    struct Case {
        std::string name;
        std::optional<std::size_t> size;  // nullopt: not written
        std::string message;
    };
    const Case cases[] = {
        {"empty.bin", 0, "wrong size: expected 2855 bytes, found 0"},
        {"record-only.bin", 2854, "wrong size: expected 2855 bytes, found 2854"},
        {"one-more.bin", 2856, "wrong size: expected 2855 bytes, found 2856"},
        {"missing.bin", std::nullopt, "no such file"},
        {"folder.bin", std::nullopt, "cannot be read"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = temp.File(c.name);
        if (c.size) {
            test::WriteBytes(path, Bytes(*c.size, 1));
        }
        for (const char* command : {"apply", "button-block"}) {
            const CliResult result = RunCli({"--virtual-mouse", mouseFolder, "--trace", tracePath, command, path});
            EXPECT_EQ(result.status, 3);
            EXPECT_EQ(result.out, "");
            EXPECT_EQ(LineCount(result.err), 1u) << result.err;
            EXPECT_NE(result.err.find(path + ": " + c.message), std::string::npos) << result.err;
            EXPECT_FALSE(fs::exists(mouseFolder));
            EXPECT_FALSE(fs::exists(tracePath));
        }
    }
}

// Unplugs the virtual mouse from outside, as another process's `zalvane-cli unplug`
// does, when the command asks for its `after`th pause.
class UnpluggingPacer final : public platform::Pacer {
public:
    UnpluggingPacer(std::string folder, std::size_t after) : m_folder(std::move(folder)), m_after(after) {}
    void Sleep(std::chrono::milliseconds) override
    {
        if (++m_pauses == m_after) {
            EXPECT_TRUE(device::PostPlugged(m_folder, false).has_value());
        }
    }

private:
    std::string m_folder;
    std::size_t m_after;
    std::size_t m_pauses = 0;
};

// The mouse that did not take the apply ends the command at that transfer with status 4
// and one line naming it; "applied" is not printed, and the mouse keeps what it took.
TEST(CliApplyTest, AMouseThatDoesNotTakeItEndsTheCommandWithStatusFour)
{
    using Kind = test::PortFault::Kind;
    struct Case {
        std::string name;
        std::optional<test::PortFault> fault;
        std::size_t unplugAfterPause;  // 0: stays plugged
        std::string transfer;
        bool configWritten;
    };
    const Case cases[] = {
        {"does not answer on connection", test::PortFault{Kind::kRefuseFeature, 0}, 0,
         "read profile number (command 0x82): feature report refused", false},
        {"refuses a feature report", test::PortFault{Kind::kRefuseFeature, 6}, 0,
         "write button block (command 0x0d): feature report refused", true},
        {"drops a chunk", test::PortFault{Kind::kDropInput, 0}, 0,
         "read config block (command 0x8c): input report 1 of 2 did not come in time", false},
        {"is unplugged mid-apply", std::nullopt, 10,
         "write macro block 1 (command 0x0f): output report 2 of 2 not taken", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        test::TempFolder temp;
        const std::string mouseFolder = temp.File("mouse");
        const std::string profilePath = temp.File("p.bin");
        const ProfileFixture profile;
        test::WriteBytes(profilePath, profile.file);
        const std::vector<std::string> apply = {"--virtual-mouse", mouseFolder, "apply", profilePath};

        UnpluggingPacer pacer(mouseFolder, c.unplugAfterPause);
        const CliResult result =
            RunCli(apply, &pacer, c.fault ? test::FaultyHidPort::Wrapper(*c.fault) : app::DeviceLink::PortWrapper{});
        EXPECT_EQ(result.status, 4);
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(result.err, "zalvane-cli: the mouse did not take it: " + c.transfer + "\n");
        auto memory = device::VirtualMouseStore(mouseFolder).Load();
        ASSERT_TRUE(memory.has_value()) << memory.error();
        EXPECT_EQ(Bytes(memory->configBlocks[0].begin(), memory->configBlocks[0].end()) == profile.config,
                  c.configWritten);
        EXPECT_TRUE(memory->macroBlocks == device::FactoryMemory().macroBlocks) << "no macro block went whole";

        // Plugged in again, the mouse takes the next apply whole.
        if (c.unplugAfterPause != 0) {
            ASSERT_TRUE(RunCli({"--virtual-mouse", mouseFolder, "plug"}).status == 0);
        }
        const CliResult again = RunCli(apply);
        EXPECT_EQ(again.status, 0) << again.err;
        memory = device::VirtualMouseStore(mouseFolder).Load();
        ASSERT_TRUE(memory.has_value()) << memory.error();
        EXPECT_EQ(Bytes(memory->buttonBlock.begin(), memory->buttonBlock.end()), profile.buttons);
    }
}

TEST(CliTest, UsageErrorsAreOneLineWithStatusTwo)
{
    const std::vector<std::string> cases[] = {
        {},
        {"dance"},
        {"apply"},
        {"apply", "a.bin", "b.bin"},
        {"info", "extra"},
        {"--bogus", "info"},
        {"--trace"},
        {"--virtual-mouse=", "info"},
        {"--virtual-mouse", "d"},
    };
    for (const auto& args : cases) {
        const CliResult result = RunCli(args);
        EXPECT_EQ(result.status, 2) << testing::PrintToString(args);
        EXPECT_EQ(LineCount(result.err), 1u) << result.err;
        EXPECT_EQ(result.err.rfind("zalvane-cli: ", 0), 0u) << result.err;
    }
}

TEST(CliTest, HelpPrintsTheUsageOrTheCommandsOwn)
{
    // What the help starts with after "usage: zalvane-cli [global options] ", and a line it holds.
    const std::tuple<std::vector<std::string>, std::string, std::string> asks[] = {
        {{"help"}, "COMMAND [ARGS]", "  init-folder DIR"},
        {{"--help"}, "COMMAND [ARGS]", "  macro add NAME EVENTS..."},
        {{"-h", "--bogus"}, "COMMAND [ARGS]", "  watch"},
        {{"apply", "--help"}, "apply PROFILE\n", "as Save's device apply does"},
        {{"help", "macro", "add"}, "macro add NAME EVENTS... [--loop N] [--profile NAME] [--apply]", "--loop N"},
        {{"set", "-h"},
         "set NAME=VALUE...",
         "  dpi.N=                  DPI of stage N (1-7): 100 to 12000 in steps of 100"},
        {{"profile", "--help"}, "profile COMMAND", "  profile delete NAME"},
    };
    for (const auto& [ask, synopsis, line] : asks) {
        const CliResult result = RunCli(ask);
        EXPECT_EQ(result.status, 0) << ask.front();
        const std::string start = "usage: zalvane-cli [--folder DIR] [--virtual-mouse DIR] [--trace FILE] ";
        EXPECT_EQ(result.out.rfind(start + synopsis, 0), 0u) << result.out;
        EXPECT_NE(result.out.find(line), std::string::npos) << result.out;
        EXPECT_NE(result.out.find("4 the mouse did not take it"), std::string::npos) << result.out;
        EXPECT_TRUE(result.err.empty()) << result.err;
    }
    EXPECT_EQ(RunCli({"help", "dance"}).status, 2);
}

TEST(CliTest, FindingTheMouse)
{
    test::TempFolder temp;
    // Unit tests never talk to a real mouse: with one plugged in, this part is skipped.
    hid_device_info* const realMice = hid_enumerate(0x04D9, 0xA11B);
    hid_free_enumeration(realMice);
    if (realMice == nullptr) {
        const CliResult none = RunCli({"info"});
        EXPECT_EQ(none.status, 1);
        EXPECT_NE(none.err.find("no mouse found"), std::string::npos);
    }

    const std::string folder = temp.File("mouse");
    device::VirtualMouseMemory memory = device::FactoryMemory();
    memory.profileNumber = 3;
    ASSERT_TRUE(device::VirtualMouseStore(folder).Save(memory).has_value());
    const CliResult info = RunCli({"--virtual-mouse", folder, "info"});
    ASSERT_EQ(info.status, 0) << info.err;
    EXPECT_NE(info.out.find("profile number: 3\n"), std::string::npos) << info.out;
    EXPECT_NE(info.out.find("events: available"), std::string::npos) << info.out;

    // A damaged state file stops the command with the file's name; the file stays.
    const std::string stateFile = (fs::path(folder) / "mouse.bin").string();
    test::WriteBytes(stateFile, Bytes(100, 7));
    const CliResult damaged = RunCli({"--virtual-mouse", folder, "info"});
    EXPECT_EQ(damaged.status, 3);
    EXPECT_NE(damaged.err.find(stateFile + ": wrong size"), std::string::npos) << damaged.err;
    EXPECT_EQ(test::ReadBytes(stateFile), Bytes(100, 7));
}

TEST(CliTest, ButtonBlockNeedsNoMouse)
{
    test::TempFolder temp;
    const ProfileFixture profile;
    const std::string path = temp.File("p.bin");
    test::WriteBytes(path, profile.file);
    const CliResult result = RunCli({"button-block", path});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, Hex(profile.buttons, 16) + "\n");
}

TEST(CliTest, EncodeMacrosWarnsOncePerMacroThatWasCut)
{
    test::TempFolder temp;
    const std::string path = temp.File("record.ini");
    std::string text =
        "[Short]\r\nDelayTimeSelStatus=1\r\nItemCount=3\r\nItem0=A   Dn\r\nItem1=120 ms\r\nItem2=A   Up\r\n";
    text += "[Long]\r\nItemCount=100\r\n";
    for (int i = 0; i < 100; ++i) {
        text += "Item" + std::to_string(i) + (i % 2 == 0 ? "=B   Dn\r\n" : "=B   Up\r\n");
    }
    text += "[Fits]\r\nItemCount=2\r\nItem0=C   Dn\r\nItem1=C   Up\r\n";
    test::WriteBytes(path, Bytes(text.begin(), text.end()));

    const CliResult result = RunCli({"encode-macros", path});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(LineCount(result.out), 2432u / 16u);
    EXPECT_EQ(LineCount(result.err), 1u) << result.err;
    EXPECT_NE(result.err.find("macro 2 \"Long\""), std::string::npos) << result.err;

    const CliResult missing = RunCli({"encode-macros", temp.File("none.ini")});
    EXPECT_EQ(missing.status, 3);
    EXPECT_EQ(missing.out, "");
    EXPECT_NE(missing.err.find("none.ini: no such file"), std::string::npos) << missing.err;
}

}  // namespace
}  // namespace zalvane::cli
