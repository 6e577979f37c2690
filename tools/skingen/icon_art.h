#pragma once
// The program icon (a multi-size .ico), the scroll-thumb image built into the executable,
// and the splash.

#include <cstdint>
#include <string>
#include <vector>

#include "canvas.h"

namespace zalvane::skingen {

// Icon sizes: the small ones are stored as 32-bit bitmaps, 256 as PNG.
inline constexpr int kIconSizes[] = {16, 24, 32, 48, 256};

Image RenderIcon(int size);

// The .ico file: a directory of every size in kIconSizes, then each picture.
std::vector<std::uint8_t> BuildIconFile();

// PNG resource 184: the 8 x 114 scroll thumb; its rightmost column falls outside the 7 px
// button and stays transparent.
Image RenderScrollThumb();

// "/start.png": a rounded card; the pure white outside it is the window's hole.
Image RenderSplash();

}  // namespace zalvane::skingen
