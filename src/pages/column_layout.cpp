#include "pages/column_layout.h"

#include <algorithm>

namespace zalvane::pages {
namespace {

// Places the strip after right item `index` (when there is one) from that item's strip.
void PlaceNext(PageState& state, const PanelSizes& sizes, std::size_t index)
{
    if (index + 1 >= kRightItemCount) {
        return;
    }
    state.Strip(RightItem(index + 1)) =
        NextStrip(state.RightStrip(index), state.open[index], sizes.Of(RightPanel(index)).height);
}

}  // namespace

Rect NextStrip(const Rect& strip, bool open, int panelHeight)
{
    const int top = strip.bottom + (open ? panelHeight : 0) + kItemGap;
    return {strip.left, top, strip.right, top + kItemStripHeight};
}

void LayoutLeftColumn(PageState& state, const PanelSizes& sizes)
{
    const Panel panel = state.mouseView == MouseView::kSide ? Panel::kAssignmentSide : Panel::kAssignmentFront;
    const Rect& assignment = state.Strip(Item::kButtonAssignment);
    const int top = assignment.bottom + (state.buttonAssignmentOpen ? sizes.Of(panel).height : 0) + kItemGap;
    Rect& macro = state.Strip(Item::kMacroManager);
    macro = {assignment.left, top, assignment.right, top + kMacroManagerStripHeight};
    state.Strip(Item::kXySensitivity) = NextStrip(macro, false, 0);
}

TopViewPass LayoutTopView(PageState& state, const PanelSizes& sizes)
{
    state.rightView = RightView::kTop;
    const auto e = [&](std::size_t index) { return state.open[index] ? 1 : 0; };
    TopViewPass pass;
    const auto draw = [&](std::size_t index) {
        state.visible[index] = true;
        PlaceNext(state, sizes, index);
        pass.drawnItems = index + 1;
    };
    const auto stop = [&] {
        for (std::size_t index = pass.drawnItems; index < kRightItemCount; ++index) {
            state.visible[index] = false;
        }
        pass.stopped = true;
        return pass;
    };

    draw(kDpiIndex);
    draw(kLightingIndex);
    draw(kReportRateIndex);
    int n = e(kDpiIndex) + e(kLightingIndex) + e(kReportRateIndex);
    const bool e0 = state.open[kDpiIndex];
    if (n == 3 || (n == 2 && e0 && state.open[kReportRateIndex])) {
        return stop();
    }

    draw(kMouseSpeedIndex);
    n += e(kMouseSpeedIndex);
    if (n >= 3 || (n == 2 && e0 && (state.open[kLightingIndex] || state.open[kMouseSpeedIndex]))) {
        return stop();
    }

    draw(kDoubleClickIndex);
    n += e(kDoubleClickIndex);
    if (n >= 3 || (n == 2 && e0 && (state.open[kLightingIndex] || state.open[kDoubleClickIndex]))) {
        return stop();
    }

    draw(kScrollSpeedIndex);
    n += e(kScrollSpeedIndex);
    if (n >= 3 || (n == 2 && (e0 || state.open[kReportRateIndex]))) {
        return stop();
    }

    draw(kAngleSnapIndex);
    draw(kGestureIndex);
    return pass;
}

void LayoutBottomView(PageState& state, const PanelSizes& sizes)
{
    state.rightView = RightView::kBottom;
    for (std::size_t index = 0; index < kRightItemCount; ++index) {
        state.visible[index] = index >= kTopOnlyItemCount;
    }
    const Rect& dpi = state.Strip(Item::kDpiSetting);
    state.Strip(Item::kMouseSpeed) = {dpi.left, dpi.top, dpi.right, dpi.top + kItemStripHeight};
    for (std::size_t index = kMouseSpeedIndex; index < kRightItemCount; ++index) {
        PlaceNext(state, sizes, index);
    }
}

ThumbScroll ScrollForThumb(PageState& state, int thumbTop)
{
    state.openPanelCount = static_cast<std::uint8_t>(std::ranges::count(state.open, true));
    if (state.openPanelCount < 2) {
        return ThumbScroll::kNone;
    }
    // Wide arithmetic: the top comes from a window message and is taken as sent.
    const long long travelled = static_cast<long long>(thumbTop) - kScrollBar.top;
    const int half = (kScrollBar.bottom - kScrollBar.top) / 2;
    if (half <= travelled) {
        return state.rightView == RightView::kBottom ? ThumbScroll::kNone : ThumbScroll::kToBottomView;
    }
    return state.rightView == RightView::kTop ? ThumbScroll::kNone : ThumbScroll::kToTopView;
}

void ResetLayout(PageState& state)
{
    state.buttonAssignmentOpen = false;
    state.xyOpen = false;
    state.open.fill(false);
    state.visible.fill(true);
    state.rightView = RightView::kTop;
    state.mouseView = MouseView::kFront;
    state.openPanelCount = 0;
    state.strips = kInitialItemStrips;
}

}  // namespace zalvane::pages
