#pragma once
// The two drawings of the mouse, front (seen from above) and side (the thumb side), on the
// stage of the main window. Each button sits in the spot rectangle whose top-left corner
// the button highlighting uses; a lit button changes pixels only inside its own spot
// rectangle and outside every other one, so drawing any spot image never disturbs another.

#include <span>

#include "canvas.h"

namespace zalvane::skingen {

enum class MouseView { kFront, kSide };

// Spot rectangles in main-window pixels, spot 1 first.
std::span<const Rect> SpotRects(MouseView view);

// Where the picture goes on the main window and how large it is.
Rect PictureRect(MouseView view);

// The picture as the program draws it: the stage under it (taken from `frame`, the main
// window's background) with the mouse on top; `litSpot` 1.. lights that button, 0 none.
Image RenderMousePicture(MouseView view, int litSpot, const Image& frame);

}  // namespace zalvane::skingen
