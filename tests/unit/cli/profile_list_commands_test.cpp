// The profile commands keep the configuration dialog's rule that files follow names.

#include <gtest/gtest.h>

#include "unit/support/cli_workspace.h"

namespace zalvane::cli {
namespace {

using test::CliResult;
using Bytes = std::vector<std::uint8_t>;

TEST(ProfileListCommandsTest, EveryNameKeepsItsOwnFiles)
{
    const test::CliWorkspace folder;
    ASSERT_EQ(folder.Cli({"set", "dpi.1=500"}).status, 0);
    const Bytes edited = test::ReadBytes(folder.File("config0.bin"));

    ASSERT_EQ(folder.Cli({"profile", "copy", "PROFILE_0", "Work"}).status, 0);
    ASSERT_EQ(folder.Cli({"profile", "new", "Game"}).status, 0);
    EXPECT_EQ(test::ReadBytes(folder.File("config1.bin")), edited);
    EXPECT_EQ(test::ReadBytes(folder.File("config2.bin")), test::ReadBytes(folder.File("config.bin")));
    ASSERT_EQ(folder.Cli({"assign", "--profile", "Work", "S1", "mute"}).status, 0);
    const Bytes work = test::ReadBytes(folder.File("config1.bin"));
    const std::string workCaptions = test::ReadRawFile(folder.File("str1.ini"));
    ASSERT_NE(work, edited);
    EXPECT_EQ(folder.Cli({"profile", "list"}).out, "* 0 PROFILE_0\n  1 Work\n  2 Game\n");

    // Deleting the current profile moves the others up with their files; the first is current.
    ASSERT_EQ(folder.Cli({"profile", "delete", "PROFILE_0"}).status, 0);
    EXPECT_EQ(folder.Cli({"profile", "list"}).out, "* 0 Work\n  1 Game\n");
    EXPECT_EQ(test::ReadBytes(folder.File("config0.bin")), work);
    EXPECT_EQ(test::ReadRawFile(folder.File("str0.ini")), workCaptions);

    ASSERT_EQ(folder.Cli({"profile", "rename", "Work", " Job "}).status, 0);
    const CliResult used = folder.Cli({"profile", "use", "Game", "--apply"});
    ASSERT_EQ(used.status, 0) << used.err;
    EXPECT_NE(used.out.find("saved profile 1 \"Game\" to the mouse"), std::string::npos) << used.out;
    EXPECT_EQ(folder.Cli({"profile", "list", "--json"}).out,
              R"([{"position":0,"name":"Job","current":false},{"position":1,"name":"Game","current":true}])"
              "\n");
    // Edits now go to Game's files.
    ASSERT_EQ(folder.Cli({"set", "dpi.1=700"}).status, 0);
    EXPECT_EQ(test::ReadBytes(folder.File("config1.bin")).at(8), 7);
    EXPECT_EQ(test::ReadBytes(folder.File("config0.bin")), work);
}

}  // namespace
}  // namespace zalvane::cli
