#pragma once
// The main window: its background, the splash, the logo, the columns, the strips, the
// frame buttons and the Front / Side switches.

#include "canvas.h"
#include "skin_set.h"

namespace zalvane::skingen {

// "/main.png": everything that stays when nothing is drawn on top.
Image RenderMainFrame();

// The brand's Z mark in a rounded square, filling a square of `size` at (x, y).
void DrawBadge(cairo_t* cr, double x, double y, double size);

void AddFrameImages(SkinSet& skin, const Image& frame);

}  // namespace zalvane::skingen
