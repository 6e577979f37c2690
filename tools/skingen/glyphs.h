#pragma once
// A small geometric stroke lettering for the few marks the images carry themselves: stage
// and button numbers, report rates, speed steps and the wordmark. Drawn as paths, so the
// skin looks the same on every machine, whatever fonts it has.

#include <cairo.h>

#include <string_view>

#include "canvas.h"

namespace zalvane::skingen {

struct Lettering {
    double height = 8;    // cap height in pixels, stroke included
    double stroke = 1.4;  // line width in pixels
    double tracking = 1;  // extra space between letters, pixels
    double slant = 0;     // horizontal shift per pixel of height (italic)
};

double LetteringWidth(std::string_view text, const Lettering& style);

// Appends the letters' centre lines to the current path, top-left corner at (x, y).
void LetteringPath(cairo_t* cr, std::string_view text, double x, double y, const Lettering& style);

// Strokes the text in `colour`: top-left at (x, y), or centred on (cx, cy).
void DrawLettering(cairo_t* cr, std::string_view text, double x, double y, const Lettering& style,
                   const Colour& colour);
void DrawLetteringCentred(cairo_t* cr, std::string_view text, double cx, double cy, const Lettering& style,
                          const Colour& colour);

}  // namespace zalvane::skingen
