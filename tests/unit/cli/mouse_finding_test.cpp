#include <gtest/gtest.h>

#include <sstream>

#include "cli/cli.h"
#include "device/virtual_bus.h"
#include "unit/support/byte_files.h"
#include "unit/support/cli_runner.h"

namespace zalvane::cli {
namespace {

using test::CliResult;
using test::RunCli;

using Kind = device::ControlRequest::Kind;

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

TEST(CliMouseFindingTest, PlugAndUnplugDecideWhetherCommandsFindTheVirtualMouse)
{
    test::TempFolder temp;
    const std::string folder = temp.File("mouse");
    ASSERT_EQ(RunCli({"--virtual-mouse", folder, "info"}).status, 0);

    const CliResult unplugged = RunCli({"--virtual-mouse", folder, "unplug"});
    ASSERT_EQ(unplugged.status, 0) << unplugged.err;
    for (const char* command : {"info", "read-config"}) {
        SCOPED_TRACE(command);
        const CliResult result = RunCli({"--virtual-mouse", folder, command});
        EXPECT_EQ(result.status, 1);
        EXPECT_EQ(result.out, "");
        EXPECT_TRUE(Contains(result.err, "no mouse found")) << result.err;
        EXPECT_TRUE(Contains(result.err, "unplugged")) << result.err;
    }

    ASSERT_EQ(RunCli({"--virtual-mouse", folder, "plug"}).status, 0);
    const CliResult info = RunCli({"--virtual-mouse", folder, "info"});
    EXPECT_EQ(info.status, 0) << info.err;
    EXPECT_TRUE(Contains(info.out, "events: available (event report length 8)")) << info.out;
}

TEST(CliMouseFindingTest, ARunningProgramGetsTheRequestsInOrder)
{
    test::TempFolder temp;
    const std::string folder = temp.File("mouse");
    auto opened = device::VirtualBus::Open(folder);
    ASSERT_TRUE(opened.has_value()) << opened.error();
    device::VirtualBus& program = *opened;

    for (const std::vector<std::string>& args :
         std::vector<std::vector<std::string>>{{"unplug"}, {"event", "2", "3"}, {"plug"}, {"event", "0x09", "0X1f"}}) {
        std::vector<std::string> line = {"--virtual-mouse", folder};
        line.insert(line.end(), args.begin(), args.end());
        const CliResult result = RunCli(line);
        ASSERT_EQ(result.status, 0) << result.err;
        EXPECT_EQ(result.err, "");
    }

    const std::vector<device::ControlRequest> expected = {
        {Kind::kUnplug}, {Kind::kEvent, 2, 3}, {Kind::kPlug}, {Kind::kEvent, 9, 31}};
    std::vector<device::ControlRequest> applied;
    while (auto step = program.PollControl()) {
        ASSERT_TRUE(step->has_value()) << step->error();
        applied.push_back((*step)->request);
    }
    EXPECT_EQ(applied, expected);
}

TEST(CliMouseFindingTest, VirtualMouseCommandsRefuseWhatTheyCannotDo)
{
    test::TempFolder temp;
    const std::string folder = temp.File("mouse");
    test::WriteRawFile(temp.File("file"), "");
    struct Case {
        std::vector<std::string> args;
        int status;
        std::string message;
    };
    const Case cases[] = {
        {{"plug"}, 2, "plug works on a virtual mouse only"},
        {{"unplug"}, 2, "unplug works on a virtual mouse only"},
        {{"event", "1", "2"}, 2, "event works on a virtual mouse only"},
        {{"--virtual-mouse", folder, "event", "256", "1"}, 2, "numbers from 0 to 255"},
        {{"--virtual-mouse", folder, "event", "1", "-1"}, 2, "numbers from 0 to 255"},
        {{"--virtual-mouse", folder, "event", "0x", "1"}, 2, "numbers from 0 to 255"},
        {{"--virtual-mouse", folder, "event", "1", "2x"}, 2, "numbers from 0 to 255"},
        {{"--virtual-mouse", folder, "event", "1"}, 2, "event takes 2 argument(s)"},
        {{"--virtual-mouse", temp.File("file/mouse"), "plug"}, 3, "cannot create the folder"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.args));
        const CliResult result = RunCli(c.args);
        EXPECT_EQ(result.status, c.status);
        EXPECT_EQ(result.out, "");
        EXPECT_TRUE(Contains(result.err, c.message)) << result.err;
        EXPECT_FALSE(std::filesystem::exists(std::filesystem::path(folder) / "control"));
    }
}

TEST(CliMouseFindingTest, ADamagedPlugStateStopsTheCommand)
{
    test::TempFolder temp;
    const std::string folder = temp.File("mouse");
    const std::string plugFile = temp.File("mouse/plug.txt");
    ASSERT_EQ(RunCli({"--virtual-mouse", folder, "unplug"}).status, 0);
    test::WriteRawFile(plugFile, "half\n");
    const CliResult result = RunCli({"--virtual-mouse", folder, "info"});
    EXPECT_EQ(result.status, 3);
    EXPECT_TRUE(Contains(result.err, plugFile)) << result.err;
    EXPECT_EQ(test::ReadRawFile(plugFile), "half\n");
}

}  // namespace
}  // namespace zalvane::cli
