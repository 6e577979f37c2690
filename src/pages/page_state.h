#pragma once
// What the main page remembers between messages: the last click, the start-up and Save
// flags, which mouse picture shows, which fold-outs are open and drawn, and where the item
// strips lie now. It lives as long as the window; none of it is saved in a profile.

#include <array>
#include <cstddef>
#include <cstdint>

#include "assign/button_rows.h"
#include "pages/main_window_geometry.h"

namespace zalvane::pages {

// The mouse picture shown, which also decides what the button-assignment rows stand for.
using assign::MouseView;

// The right column shows either its whole stack from "DPI Setting" down (top view) or only
// the five lower items, moved up to where "DPI Setting" starts (bottom view).
enum class RightView { kTop = 1, kBottom = 3 };

// Right item i (0..7), in the order of the column: "DPI Setting" ... "Gesture Correction".
constexpr Item RightItem(std::size_t index)
{
    return static_cast<Item>(static_cast<std::size_t>(Item::kDpiSetting) + index);
}

inline constexpr std::size_t kDpiIndex = 0;
inline constexpr std::size_t kLightingIndex = 1;
inline constexpr std::size_t kReportRateIndex = 2;
inline constexpr std::size_t kMouseSpeedIndex = 3;
inline constexpr std::size_t kDoubleClickIndex = 4;
inline constexpr std::size_t kScrollSpeedIndex = 5;
inline constexpr std::size_t kAngleSnapIndex = 6;
inline constexpr std::size_t kGestureIndex = 7;
inline constexpr std::size_t kTopOnlyItemCount = 3;  // the items the bottom view hides

using RightFlags = std::array<bool, kRightItemCount>;

struct PageState {
    Point lastClick;
    bool pagesReady = false;  // set when the splash ends; until then every click drags the window
    bool busy = false;        // set by "Save", cleared by the window's timer 1
    MouseView mouseView = MouseView::kFront;
    bool buttonAssignmentOpen = false;
    bool xyOpen = false;
    RightFlags open{};                                                   // E0..E7: the item's panel is folded out
    RightFlags visible{true, true, true, true, true, true, true, true};  // V0..V7: strip and panel drawn
    RightView rightView = RightView::kTop;
    std::uint8_t openPanelCount = 0;  // recounted when the thumb moves
    // The live strips; the initial ones are kInitialItemStrips.
    std::array<Rect, kItemCount> strips = kInitialItemStrips;
    bool helpOpen = false;
    bool configOpen = false;

    Rect& Strip(Item item) { return strips[static_cast<std::size_t>(item)]; }
    const Rect& Strip(Item item) const { return strips[static_cast<std::size_t>(item)]; }
    const Rect& RightStrip(std::size_t index) const { return Strip(RightItem(index)); }

    // The item's panel can take clicks: folded out and drawn.
    bool Shows(std::size_t index) const { return open[index] && visible[index]; }
};

}  // namespace zalvane::pages
