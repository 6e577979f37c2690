#include "ui/colour_matrix.h"

#include <cmath>

namespace zalvane::ui {
namespace {

std::uint8_t ToByte(float unit)
{
    const float scaled = std::round(unit * 255.0f);
    return static_cast<std::uint8_t>(scaled < 0 ? 0 : scaled > 255 ? 255 : scaled);
}

}  // namespace

Rgba ApplyColourMatrix(const ColourMatrix& matrix, Rgba colour)
{
    const float in[5] = {colour.red / 255.0f, colour.green / 255.0f, colour.blue / 255.0f, colour.alpha / 255.0f, 1};
    float out[4] = {};
    for (std::size_t column = 0; column < 4; ++column) {
        for (std::size_t row = 0; row < 5; ++row) {
            out[column] += in[row] * matrix[row][column];
        }
    }
    return {ToByte(out[0]), ToByte(out[1]), ToByte(out[2]), ToByte(out[3])};
}

}  // namespace zalvane::ui
