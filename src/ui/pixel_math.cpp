#include "ui/pixel_math.h"

namespace zalvane::ui {

void PremultiplyBgra(std::span<std::uint8_t> pixels)
{
    const std::size_t whole = pixels.size() / kBytesPerPixel * kBytesPerPixel;
    for (std::size_t i = 0; i < whole; i += kBytesPerPixel) {
        const std::uint8_t alpha = pixels[i + 3];
        for (std::size_t c = 0; c < 3; ++c) {
            pixels[i + c] = PremultiplyChannel(pixels[i + c], alpha);
        }
    }
}

}  // namespace zalvane::ui
