#pragma once
// The "USB Report Rate", "Mouse Speed", "Double Click Speed" and "Scroll Speed" panels.
// Rectangles hang from the item strip (left edge L, bottom edge B) and, for the dials, from
// the width W of the panel's background image: each dial is centred on W / 2.

#include "pages/geometry_types.h"

namespace zalvane::pages {

// Page geometry is in the toolkit's rectangles, also known here as ui::Rect.

// Report-rate dial: a 128 px square; a click counts on the ring 35..64 px from its centre.
inline constexpr int kReportDialSize = 128;
inline constexpr int kReportDialInnerRadius = 35;
inline constexpr int kReportDialOuterRadius = 64;

constexpr Rect ReportRateDial(const Rect& strip, int backgroundWidth)
{
    const int centre = strip.left + backgroundWidth / 2;
    return {centre - 64, strip.bottom + 5, centre + 64, strip.bottom + 133};
}

constexpr Point ReportRateDialCentre(const Rect& dial)
{
    return {dial.left + dial.Width() / 2, dial.top + dial.Height() / 2};
}

// Speed half dial: 142 x 83 px; its pivot sits 71 px right of and 71 px below the top-left
// corner, and a click counts on the upper half ring 43..71 px from the pivot.
inline constexpr int kSpeedDialPivotOffset = 71;
inline constexpr int kSpeedDialInnerRadius = 43;
inline constexpr int kSpeedDialOuterRadius = 71;
inline constexpr int kSpeedMinValue = 1;  // only a profile file brings 1; the dial gives 2..12
inline constexpr int kSpeedMaxValue = 12;
inline constexpr int kSpeedDegreesPerStep = 18;
inline constexpr int kSpeedDialMinValue = kSpeedMaxValue - 180 / kSpeedDegreesPerStep;  // 2, on the left horizontal

constexpr Rect SpeedDial(const Rect& strip, int backgroundWidth)
{
    const int centre = strip.left + backgroundWidth / 2;
    return {centre - 71, strip.bottom + 20, centre + 71, strip.bottom + 103};
}

constexpr Point SpeedDialPivot(const Rect& dial)
{
    return {dial.left + kSpeedDialPivotOffset, dial.top + kSpeedDialPivotOffset};
}

// "Slow" and "Fast" sit in 30 x 30 boxes beside the dial's lower corners, level with its
// bottom edge, so that they flank the two ends of the arc.
inline constexpr int kSpeedCaptionBox = 30;

constexpr Rect SlowCaption(const Rect& dial)
{
    return {dial.left - kSpeedCaptionBox, dial.bottom - kSpeedCaptionBox, dial.left, dial.bottom};
}

constexpr Rect FastCaption(const Rect& dial)
{
    return {dial.right, dial.bottom - kSpeedCaptionBox, dial.right + kSpeedCaptionBox, dial.bottom};
}

// "Scroll Speed": two mode switches with captions, the scroll-lines box and its arrows.
constexpr Rect LineModeSwitch(const Rect& strip)
{
    return {strip.left + 10, strip.bottom + 15, strip.left + 22, strip.bottom + 27};
}

constexpr Rect LineModeCaption(const Rect& strip)
{
    return {strip.left + 27, strip.bottom + 15, strip.left + 142, strip.bottom + 27};
}

constexpr Rect PageModeSwitch(const Rect& strip)
{
    return {strip.left + 10, strip.bottom + 50, strip.left + 22, strip.bottom + 62};
}

constexpr Rect PageModeCaption(const Rect& strip)
{
    return {strip.left + 27, strip.bottom + 50, strip.left + 142, strip.bottom + 62};
}

// The numeric edit box (child id 121) lies over the scroll-lines image drawn at its corner.
constexpr Rect ScrollLinesBox(const Rect& strip)
{
    return {strip.left + 150, strip.bottom + 15, strip.left + 186, strip.bottom + 29};
}

constexpr Rect ScrollUpArrow(const Rect& strip)
{
    return {strip.left + 190, strip.bottom + 15, strip.left + 200, strip.bottom + 21};
}

constexpr Rect ScrollDownArrow(const Rect& strip)
{
    return {strip.left + 190, strip.bottom + 23, strip.left + 200, strip.bottom + 29};
}

inline constexpr int kScrollLinesMin = 1;
inline constexpr int kScrollLinesMax = 100;
inline constexpr int kScrollLinesBoxId = 121;   // child window id of the edit box
inline constexpr int kScrollLinesMaxChars = 3;  // "100" is the longest valid text

}  // namespace zalvane::pages
