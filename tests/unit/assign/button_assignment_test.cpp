#include "assign/button_assignment.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "assign/button_block.h"
#include "assign/button_rows.h"

namespace zalvane::assign {
namespace {

using language::Language;
using settings::ProfileRecord;

constexpr auto kEnglish = Language::kEnglish;
constexpr auto kSimplified = Language::kSimplifiedChinese;
constexpr auto kTraditional = Language::kTraditionalChinese;

TEST(ButtonAssignmentTest, FunctionListEntries)
{
    const struct {
        int selection;
        FunctionOutcome outcome;
        std::string_view english, simplified, traditional;  // captions of the entries stored at once
    } cases[] = {
        {-1, FunctionOutcome::kNothing, "", "", ""},
        {0, FunctionOutcome::kStore, "Click", "左键", "左鍵"},
        {3, FunctionOutcome::kStore, "IE Forward", "前进方向键", "前進方向鍵"},
        {5, FunctionOutcome::kStore, "Double Click", "双击", "双击"},
        {6, FunctionOutcome::kNothing, "", "", ""},  // 6-9 only open their second lists
        {9, FunctionOutcome::kNothing, "", "", ""},
        {10, FunctionOutcome::kSingleKeyDialog, "", "", ""},
        {11, FunctionOutcome::kComboKeyDialog, "", "", ""},
        {12, FunctionOutcome::kMacroKeyDialog, "", "", ""},
        {13, FunctionOutcome::kStore, "Button Off", "按键关闭", "按鍵關閉"},
        {15, FunctionOutcome::kStore, "Right Title Scroll", "右摇摆滚轮", "右搖擺滾輪"},
        {16, FunctionOutcome::kNothing, "", "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.selection);
        EXPECT_EQ(FunctionOutcomeOf(c.selection), c.outcome);
        const auto english = DirectAssignment(c.selection, kEnglish);
        ASSERT_EQ(english.has_value(), c.outcome == FunctionOutcome::kStore);
        if (!english) {
            continue;
        }
        EXPECT_EQ(*english, (Assignment{static_cast<ActionType>(c.selection), {}, std::string(c.english)}));
        EXPECT_EQ(DirectAssignment(c.selection, kSimplified)->caption, c.simplified);
        EXPECT_EQ(DirectAssignment(c.selection, kTraditional)->caption, c.traditional);
    }
}

TEST(ButtonAssignmentTest, SecondListEntries)
{
    const struct {
        SecondList list;
        int selection;
        Language language;
        std::optional<Assignment> expected;
    } cases[] = {
        {SecondList::kDpi, 1, kEnglish, Assignment{ActionType::kCpiCycle, {{ProfileRecord::kDpiFunction, 2}}, "DPI -"}},
        {SecondList::kDpi, 2, kTraditional,
         Assignment{ActionType::kCpiCycle, {{ProfileRecord::kDpiFunction, 3}}, "DPI Loop"}},
        {SecondList::kMultimedia, 0, kEnglish,
         Assignment{ActionType::kMultimedia, {{ProfileRecord::kConsumerCode, 0x83}}, "Media player"}},
        {SecondList::kMultimedia, 6, kEnglish,
         Assignment{ActionType::kMultimedia, {{ProfileRecord::kConsumerCode, 0xE9}}, "Volume Up"}},
        {SecondList::kMultimedia, 4, kTraditional,
         Assignment{ActionType::kMultimedia, {{ProfileRecord::kConsumerCode, 0xCD}}, "播放/暫停"}},
        {SecondList::kHotKey, 2, kEnglish,
         Assignment{ActionType::kHotKey, {{ProfileRecord::kHotKeyLetter, 0x06}}, "Copy"}},
        {SecondList::kHotKey, 9, kSimplified,
         Assignment{ActionType::kHotKey, {{ProfileRecord::kHotKeyLetter, 0x04}}, "全选"}},
        {SecondList::kWindowsCommand, 5, kEnglish,
         Assignment{ActionType::kWindows, {{ProfileRecord::kWindowsCommand, 5}}, "Show desktop"}},
        {SecondList::kWindowsCommand, 1, kSimplified,
         Assignment{ActionType::kWindows, {{ProfileRecord::kWindowsCommand, 1}}, "浏览器-主页"}},
        // A notice without a valid selection stores nothing.
        {SecondList::kDpi, 3, kEnglish, std::nullopt},
        {SecondList::kMultimedia, -1, kEnglish, std::nullopt},
        {SecondList::kHotKey, 10, kEnglish, std::nullopt},
        {SecondList::kWindowsCommand, 7, kEnglish, std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SecondListAssignment(c.list, c.selection, c.language), c.expected)
            << static_cast<int>(c.list) << ' ' << c.selection;
    }
}

ButtonActionEntry EntryAfter(const Assignment& assignment)
{
    ProfileRecord record;
    settings::ButtonCaptions captions;
    ApplyAssignment(assignment, 0, record, captions);
    EXPECT_EQ(captions[0], assignment.caption);
    return ActionEntryFor(record, 0);
}

TEST(ButtonAssignmentTest, ComboKeysForEveryModifier)
{
    const CapturedKey a{"A", 0x04};
    const CapturedKey b{"B", 0x05};
    const struct {
        std::string_view modifier;
        std::uint8_t bit;
    } modifiers[] = {
        {"Left Ctrl", 0x01},  {"Left Shift", 0x02},  {"Left Alt", 0x04},  {"Left Win", 0x08},
        {"Right Ctrl", 0x10}, {"Right Shift", 0x20}, {"Right Alt", 0x40}, {"Right Win", 0x80},
    };
    for (const auto& m : modifiers) {
        SCOPED_TRACE(m.modifier);
        const Assignment combo = ComboKeyAssignment(m.modifier, a, b, kEnglish);
        EXPECT_EQ(combo.type, ActionType::kComboKey);
        EXPECT_EQ(combo.caption, "Combo Key-" + std::string(m.modifier) + "+A+B");
        EXPECT_EQ(EntryAfter(combo), (ButtonActionEntry{0x00, m.bit, 0x04, 0x05}));
    }
}

TEST(ButtonAssignmentTest, ComboKeyCaptionsNameOnlyWhatIsSet)
{
    const struct {
        std::string_view modifier;
        CapturedKey key1, key2;
        Language language;
        std::string caption;
        ButtonActionEntry entry;
    } cases[] = {
        {"Right Alt", {"Z", 0x1D}, {}, kEnglish, "Combo Key-Right Alt+Z", {0x00, 0x40, 0x1D, 0x00}},
        {"Left Shift", {"A", 0x04}, {}, kEnglish, "Combo Key-Left Shift+A", {0x00, 0x02, 0x04, 0x00}},
        {"", {"A", 0x04}, {}, kEnglish, "Combo Key-A", {0x00, 0x00, 0x04, 0x00}},
        {"", {}, {"B", 0x05}, kSimplified, "组合键-B", {0x00, 0x00, 0x00, 0x05}},
        {"", {}, {}, kTraditional, "複合鍵-", {0x00, 0x00, 0x00, 0x00}},
        {"Ctrl", {"A", 0x04}, {}, kEnglish, "Combo Key-A", {0x00, 0x00, 0x04, 0x00}},  // not a modifier name
        // A key without code is stored as 0 and still named.
        {"Left Ctrl",
         {"XF86Mail", 0},
         {"B", 0x05},
         kEnglish,
         "Combo Key-Left Ctrl+XF86Mail+B",
         {0x00, 0x01, 0x00, 0x05}},
    };
    for (const auto& c : cases) {
        const Assignment combo = ComboKeyAssignment(c.modifier, c.key1, c.key2, c.language);
        EXPECT_EQ(combo.caption, c.caption);
        EXPECT_EQ(EntryAfter(combo), c.entry) << c.caption;
    }
}

TEST(ButtonAssignmentTest, SingleAndMacroKeys)
{
    const struct {
        Assignment assignment;
        std::string caption;
        ButtonActionEntry entry;
    } cases[] = {
        {SingleKeyAssignment({"Enter", 0x28}, kEnglish), "Single Key-Enter", {0x00, 0x00, 0x28, 0x00}},
        {SingleKeyAssignment({}, kEnglish), "Single Key-", {0x00, 0x00, 0x00, 0x00}},
        {SingleKeyAssignment({"EINGABE", 0x28}, kTraditional), "單鍵-EINGABE", {0x00, 0x00, 0x28, 0x00}},
        {SingleKeyAssignment({"XF86Mail", 0}, kEnglish), "Single Key-XF86Mail", {0x00, 0x00, 0x00, 0x00}},
        {MacroKeyAssignment(2, 1, "Reload", kEnglish), "Macro Key-Reload", {0x09, 0x01, 0x03, 0x00}},
        {MacroKeyAssignment(18, 2, "宏十九", kSimplified), "宏-宏十九", {0x09, 0x02, 0x13, 0x00}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.assignment.caption, c.caption);
        EXPECT_EQ(EntryAfter(c.assignment), c.entry) << c.caption;
    }
}

TEST(ButtonAssignmentTest, AChoiceChangesOnlyItsButtonsTypeFieldAndCaption)
{
    ProfileRecord record;
    record.bytes.fill(0x55);
    settings::ButtonCaptions captions;
    captions.fill("old");
    const ProfileRecord before = record;

    ApplyAssignment(*SecondListAssignment(SecondList::kMultimedia, 6, kEnglish), 9, record, captions);  // S3
    for (std::size_t offset = 0; offset < ProfileRecord::kSize; ++offset) {
        const bool changed = offset == ProfileRecord::kActionType + 9 || offset == ProfileRecord::kConsumerCode + 9;
        EXPECT_EQ(record[offset] != before[offset], changed) << offset;
    }
    EXPECT_EQ(ActionEntryFor(record, 9), (ButtonActionEntry{0x03, 0x00, 0xE9, 0x00}));
    EXPECT_EQ(captions[9], "Volume Up");
    EXPECT_EQ(captions[8], "old");

    const ProfileRecord afterS3 = record;
    ApplyAssignment(*DirectAssignment(0, kEnglish), settings::kButtonCount, record, captions);
    EXPECT_EQ(record, afterS3);
}

TEST(ButtonAssignmentTest, TheLastLeftClickCannotBeGivenAway)
{
    const struct {
        std::vector<std::size_t> clicking;  // buttons on "Click"; every other one on "Menu"
        std::size_t button;
        bool last;
    } cases[] = {
        {{0}, 0, true},       {{0}, 1, false},     {{14}, 14, true},  // S8 makes the check like every button
        {{0, 14}, 14, false}, {{0, 14}, 0, false}, {{}, 5, false},   {{18}, 18, true},
    };
    for (const auto& c : cases) {
        ProfileRecord record;
        for (std::size_t b = 0; b < settings::kButtonCount; ++b) {
            record.Button(ProfileRecord::kActionType, b) = static_cast<std::uint8_t>(ActionType::kMenu);
        }
        for (std::size_t b : c.clicking) {
            record.Button(ProfileRecord::kActionType, b) = static_cast<std::uint8_t>(ActionType::kClick);
        }
        EXPECT_EQ(IsLastLeftClick(record, c.button), c.last) << "button " << c.button;
    }
}

TEST(ButtonRowsTest, RowsAndButtonsInBothViews)
{
    const struct {
        MouseView view;
        int row;
        std::optional<std::size_t> button;
        std::optional<int> shownRow;  // where that button's box is in this view
    } cases[] = {
        {MouseView::kFront, 1, 0, 1},
        {MouseView::kFront, 7, 6, 7},
        {MouseView::kFront, 8, 14, std::nullopt},  // S8, though the front view shows no box for it
        {MouseView::kFront, 12, 18, std::nullopt},
        {MouseView::kSide, 1, 7, 1},
        {MouseView::kSide, 3, 9, 3},
        {MouseView::kSide, 8, 14, 8},
        {MouseView::kSide, 12, 18, 12},
        {MouseView::kSide, 0, std::nullopt, std::nullopt},
        {MouseView::kFront, 13, std::nullopt, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.row);
        EXPECT_EQ(ButtonOfRow(c.view, c.row), c.button);
        if (c.button) {
            EXPECT_EQ(RowOfButton(c.view, *c.button), c.shownRow);
        }
    }
    EXPECT_EQ(RowOfButton(MouseView::kSide, 6), std::nullopt);
    EXPECT_EQ(RowOfButton(MouseView::kSide, 19), std::nullopt);
}

}  // namespace
}  // namespace zalvane::assign
