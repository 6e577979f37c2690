// Compile-time checks that the fixed geometry of the main window fits together; built on
// every compiler, mingw included, so a mistyped rectangle stops the build. The dialogs
// have theirs in dialogs/dialog_geometry_checks.cpp.

#include "pages/dpi_panel_geometry.h"
#include "pages/lighting_panel_geometry.h"
#include "pages/main_window_geometry.h"
#include "pages/pointer_panel_geometry.h"
#include "pages/sensor_panel_geometry.h"

namespace zalvane::pages {
namespace {

constexpr bool SpotsOnStage()
{
    for (const Point& spot : kFrontSpots) {
        if (!kMiddleBackground.Contains(spot)) {
            return false;
        }
    }
    for (const Point& spot : kSideSpots) {
        if (!kMiddleBackground.Contains(spot)) {
            return false;
        }
    }
    return true;
}

constexpr bool RightStripsStackDownwards()
{
    for (std::size_t i = static_cast<std::size_t>(Item::kDpiSetting) + 1; i < kItemCount; ++i) {
        if (kInitialItemStrips[i].top <= kInitialItemStrips[i - 1].bottom) {
            return false;
        }
    }
    return true;
}

constexpr bool DpiStagesSideBySide()
{
    for (int stage = 0; stage + 1 < 7; ++stage) {
        if (DpiValueBox(stage).Intersects(DpiValueBox(stage + 1))) {
            return false;
        }
    }
    return DpiValueBox(6).right <= InitialStrip(Item::kDpiSetting).right;
}

// The thumb rides on the bar and starts at its top.
static_assert(kScrollBar.Encloses(kScrollThumb) && kScrollThumb.top == kScrollBar.top);
static_assert(kScrollThumb.Height() == kScrollThumbImage.height);
static_assert(kScrollBar.bottom == kScrollThumbLowestBottom);

static_assert(SpotsOnStage());
static_assert(RightStripsStackDownwards());
static_assert(DpiStagesSideBySide());

// The right column's background starts at the first right strip, the left one at the first left strip.
static_assert(InitialStrip(Item::kDpiSetting).TopLeft() == kRightColumnOrigin);
static_assert(InitialStrip(Item::kButtonAssignment).TopLeft() == kLeftColumnOrigin);
static_assert(kButtonAssignmentPanelOrigin.y == InitialStrip(Item::kButtonAssignment).bottom);
static_assert(kDpiPanelOrigin.y == InitialStrip(Item::kDpiSetting).bottom);

// Rows are 130 x 16 boxes every 20 px; each function list opens beside its row.
static_assert(AssignmentRow(1).Extent() == Size{130, 16});
static_assert(AssignmentListArea(1).top == AssignmentRow(1).top);
static_assert(AssignmentListArea(12).left == kMiddleBackground.left);

}  // namespace
}  // namespace zalvane::pages
