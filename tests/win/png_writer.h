#pragma once
// Test images written without GDI+: a minimal PNG encoder (stored deflate blocks), so that
// the decoder under test reads files it did not make itself.

#include <cstdint>
#include <string>
#include <vector>

namespace zalvane::wintest {

struct TestPixel {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    std::uint8_t alpha = 255;
};

// Row by row, `width` x `height` pixels; with `withAlpha` false the alpha values are not
// written (a 24-bit image).
std::string EncodePng(int width, int height, const std::vector<TestPixel>& pixels, bool withAlpha);

// Writes the PNG to a file named by a wide path; false on failure.
bool WritePng(const std::wstring& path, int width, int height, const std::vector<TestPixel>& pixels, bool withAlpha);

}  // namespace zalvane::wintest
