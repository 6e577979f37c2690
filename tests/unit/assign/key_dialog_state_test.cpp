#include "assign/key_dialog_state.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "assign/key_dialog_layout.h"
#include "assign/key_dialog_texts.h"
#include "assign/macro_key_state.h"

namespace zalvane::assign {
namespace {

using language::Language;
using Field = ComboKeyState::Field;

constexpr ui::Point kOk{260, 260};
constexpr ui::Point kCancel{320, 260};
constexpr ui::Point kClose{360, 10};
constexpr ui::Point kElsewhere{200, 40};
constexpr ui::Point kModifierArea{60, 75};
constexpr ui::Point kMacroArea{145, 130};

TEST(SingleKeyStateTest, TheLastKeyPressedWins)
{
    SingleKeyState single;
    EXPECT_EQ(single.Result(Language::kEnglish).caption, "Single Key-");
    for (const CapturedKey& key : {CapturedKey{"A", 0x04}, CapturedKey{"Tab", 0x2B}, CapturedKey{"Enter", 0x28}}) {
        single.OnKeyDown(key);
    }
    EXPECT_EQ(single.Key(), (CapturedKey{"Enter", 0x28}));
    EXPECT_EQ(single.Result(Language::kEnglish), SingleKeyAssignment({"Enter", 0x28}, Language::kEnglish));
}

TEST(ComboKeyStateTest, ModifierListAndKeyFields)
{
    ComboKeyState combo;
    EXPECT_EQ(combo.Click(kModifierArea), DialogEnd::kNone);
    EXPECT_TRUE(combo.ModifierListOpen());
    EXPECT_FALSE(combo.KeyFieldsEnabled());
    combo.OnKeyDown(Field::kKey1, {"Q", 0x14});  // the fields are disabled while the list is open
    combo.ChooseModifier(-1);                    // no valid selection: the list stays
    EXPECT_TRUE(combo.ModifierListOpen());
    combo.ChooseModifier(6);
    EXPECT_EQ(combo.ModifierName(), "Right Alt");
    EXPECT_TRUE(combo.KeyFieldsEnabled());

    // Opening and closing the list again keeps the modifier; so does a click elsewhere.
    (void)combo.Click(kModifierArea);
    (void)combo.Click(kModifierArea);
    (void)combo.Click(kModifierArea);
    EXPECT_TRUE(combo.ModifierListOpen());
    (void)combo.Click(kElsewhere);
    EXPECT_FALSE(combo.ModifierListOpen());
    EXPECT_EQ(combo.ModifierName(), "Right Alt");

    combo.OnKeyDown(Field::kKey1, {"A", 0x04});
    combo.OnKeyDown(Field::kNone, {"B", 0x05});  // neither field has the focus
    combo.OnKeyDown(Field::kKey1, {"Z", 0x1D});
    EXPECT_EQ(combo.Key1(), (CapturedKey{"Z", 0x1D}));
    EXPECT_EQ(combo.Key2(), CapturedKey{});
    EXPECT_EQ(combo.Result(Language::kEnglish), ComboKeyAssignment("Right Alt", {"Z", 0x1D}, {}, Language::kEnglish));
}

TEST(KeyDialogTest, FrameAreasEndTheDialogs)
{
    const struct {
        ui::Point point;
        DialogEnd end;
    } cases[] = {{kOk, DialogEnd::kOk},
                 {kCancel, DialogEnd::kCancel},
                 {kClose, DialogEnd::kCancel},
                 {kElsewhere, DialogEnd::kNone},
                 {{308, 260}, DialogEnd::kNone}};
    for (const auto& c : cases) {
        EXPECT_EQ(DialogEndAt(c.point), c.end) << c.point.x;
        ComboKeyState combo;
        MacroKeyState macro({});
        EXPECT_EQ(combo.Click(c.point), c.end) << c.point.x;
        EXPECT_EQ(macro.Click(c.point), c.end) << c.point.x;
    }
}

std::vector<std::string> MacroNames(std::size_t count)
{
    std::vector<std::string> names;
    for (std::size_t i = 0; i < count; ++i) {
        names.push_back("Macro " + std::to_string(i + 1));
    }
    return names;
}

TEST(MacroKeyStateTest, OffersAtMostTheNineteenMacrosTheMouseHolds)
{
    for (const std::size_t count : {0u, 1u, 19u, 20u, 300u}) {
        MacroKeyState macro(MacroNames(count));
        ASSERT_EQ(macro.Offered().size(), std::min<std::size_t>(count, 19)) << count;
        if (count > 0) {
            EXPECT_EQ(macro.Offered().back(), "Macro " + std::to_string(std::min<std::size_t>(count, 19)));
        }
        (void)macro.Click(kMacroArea);
        macro.ChooseMacro(19);  // past the offered ones
        EXPECT_EQ(macro.MacroIndex(), std::nullopt);
        EXPECT_EQ(macro.Result(Language::kEnglish), std::nullopt) << count;
    }
}

TEST(MacroKeyStateTest, ChoosingAMacroAndItsMode)
{
    MacroKeyState macro(MacroNames(5));
    EXPECT_EQ(macro.RepeatMode(), 0);
    (void)macro.Click(MacroModeTick(1).TopLeft());
    EXPECT_EQ(macro.RepeatMode(), 1);
    (void)macro.Click(MacroModeText(2).TopLeft());  // the text beside a tick box is no tick box
    EXPECT_EQ(macro.RepeatMode(), 1);

    macro.ChooseMacro(2);  // a notice with no list open changes nothing
    EXPECT_EQ(macro.MacroIndex(), std::nullopt);
    (void)macro.Click(kMacroArea);
    EXPECT_TRUE(macro.MacroListOpen());
    macro.ChooseMacro(2);
    EXPECT_FALSE(macro.MacroListOpen());
    EXPECT_EQ(macro.MacroName(), "Macro 3");
    EXPECT_EQ(macro.Result(Language::kEnglish), MacroKeyAssignment(2, 1, "Macro 3", Language::kEnglish));

    // A notice without a selection clears the choice and the name shown.
    (void)macro.Click(kMacroArea);
    macro.ChooseMacro(-1);
    EXPECT_TRUE(macro.MacroListOpen());
    EXPECT_EQ(macro.MacroName(), "");
    EXPECT_EQ(macro.Result(Language::kEnglish), std::nullopt);
    (void)macro.Click(kElsewhere);
    EXPECT_FALSE(macro.MacroListOpen());
}

TEST(KeyDialogTextsTest, TitlesAndTextsPerLanguage)
{
    const struct {
        KeyDialog dialog;
        Language language;
        KeyDialogTexts texts;
    } cases[] = {
        {KeyDialog::kSingleKey, Language::kEnglish, {"Single Key", "Ok", "Cancel", "Please enter a key"}},
        {KeyDialog::kComboKey, Language::kEnglish, {"Combo Key", "OK", "Cancel", ""}},
        {KeyDialog::kMacroKey, Language::kTraditionalChinese, {"巨集", "確定", "取消", "請從清單方塊選擇一個巨集"}},
        {KeyDialog::kSingleKey, Language::kSimplifiedChinese, {"单键", "确定", "取消", "请输入一个按键"}},
    };
    for (const auto& c : cases) {
        const KeyDialogTexts texts = TextsOf(c.dialog, c.language);
        EXPECT_EQ(texts.title, c.texts.title);
        EXPECT_EQ(texts.ok, c.texts.ok);
        EXPECT_EQ(texts.cancel, c.texts.cancel);
        EXPECT_EQ(texts.prompt, c.texts.prompt);
    }
    EXPECT_EQ(RepeatModeText(1, Language::kEnglish), "Repeat until press any key to end");
    EXPECT_EQ(RepeatModeText(2, Language::kSimplifiedChinese), "重复直到该按键松开结束");
    EXPECT_EQ(RepeatModeText(3, Language::kEnglish), "");
    EXPECT_EQ(HookErrorText(KeyDialog::kComboKey, 5), "KeyboardHook_ComboDlg Install error code :5\n");
    EXPECT_EQ(HookErrorText(KeyDialog::kMacroKey, 5), "");
}

}  // namespace
}  // namespace zalvane::assign
