#include "assign/assignment_lists.h"

#include <gtest/gtest.h>

namespace zalvane::assign {
namespace {

using settings::ProfileRecord;

constexpr std::size_t kS3 = 9;
constexpr std::size_t kS8 = 14;

// Button 0 and S8 click, every other button is on "Menu".
ProfileRecord TwoClicks()
{
    ProfileRecord record;
    for (std::size_t b = 0; b < settings::kButtonCount; ++b) {
        record.Button(ProfileRecord::kActionType, b) = b == 0 || b == kS8 ? 0 : 1;
    }
    return record;
}

TEST(AssignmentListsTest, SecondListsFollowTheHoveredEntry)
{
    constexpr std::optional<SecondList> kNone;
    const struct {
        int hovered;
        std::optional<SecondList> open;
        SecondListStep step;
    } cases[] = {
        {7, kNone, {kNone, SecondList::kMultimedia}},
        {7, SecondList::kMultimedia, {}},  // already open beside its entry
        {6, kNone, {kNone, SecondList::kDpi}},
        {8, SecondList::kMultimedia, {SecondList::kMultimedia, SecondList::kHotKey}},
        {9, SecondList::kHotKey, {SecondList::kHotKey, SecondList::kWindowsCommand}},
        {3, SecondList::kWindowsCommand, {SecondList::kWindowsCommand, kNone}},
        {-1, SecondList::kDpi, {SecondList::kDpi, kNone}},
        {10, kNone, {}},
        {16, kNone, {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(OpenSecondList(c.hovered, c.open), c.step) << c.hovered;
    }
}

TEST(AssignmentListsTest, SecondListsHangBesideTheFunctionList)
{
    const ui::Rect list{262, 169, 365, 429};   // row 3
    const ui::Rect entry{263, 282, 364, 298};  // its eighth entry
    EXPECT_EQ(SecondListRect(SecondList::kDpi, list, entry), (ui::Rect{365, 282, 425, 342}));
    EXPECT_EQ(SecondListRect(SecondList::kMultimedia, list, entry), (ui::Rect{365, 168, 455, 298}));
    EXPECT_EQ(SecondListRect(SecondList::kHotKey, list, entry), (ui::Rect{365, 136, 425, 298}));
    EXPECT_EQ(SecondListRect(SecondList::kWindowsCommand, list, entry), (ui::Rect{365, 184, 455, 298}));

    for (SecondList l : {SecondList::kDpi, SecondList::kMultimedia, SecondList::kHotKey, SecondList::kWindowsCommand}) {
        EXPECT_EQ(SecondListOfId(SecondListId(l)), l);
    }
    EXPECT_EQ(SecondListId(SecondList::kDpi), 10);
    EXPECT_EQ(SecondListId(SecondList::kMultimedia), 7);
    EXPECT_EQ(FunctionListId(kS3), 50);
    EXPECT_EQ(ButtonOfFunctionListId(59), 18u);
    EXPECT_EQ(ButtonOfFunctionListId(60), std::nullopt);
    EXPECT_EQ(ButtonOfFunctionListId(40), std::nullopt);
    EXPECT_EQ(SecondListOfId(41), std::nullopt);
}

TEST(AssignmentListsTest, RowClicksOpenOneListAtATime)
{
    AssignmentLists lists(language::Language::kEnglish);
    const ProfileRecord record = TwoClicks();

    EXPECT_EQ(lists.ToggleFunctionList(kS3, record), (ListChanges{.openFunctionList = kS3}));
    EXPECT_EQ(lists.HoverFunctionEntry(7), (ListChanges{.openSecondList = SecondList::kMultimedia}));
    // Another row: the open list and its second list close first.
    EXPECT_EQ(
        lists.ToggleFunctionList(0, record),
        (ListChanges{.closeFunctionList = kS3, .closeSecondList = SecondList::kMultimedia, .openFunctionList = 0}));
    // The same row again closes it.
    EXPECT_EQ(lists.ToggleFunctionList(0, record), (ListChanges{.closeFunctionList = 0}));
    EXPECT_EQ(lists.OpenButton(), std::nullopt);
    EXPECT_EQ(lists.HoverFunctionEntry(7), ListChanges{});  // no list, nothing to hang a second list on
}

TEST(AssignmentListsTest, TheLastLeftClickWarnsInsteadOfOpening)
{
    AssignmentLists lists(language::Language::kEnglish);
    ProfileRecord record = TwoClicks();
    record.Button(ProfileRecord::kActionType, 0) = 1;  // S8 is left as the only click

    ASSERT_EQ(lists.ToggleFunctionList(kS3, record).openFunctionList, kS3);
    EXPECT_EQ(lists.ToggleFunctionList(kS8, record),
              (ListChanges{.closeFunctionList = kS3, .warnLastLeftClick = true}));
    EXPECT_EQ(lists.OpenButton(), std::nullopt);
    EXPECT_EQ(lists.ToggleFunctionList(0, record).openFunctionList, 0u);
}

TEST(AssignmentListsTest, AChoiceClosesTheListsAndWaitsForThePostedMessage)
{
    AssignmentLists lists(language::Language::kEnglish);
    ASSERT_TRUE(lists.ToggleFunctionList(kS3, TwoClicks()).openFunctionList);
    (void)lists.HoverFunctionEntry(7);

    EXPECT_EQ(lists.OnSecondListNotice(SecondList::kHotKey, 2), std::nullopt);  // not the open one
    EXPECT_EQ(lists.OnSecondListNotice(SecondList::kMultimedia, -1), std::nullopt);
    EXPECT_EQ(lists.OnFunctionListNotice(kS3, 7), std::nullopt);  // "Multimedia" itself
    EXPECT_EQ(lists.OpenSecond(), SecondList::kMultimedia);
    EXPECT_EQ(lists.TakeChoice(), std::nullopt);

    EXPECT_EQ(lists.OnSecondListNotice(SecondList::kMultimedia, 6),
              (ListChanges{.closeFunctionList = kS3, .closeSecondList = SecondList::kMultimedia}));
    // A second notice while the first waits is ignored.
    EXPECT_EQ(lists.OnSecondListNotice(SecondList::kMultimedia, 7), std::nullopt);
    EXPECT_EQ(lists.OnFunctionListNotice(kS3, 0), std::nullopt);

    const auto choice = lists.TakeChoice();
    ASSERT_TRUE(choice);
    EXPECT_EQ(choice->button, kS3);
    EXPECT_EQ(choice->outcome, FunctionOutcome::kStore);
    EXPECT_EQ(choice->assignment, *SecondListAssignment(SecondList::kMultimedia, 6, language::Language::kEnglish));
    EXPECT_EQ(lists.TakeChoice(), std::nullopt);
}

TEST(AssignmentListsTest, DialogEntriesWaitForThePostedMessageToo)
{
    AssignmentLists lists(language::Language::kSimplifiedChinese);
    ASSERT_TRUE(lists.ToggleFunctionList(2, TwoClicks()).openFunctionList);
    EXPECT_EQ(lists.OnFunctionListNotice(2, 11), (ListChanges{.closeFunctionList = 2}));
    EXPECT_EQ(lists.TakeChoice(), (ButtonChoice{2, FunctionOutcome::kComboKeyDialog, {}}));

    ASSERT_TRUE(lists.ToggleFunctionList(2, TwoClicks()).openFunctionList);
    ASSERT_TRUE(lists.OnFunctionListNotice(2, 13));
    EXPECT_EQ(lists.TakeChoice()->assignment.caption, "按键关闭");
}

TEST(AssignmentListsTest, ClosingDropsAWaitingChoice)
{
    AssignmentLists lists(language::Language::kEnglish);
    ASSERT_TRUE(lists.ToggleFunctionList(kS8, TwoClicks()).openFunctionList);
    ASSERT_TRUE(lists.OnFunctionListNotice(kS8, 3));
    EXPECT_EQ(lists.CloseAll(), ListChanges{});  // the lists already closed with the notice
    EXPECT_EQ(lists.TakeChoice(), std::nullopt);

    ASSERT_TRUE(lists.ToggleFunctionList(kS8, TwoClicks()).openFunctionList);
    (void)lists.HoverFunctionEntry(6);
    EXPECT_EQ(lists.CloseAll(), (ListChanges{.closeFunctionList = kS8, .closeSecondList = SecondList::kDpi}));
    EXPECT_EQ(lists.OnSecondListNotice(SecondList::kDpi, 1), std::nullopt);
}

}  // namespace
}  // namespace zalvane::assign
