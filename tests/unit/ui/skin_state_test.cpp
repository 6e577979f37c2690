#include "ui/skin_state.h"

#include <gtest/gtest.h>

#include <set>

#include "unit/platform/ini_test_files.h"

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
    for (const Case& c : cases) {
        EXPECT_EQ(SkinRootFromModulePath(c.modulePath, c.skinName), c.root) << c.modulePath;
    }
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

// A text file that names a skin without its window images (or names none) falls back to
// the default skin when that one has them; otherwise the named skin stays and the window
// tells which image is missing.
TEST(SkinStateTest, DefaultSkinStandsInForOneWithoutWindowImages)
{
    const std::string start = "/start.png", main = "/main.png";
    struct Case {
        std::string_view skinPath;
        std::set<std::string> usable;  // image paths under C:\Z\/Skins
        std::string_view root, replacedRoot;
    };
    const Case cases[] = {
        {"Dark", {"/Dark" + start, "/Dark" + main, "/Default" + start, "/Default" + main}, "/Dark", ""},
        {"Dark", {"/Dark" + start, "/Default" + start, "/Default" + main}, "/Default", "/Dark"},
        {"", {"/Default" + start, "/Default" + main}, "/Default", "/"},
        {"\xff\xfe garbage", {"/Default" + start, "/Default" + main}, "/Default", "/\xff\xfe garbage"},
        // The default skin without both images cannot help: the named one stays.
        {"Dark", {"/Default" + start}, "/Dark", ""},
        {"Default", {}, "/Default", ""},
    };
    for (const Case& c : cases) {
        settings::TextSettings text;
        text.skinPath = c.skinPath;
        text.red = "7";
        const std::string skins = "C:\\Z\\/Skins";
        const SkinChoice choice = ChooseSkin(text, "C:\\Z\\Zalvane.exe", [&](const std::string& path) {
            return path.starts_with(skins) && c.usable.contains(path.substr(skins.size()));
        });
        EXPECT_EQ(choice.state.root, skins + std::string(c.root)) << c.skinPath;
        EXPECT_EQ(choice.replacedRoot, c.replacedRoot.empty() ? "" : skins + std::string(c.replacedRoot)) << c.skinPath;
        EXPECT_EQ(choice.state.textColour.red, 7);  // the text file's colour stays
    }
}

TEST(SkinStateTest, SkinImageUsableOnlyWithThePngSignature)
{
    const test::TempFolder folder;
    struct Case {
        std::string_view name, bytes;
        bool usable;
    };
    const Case cases[] = {
        {"png", std::string_view("\x89PNG\r\n\x1a\nrest", 12), true},
        {"text", "not a picture at all", false},
        {"short", std::string_view("\x89PNG", 4), false},
        {"empty", "", false},
    };
    for (const Case& c : cases) {
        test::WriteRawFile(folder.File(c.name), c.bytes);
        EXPECT_EQ(SkinImageUsable(folder.File(c.name)), c.usable) << c.name;
    }
    EXPECT_FALSE(SkinImageUsable(folder.File("missing")));
}

}  // namespace
}  // namespace zalvane::ui
