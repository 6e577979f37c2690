#include "dialogs/profile_names.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace zalvane::dialogs {
namespace {

using Names = std::vector<std::string>;

TEST(ProfileNamesTest, NewRaisesItsNumberUntilTheNameIsFree)
{
    const struct {
        Names names;
        std::string expected;
    } cases[] = {
        {{}, "PROFILE_0"},
        {{"PROFILE_0", "PROFILE_1"}, "PROFILE_2"},
        {{"Game"}, "Game_1"},
        {{"A_x"}, "PROFILE_1"},
        {{"Work_12abc"}, "PROFILE_13"},
        {{"PROFILE_2", "Game"}, "Game_2"},
        {{"Game_2", "Game"}, "Game_3"},
        // A middle name deleted: the next number after the last name is taken already.
        {{"PROFILE_1", "PROFILE_0"}, "PROFILE_2"},
        {{"PROFILE_1", "PROFILE_2", "PROFILE_3", "PROFILE_0"}, "PROFILE_4"},
        {{"PROFILE_-3"}, "PROFILE_-2"},
        // The number is read only up to the first other character, after the first "_".
        {{"my_profile_7"}, "PROFILE_1"},
        // Held at the end of the int range instead of overflowing.
        {{"PROFILE_2147483647"}, "PROFILE_2147483648"},
        {{"PROFILE_99999999999999999999999"}, "PROFILE_2147483648"},
        {{"PROFILE_-99999999999999999999999"}, "PROFILE_-2147483647"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expected);
        EXPECT_EQ(NewProfileName(c.names), c.expected);
    }
}

TEST(ProfileNamesTest, CopyCountsUpWhenTheCopyNameIsTaken)
{
    EXPECT_EQ(CopyProfileName(Names{"PROFILE_1"}, "Copy", "PROFILE_1"), "Copy PROFILE_1");
    EXPECT_EQ(CopyProfileName(Names{"A", "Copy A"}, "Copy", "A"), "Copy A (2)");
    EXPECT_EQ(CopyProfileName(Names{"A", "Copy A", "Copy A (2)", "Copy A (3)"}, "Copy", "A"), "Copy A (4)");
    EXPECT_EQ(CopyProfileName(Names{"游戏"}, "複製", "游戏"), "複製 游戏");
}

TEST(ProfileNamesTest, RenameKeepsWhatTheListFileCanGiveBack)
{
    const Names names = {"A", "B", "c"};
    const struct {
        std::size_t position;
        std::string typed;
        std::optional<std::string> kept;
    } cases[] = {
        {0, "Game", "Game"},
        {0, "A", "A"},            // its own name again
        {0, "B", std::nullopt},   // another item's exact name
        {0, "C", "C"},            // names differ by case
        {1, "  Work\t", "Work"},  // the file would drop the blanks
        {1, " c ", std::nullopt},
        {2, "", ""},  // an empty name stays possible, once
        {2, "a\r\nb", std::nullopt},
        {2, "配置 二", "配置 二"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        EXPECT_EQ(RenamedProfileName(names, c.position, c.typed), c.kept);
    }
    EXPECT_EQ(RenamedProfileName(Names{"", "B"}, 1, " "), std::nullopt);
}

}  // namespace
}  // namespace zalvane::dialogs
