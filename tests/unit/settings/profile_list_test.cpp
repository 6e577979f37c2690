#include "settings/profile_list.h"

#include <gtest/gtest.h>

#include "unit/support/program_folder.h"

namespace zalvane::settings {
namespace {

using Names = std::vector<std::string>;
const Names kSix = {"PROFILE_0", "PROFILE_1", "Game", "Work", "Office 2", "PROFILE_5"};

TEST(ProfileListTest, LoaderTakesTheLastExactMatchAndDialogTheFirstPrefixFromTheSecondEntryUnlessOneIsExact)
{
    struct Case {
        std::string name;
        std::string current;
        std::string count;
        Names names;
        std::optional<std::uint8_t> loader;  // previous index 3; nothing: the list is ignored
        std::optional<std::size_t> dialog;
    };
    const Case cases[] = {
        {"third entry", "Game", "6", kSix, 2, 2},
        {"fifth of six", "Office 2", "6", kSix, 4, 4},
        {"no such name keeps the index", "Nothing", "6", kSix, 3, std::nullopt},
        {"equal names", "A", "2", {"A", "A"}, 1, 1},
        {"dialog takes a prefix, loader only the whole name", "PROF", "2", {"PROFILE_0", "PROFILE_1"}, 3, 1},
        {"dialog ignores case, loader does not", "game", "3", {"x", "GAME", "y"}, 3, 1},
        {"dialog wraps to the first entry", "Ap", "2", {"Apple", "Banana"}, 3, 0},
        {"one entry", "Solo", "1", {"Solo"}, 0, 0},
        {"Chinese and blanks", "配置 二", "2", {"配置 一", "配置 二"}, 1, 1},
        {"count beyond the names reads them empty", "B", "3", {"A"}, 3, std::nullopt},
        // An empty current name: the loader finds the empty name, the dialog selects nothing.
        {"empty current name", "", "3", {"A"}, 2, std::nullopt},
        {"dialog takes an exact name before a longer one", "PROFILE_1", "2", {"PROFILE_1", "PROFILE_10"}, 0, 0},
        {"count 0", "A", "0", {"A"}, std::nullopt, std::nullopt},
        {"count 7", "A", "7", {"A", "B", "C", "D", "E", "F", "G"}, std::nullopt, std::nullopt},
        {"count abc", "A", "abc", {"A"}, std::nullopt, std::nullopt},
        {"count -1", "A", "-1", {"A"}, std::nullopt, std::nullopt},
        {"count with trailing text", "B", "2 names", {"A", "B"}, 1, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        test::ProgramFolder folder;
        folder.WriteList(c.current, c.count, c.names);
        platform::PortableIniStore store;
        const std::string list = folder.File("str.ini");
        EXPECT_EQ(ReadCurrentProfileIndex(store, list, 3), c.loader);
        const ProfileList read = ReadProfileListForDialog(store, list);
        EXPECT_EQ(read.selected, c.dialog);
        if (c.loader) {
            EXPECT_EQ(read.names.size(), static_cast<std::size_t>(std::stoi(c.count)));
        } else {
            EXPECT_TRUE(read.names.empty());
        }
    }
}

TEST(ProfileListTest, WritingKeepsTheRestOfTheFileAndMakesTheSelectionCurrent)
{
    struct Case {
        std::string name;
        Names names;
        std::optional<std::size_t> selected;
        std::size_t current;
    };
    const Case cases[] = {
        {"no selection: the first name", {"A", "B", "C"}, std::nullopt, 0},
        {"selection", kSix, 4, 4},
        {"selection past the list counts as none", {"A", "B"}, 5, 0},
        {"names with blanks and Chinese", {"My profile", "游戏 1"}, 1, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        test::ProgramFolder folder;
        platform::PortableIniStore store;
        ProfileFiles files;
        files.paths = PathsFromModulePath(folder.ModulePath());
        files.profileKnown = false;
        ASSERT_TRUE(WriteProfileList(store, files, c.names, c.selected));
        EXPECT_EQ(files.profileIndex, c.current);
        EXPECT_TRUE(files.profileKnown);
        const ProfileList read = ReadProfileListForDialog(store, files.paths.listFile);
        EXPECT_EQ(read.names, c.names);
        EXPECT_EQ(ReadCurrentProfileIndex(store, files.paths.listFile, 0), c.current);
        EXPECT_EQ(store.GetString(*files.paths.listFile, "Skins", "RColor"), "225");
    }
}

TEST(ProfileListTest, ListsThatCannotBeWrittenLeaveTheFileAsItWas)
{
    test::ProgramFolder folder;
    platform::PortableIniStore store;
    ProfileFiles files;
    files.paths = PathsFromModulePath(folder.ModulePath());
    files.profileIndex = 2;
    const auto before = test::ReadBytes(folder.File("str.ini"));

    const Names seven = {"1", "2", "3", "4", "5", "6", "7"};
    EXPECT_FALSE(WriteProfileList(store, files, seven, 6));
    EXPECT_EQ(test::ReadBytes(folder.File("str.ini")), before);

    std::filesystem::remove(folder.File("str.ini"));
    EXPECT_FALSE(WriteProfileList(store, files, Names{"A"}, 0));
    EXPECT_FALSE(std::filesystem::exists(folder.File("str.ini")));
    EXPECT_EQ(files.profileIndex, 2);
    EXPECT_TRUE(ReadProfileListForDialog(store, files.paths.listFile).names.empty());

    // An empty list leaves only an empty current name.
    folder.WriteList("A", "1", {"A"});
    ASSERT_TRUE(WriteProfileList(store, files, Names{}, std::nullopt));
    EXPECT_EQ(store.GetString(*files.paths.listFile, kProfileSection, kCurrentProfileKey, "none"), "");
    EXPECT_EQ(store.GetString(*files.paths.listFile, kProfileSection, kProfileCountKey, "none"), "none");
}

}  // namespace
}  // namespace zalvane::settings
