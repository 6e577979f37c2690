#pragma once
// The "Lighting" panel: three rows (Standard, Respiration, Neon), each a mode switch, a
// caption and a five-step slider with its scale. Everything hangs from the strip's left
// edge L and bottom edge T, which move with the DPI panel above.

#include <array>

#include "pages/geometry_types.h"

namespace zalvane::pages {

// Page geometry is in the toolkit's rectangles, also known here as ui::Rect.

inline constexpr int kLightingRowCount = 3;
inline constexpr int kLightingRowPitch = 29;

// The common slider routine for these sliders: value 1 left of the offset, then one step
// per run of `step` pixels, plus 2.
inline constexpr int kLightingSliderOffset = 4;
inline constexpr int kLightingSliderStep = 30;
inline constexpr int kLightingMinValue = 1;
inline constexpr int kLightingMaxValue = 6;  // the last four pixels of the 128 px slider

inline constexpr int kLightingScaleLabelCount = 5;
inline constexpr int kLightingScaleLabelWidth = 30;

// Left edges of the scale labels relative to the slider's left edge, per row.
inline constexpr std::array<std::array<int, kLightingScaleLabelCount>, kLightingRowCount> kLightingScaleOffsets{{
    {0, 25, 55, 85, 115},
    {0, 30, 60, 90, 120},
    {0, 30, 60, 90, 120},
}};

// Rows are numbered 1..3 from the top.
constexpr Rect LightingModeSwitch(const Rect& strip, int row)
{
    const int dy = kLightingRowPitch * (row - 1);
    return {strip.left + 10, strip.bottom + 20 + dy, strip.left + 20, strip.bottom + 29 + dy};
}

constexpr Rect LightingModeCaption(const Rect& strip, int row)
{
    const int dy = kLightingRowPitch * (row - 1);
    return {strip.left + 25, strip.bottom + 15 + dy, strip.left + 90, strip.bottom + 34 + dy};
}

constexpr Rect LightingSlider(const Rect& strip, int row)
{
    const int dy = kLightingRowPitch * (row - 1);
    return {strip.left + 100, strip.bottom + 20 + dy, strip.left + 228, strip.bottom + 28 + dy};
}

// A 30 px box from 5 to 20 px below the slider; label 0..4. The last boxes reach past the
// right edge of a 242 px panel, though the short texts in them end inside it.
constexpr Rect LightingScaleLabel(const Rect& strip, int row, int label)
{
    const Rect slider = LightingSlider(strip, row);
    const int left =
        slider.left + kLightingScaleOffsets[static_cast<std::size_t>(row - 1)][static_cast<std::size_t>(label)];
    return {left, slider.bottom + 5, left + kLightingScaleLabelWidth, slider.bottom + 20};
}

}  // namespace zalvane::pages
