#include "ui/skin_state.h"

#include <gtest/gtest.h>

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

// The text file's "Skins" values make the skin state; each colour component is the low
// byte of its number (platform::ReadLeadingDecimal).
TEST(SkinStateTest, BuiltFromTheTextFilesSkinValues)
{
    settings::TextSettings text;
    text.skinPath = "Default";
    text.red = "225";
    text.green = "300";
    text.blue = "";

    const SkinState state = SkinStateFor(text, "C:\\Z\\Zalvane.exe");
    EXPECT_EQ(state.name, "Default");
    EXPECT_EQ(state.root, "C:\\Z\\/Skins/Default");
    // A missing value is an empty text, which is 0, not the green of the unread state.
    EXPECT_EQ(state.textColour, (SkinColour{225, 44, 0}));
    EXPECT_EQ(SkinState{}.textColour, (SkinColour{0, 255, 0}));
}

}  // namespace
}  // namespace zalvane::ui
