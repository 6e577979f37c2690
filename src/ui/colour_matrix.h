#pragma once
// The 5 x 5 colour matrices of the image button, in the row-vector convention: a colour
// (r, g, b, a, 1) with components in 0..1 times the matrix gives the new colour.

#include <array>
#include <cstdint>

namespace zalvane::ui {

using ColourMatrix = std::array<std::array<float, 5>, 5>;

// Hot: red, green and blue scaled by 1.05 and raised by 0.05 of full scale.
inline constexpr ColourMatrix kHotMatrix{{
    {1.05f, 0, 0, 0, 0},
    {0, 1.05f, 0, 0, 0},
    {0, 0, 1.05f, 0, 0},
    {0, 0, 0, 1, 0},
    {0.05f, 0.05f, 0.05f, 0, 1},
}};

// Disabled: every colour channel becomes 0.3 R + 0.59 G + 0.11 B.
inline constexpr ColourMatrix kGreyscaleMatrix{{
    {0.3f, 0.3f, 0.3f, 0, 0},
    {0.59f, 0.59f, 0.59f, 0, 0},
    {0.11f, 0.11f, 0.11f, 0, 0},
    {0, 0, 0, 1, 0},
    {0, 0, 0, 0, 1},
}};

struct Rgba {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    std::uint8_t alpha = 0;
    friend bool operator==(const Rgba&, const Rgba&) = default;
};

// The colour through the matrix, each component clamped to 0..255 and rounded.
Rgba ApplyColourMatrix(const ColourMatrix& matrix, Rgba colour);

}  // namespace zalvane::ui
