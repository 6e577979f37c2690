#include "pages/column_layout.h"

#include <gtest/gtest.h>

#include <bit>
#include <climits>

#include "page_test_support.h"
#include "pages/skin_catalogue.h"

namespace zalvane::pages {
namespace {

// Fold-out flags E0..E7 from the bits of `flags`.
PageState WithOpen(unsigned flags)
{
    PageState state;
    for (std::size_t item = 0; item < kRightItemCount; ++item) {
        state.open[item] = ((flags >> item) & 1u) != 0;
    }
    return state;
}

constexpr unsigned E(std::size_t index) { return 1u << index; }

TEST(ColumnLayoutTest, TopViewStopsWhereTheOpenPanelsFillTheColumn)
{
    struct Case {
        unsigned flags;
        std::size_t drawn;
        bool stopped;
    };
    const Case cases[] = {
        {0, 8, false},
        {E(0) | E(2), 3, true},  // DPI and USB Report Rate: the column ends after USB Report Rate
        {E(0) | E(1) | E(2), 3, true},
        {E(0) | E(1), 4, true},
        {E(0) | E(3), 4, true},
        {E(0) | E(4), 5, true},
        {E(1) | E(3) | E(4), 5, true},
        {E(0) | E(5), 6, true},
        {E(1) | E(2), 6, true},
        {E(2) | E(3), 6, true},
        {E(3) | E(4) | E(5), 6, true},
        // Two open without DPI or USB Report Rate leave room for the whole stack.
        {E(1) | E(5), 8, false},
        {E(3) | E(4) | E(6) | E(7), 8, false},
        // USB Report Rate alone is one panel, not two: nothing stops.
        {E(2), 8, false},
        {E(2) | E(6) | E(7), 8, false},
    };
    for (const Case& c : cases) {
        PageState state = WithOpen(c.flags);
        const TopViewPass pass = LayoutTopView(state, PanelSizes{});
        EXPECT_EQ(pass.drawnItems, c.drawn) << "flags " << c.flags;
        EXPECT_EQ(pass.stopped, c.stopped) << "flags " << c.flags;
    }
}

TEST(ColumnLayoutTest, EveryTopViewStacksItsItemsAboveTheBottomBar)
{
    const PanelSizes sizes;
    for (unsigned flags = 0; flags < 256; ++flags) {
        PageState state = WithOpen(flags);
        state.rightView = RightView::kBottom;
        const TopViewPass pass = LayoutTopView(state, sizes);
        SCOPED_TRACE(flags);
        EXPECT_EQ(state.rightView, RightView::kTop);
        EXPECT_EQ(pass.stopped, pass.drawnItems < kRightItemCount);
        int nextTop = kRightColumnOrigin.y;
        for (std::size_t item = 0; item < kRightItemCount; ++item) {
            EXPECT_EQ(state.visible[item], item < pass.drawnItems) << item;
            if (item >= pass.drawnItems) {
                continue;
            }
            const Rect& strip = state.RightStrip(item);
            EXPECT_EQ(strip, (Rect{734, nextTop, 976, nextTop + 20})) << item;
            const int bottom = strip.bottom + (state.open[item] ? sizes.Of(RightPanel(item)).height : 0);
            EXPECT_LE(bottom, kResetButton.top) << item;
            nextTop = bottom + kItemGap;
        }
    }
}

TEST(ColumnLayoutTest, BottomViewStartsTheLowerItemsAtTheTopOfTheColumn)
{
    const PanelSizes sizes;
    for (unsigned flags = 0; flags < 256; ++flags) {
        PageState state = WithOpen(flags);
        LayoutBottomView(state, sizes);
        SCOPED_TRACE(flags);
        EXPECT_EQ(state.rightView, RightView::kBottom);
        EXPECT_EQ(state.visible, (RightFlags{false, false, false, true, true, true, true, true}));
        EXPECT_EQ(state.RightStrip(kMouseSpeedIndex), (Rect{734, 32, 976, 52}));
        const Rect& last = state.RightStrip(kGestureIndex);
        EXPECT_LE(last.bottom + (state.open[kGestureIndex] ? sizes.Of(Panel::kGesture).height : 0), kResetButton.top);
    }
}

TEST(ColumnLayoutTest, ThumbSwitchesViewsAtHalfTheBarWithTwoPanelsOpen)
{
    struct Case {
        unsigned flags;
        RightView view;
        int thumbTop;
        ThumbScroll expected;
    };
    const Case cases[] = {
        {E(0) | E(2), RightView::kTop, 313, ThumbScroll::kToBottomView},
        {E(0) | E(2), RightView::kTop, 312, ThumbScroll::kNone},
        {E(0) | E(2), RightView::kBottom, 312, ThumbScroll::kToTopView},
        {E(0) | E(2), RightView::kBottom, 481, ThumbScroll::kNone},
        {E(3) | E(7), RightView::kTop, 481, ThumbScroll::kToBottomView},
        // Fewer than two open: nothing, also to leave the bottom view.
        {E(0), RightView::kTop, 481, ThumbScroll::kNone},
        {E(4), RightView::kBottom, 32, ThumbScroll::kNone},
        // The message's top is taken as sent, however far off the bar.
        {E(0) | E(1), RightView::kTop, INT_MAX, ThumbScroll::kToBottomView},
        {E(0) | E(1), RightView::kBottom, INT_MIN, ThumbScroll::kToTopView},
    };
    for (const Case& c : cases) {
        PageState state = WithOpen(c.flags);
        state.rightView = c.view;
        EXPECT_EQ(ScrollForThumb(state, c.thumbTop), c.expected) << c.flags << " at " << c.thumbTop;
        EXPECT_EQ(state.openPanelCount, std::popcount(c.flags));
    }
}

TEST(ColumnLayoutTest, LeftColumnFollowsTheButtonAssignmentPanelOfTheView)
{
    struct Case {
        bool open;
        MouseView view;
        int macroTop;
    };
    const Case cases[] = {
        {false, MouseView::kFront, 132},
        {false, MouseView::kSide, 132},
        {true, MouseView::kFront, 127 + 146 + 5},
        {true, MouseView::kSide, 127 + 246 + 5},
    };
    for (const Case& c : cases) {
        PageState state;
        state.buttonAssignmentOpen = c.open;
        state.mouseView = c.view;
        LayoutLeftColumn(state, PanelSizes{});
        EXPECT_EQ(state.Strip(Item::kMacroManager), (Rect{20, c.macroTop, 262, c.macroTop + 38}));
        EXPECT_EQ(state.Strip(Item::kXySensitivity), (Rect{20, c.macroTop + 43, 262, c.macroTop + 63}));
    }
}

TEST(ColumnLayoutTest, ResetFoldsEverythingInAndRestoresTheStrips)
{
    PageState state = WithOpen(0xFF);
    state.buttonAssignmentOpen = state.xyOpen = true;
    state.mouseView = MouseView::kSide;
    LayoutLeftColumn(state, PanelSizes{});
    LayoutBottomView(state, PanelSizes{});
    ResetLayout(state);
    EXPECT_EQ(state.open, RightFlags{});
    EXPECT_EQ(state.visible, (RightFlags{true, true, true, true, true, true, true, true}));
    EXPECT_FALSE(state.buttonAssignmentOpen || state.xyOpen);
    EXPECT_EQ(state.rightView, RightView::kTop);
    EXPECT_EQ(state.mouseView, MouseView::kFront);
    EXPECT_EQ(state.strips, kInitialItemStrips);
}

TEST(PanelSizesTest, APanelThatDoesNotLoadKeepsTheDefaultSkinsSize)
{
    testing::FixedImageSizes images;
    images.sizes[std::string(pages::kDpiBackground)] = {250, 300};
    ui::SkinState skin;
    skin.root = std::string(testing::kSkinRoot);
    const PanelSizes sizes = MeasurePanelSizes(images, skin);
    EXPECT_EQ(sizes.Of(Panel::kDpi), (Size{250, 300}));
    EXPECT_EQ(sizes.Of(Panel::kReportRate), (Size{242, 140}));
    EXPECT_EQ(sizes.Of(Panel::kAssignmentSide), (Size{242, 246}));
    EXPECT_EQ(images.asked.size(), kPanelCount);
    EXPECT_EQ(images.asked.front(), "S/ButtonAssignment/BK_ButtonAssignment.png");
}

}  // namespace
}  // namespace zalvane::pages
