#pragma once
// The "DPI Setting" panel: seven stages side by side, 35 px apart. It always hangs directly
// under the "DPI Setting" strip of the top view, so its rectangles are fixed.

#include "pages/geometry_types.h"

namespace zalvane::pages {

// Page geometry is in the toolkit's rectangles, also known here as ui::Rect.

inline constexpr Point kDpiPanelOrigin{734, 52};
inline constexpr int kDpiStagePitch = 35;

// The slider's value is one step per pixel upwards from 4 px above its bottom edge.
inline constexpr int kDpiSliderBottom = 207;
inline constexpr int kDpiSliderFloor = 4;
inline constexpr int kDpiStageMinValue = 1;
inline constexpr int kDpiStageMaxValue = 120;  // hundreds of DPI

constexpr Rect DpiStageSlider(int stage)
{
    const int dx = kDpiStagePitch * stage;
    return {745 + dx, 80, 752 + dx, kDpiSliderBottom};
}

constexpr Rect DpiValueBox(int stage)
{
    const int dx = kDpiStagePitch * stage;
    return {735 + dx, 226, 760 + dx, 237};
}

constexpr Rect DpiEnableSwitch(int stage)
{
    const int dx = kDpiStagePitch * stage;
    return {742 + dx, 245, 752 + dx, 254};
}

constexpr Rect DpiColourSwatch(int stage)
{
    const int dx = kDpiStagePitch * stage;
    return {742 + dx, 265, 752 + dx, 275};
}

}  // namespace zalvane::pages
