#pragma once
// How a skin image with per-pixel alpha lands on the window: its colours are
// premultiplied by alpha, then blended source-over onto what lies below.

#include <cstddef>
#include <cstdint>
#include <span>

namespace zalvane::ui {

// value x alpha / 255, rounded toward zero.
constexpr std::uint8_t PremultiplyChannel(std::uint8_t value, std::uint8_t alpha)
{
    return static_cast<std::uint8_t>(value * alpha / 255);
}

// Source-over with a premultiplied source: source + background x (255 - alpha) / 255.
constexpr std::uint8_t BlendChannel(std::uint8_t premultipliedSource, std::uint8_t sourceAlpha, std::uint8_t background)
{
    const int blended = premultipliedSource + background * (255 - sourceAlpha) / 255;
    return static_cast<std::uint8_t>(blended > 255 ? 255 : blended);
}

inline constexpr std::size_t kBytesPerPixel = 4;  // blue, green, red, alpha

// Premultiplies every whole pixel of a 32-bit blue-green-red-alpha image in place;
// alpha is unchanged.
void PremultiplyBgra(std::span<std::uint8_t> pixels);

}  // namespace zalvane::ui
