#include "ui/skin_state.h"

#include <gtest/gtest.h>

#include <map>
#include <tuple>

namespace zalvane::ui {
namespace {

TEST(SkinStateTest, SkinRootDropsTheExecutableNameFromTheModulePath)
{
    struct Case {
        std::string_view modulePath, skinName, root;
    };
    const Case cases[] = {
        {"C:\\Program Files\\Zalvane\\Zalvane.exe", "Default", "C:\\Program Files\\Zalvane\\/Skins/Default"},
        {"C:\\Zalvane.exe", "", "C:\\/Skins/"},  // no skin name: images straight under /Skins/
        // Every occurrence goes, also one inside a folder name.
        {"D:\\Zalvane.exe.d\\Zalvane.exe", "Dark", "D:\\.d\\/Skins/Dark"},
        // A renamed (or differently cased) executable keeps its whole path in front.
        {"C:\\Tools\\Zalvane-copy.exe", "Default", "C:\\Tools\\Zalvane-copy.exe/Skins/Default"},
        {"C:\\Tools\\zalvane.exe", "Default", "C:\\Tools\\zalvane.exe/Skins/Default"},
        {"C:\\游戏\\鼠标\\Zalvane.exe", "默认", "C:\\游戏\\鼠标\\/Skins/默认"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SkinRootFromModulePath(c.modulePath, c.skinName), c.root) << c.modulePath;
}

TEST(SkinStateTest, ColourComponentIsTheLowByteOfADecimalNumber)
{
    const std::pair<std::string_view, int> cases[] = {
        {"0", 0},
        {"255", 255},
        {"256", 0},
        {"300", 44},
        {"", 0},
        {"abc", 0},
        {"12abc", 12},
        {"  7", 7},
        {"+9", 9},
        {"-1", 255},
        {"-256", 0},
        {"1.9", 1},
        // Far past 32 bits: still the low 8 bits of the number written (10^20 mod 256 = 0).
        {"100000000000000000000", 0},
        {"4294967297", 1},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(ColourComponentFromText(text), expected) << '"' << text << '"';
}

// Answers from a map of (section, key) to value; anything else reads as the default.
class MapIniStore final : public platform::IniStore {
public:
    std::map<std::tuple<std::string, std::string, std::string>, std::string> values;

    std::string GetString(const std::string& path, std::string_view section, std::string_view key,
                          std::string_view defaultValue, std::size_t) override
    {
        const auto found = values.find({path, std::string(section), std::string(key)});
        return found != values.end() ? found->second : std::string(defaultValue);
    }
    bool WriteString(const std::string&, std::string_view, std::string_view, std::string_view) override
    {
        return false;
    }
    bool DeleteSection(const std::string&, std::string_view) override { return false; }
    bool WriteSection(const std::string&, std::string_view, std::span<const platform::IniEntry>) override
    {
        return false;
    }
    bool RenameSection(const std::string&, std::string_view, std::string_view) override { return false; }
    std::vector<std::string> SectionNames(const std::string&) override { return {}; }
};

TEST(SkinStateTest, ReadsTheSkinsSectionOfTheTextFile)
{
    MapIniStore store;
    store.values[{"str0.ini", "Skins", "Path"}] = "Default";
    store.values[{"str0.ini", "Skins", "Lan"}] = "CHT";
    store.values[{"str0.ini", "Skins", "RColor"}] = "225";
    store.values[{"str0.ini", "Skins", "GColor"}] = "300";
    store.values[{"str1.ini", "Skins", "BColor"}] = "99";  // another file: not read

    const SkinState state = ReadSkinState(store, "str0.ini", "C:\\Z\\Zalvane.exe");
    EXPECT_EQ(state.name, "Default");
    EXPECT_EQ(state.language, "CHT");
    EXPECT_EQ(state.root, "C:\\Z\\/Skins/Default");
    // A missing key is an empty text, which is 0, not the green of the unread state.
    EXPECT_EQ(state.textColour, (SkinColour{225, 44, 0}));
    EXPECT_EQ(SkinState{}.textColour, (SkinColour{0, 255, 0}));
}

}  // namespace
}  // namespace zalvane::ui
