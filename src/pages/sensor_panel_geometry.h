#pragma once
// The "X/Y Sensitivity Setting", "Angle Snap" and "Gesture Correction" panels. Every
// rectangle hangs from the item strip: left edge L, right edge R, bottom edge B.

#include <array>
#include <string_view>

#include "pages/geometry_types.h"

namespace zalvane::pages {

// Page geometry is in the toolkit's rectangles, also known here as ui::Rect.

// X/Y sliders: value 1 on the first 9 px, then one step per 21 px, 11 on the last 10 px.
inline constexpr int kXySliderOffset = 9;
inline constexpr int kXySliderStep = 21;
inline constexpr int kXyMinValue = 1;
inline constexpr int kXyMaxValue = 11;
inline constexpr int kXyScaleLabelCount = 10;  // "1" to "10"

constexpr Rect XAxisCaption(const Rect& strip)
{
    return {strip.left + 17, strip.bottom + 20, strip.right, strip.bottom + 40};
}
constexpr Rect XSlider(const Rect& strip)
{
    return {strip.left + 17, strip.bottom + 40, strip.left + 225, strip.bottom + 49};
}
constexpr Rect YAxisCaption(const Rect& strip)
{
    return {strip.left + 17, strip.bottom + 80, strip.right, strip.bottom + 100};
}
constexpr Rect YSlider(const Rect& strip)
{
    return {strip.left + 17, strip.bottom + 100, strip.left + 225, strip.bottom + 109};
}

// Scale label i (0..9, text "i + 1") under the X or Y slider.
constexpr Rect XScaleLabel(const Rect& strip, int label)
{
    return {strip.left + 24 + 21 * label, strip.bottom + 57, strip.right, strip.bottom + 77};
}

constexpr Rect YScaleLabel(const Rect& strip, int label)
{
    return {strip.left + 24 + 21 * label, strip.bottom + 117, strip.right, strip.bottom + 137};
}

// "Angle Snap": two switches (each shows the 10 x 9 switch image at its corner) and captions.
constexpr Rect AngleSnapOnSwitch(const Rect& strip)
{
    return {strip.left + 20, strip.bottom + 15, strip.left + 40, strip.bottom + 25};
}
constexpr Rect AngleSnapOnCaption(const Rect& strip)
{
    return {strip.left + 45, strip.bottom + 10, strip.left + 80, strip.bottom + 30};
}
constexpr Rect AngleSnapOffSwitch(const Rect& strip)
{
    return {strip.left + 141, strip.bottom + 15, strip.left + 161, strip.bottom + 25};
}
constexpr Rect AngleSnapOffCaption(const Rect& strip)
{
    return {strip.left + 166, strip.bottom + 10, strip.left + 201, strip.bottom + 30};
}

// "Gesture Correction": a five-step slider; value 1 on the first 4 px, then 37 px per step.
inline constexpr int kGestureSliderOffset = 4;
inline constexpr int kGestureSliderStep = 37;
inline constexpr int kGestureMinValue = 1;
inline constexpr int kGestureMaxValue = 5;  // the slider's last 3 px would compute 6, which is kept at 5
inline constexpr int kGestureScaleLabelCount = 5;
// The scale's labels, one per value from kGestureMinValue on.
inline constexpr std::array<std::string_view, kGestureScaleLabelCount> kGestureScaleLabels{"-2", "-1", "0", "1", "2"};

constexpr Rect GestureSlider(const Rect& strip)
{
    return {strip.left + 43, strip.bottom + 30, strip.left + 198, strip.bottom + 41};
}

constexpr Rect GestureScaleLabel(const Rect& strip, int label)
{
    const Rect slider = GestureSlider(strip);
    return {slider.left + 1 + 37 * label, slider.bottom, slider.right, slider.bottom + 20};
}

}  // namespace zalvane::pages
