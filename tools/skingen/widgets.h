#pragma once
// The skin's controls, each drawn into a rectangle of a cairo context: buttons, strips,
// wells, tick boxes, switches and sliders. State images are opaque, so that drawing one over
// another replaces it completely on the program's kept background.

#include <functional>

#include "canvas.h"

namespace zalvane::skingen {

// A new opaque image of `size` filled with `background`, then drawn on by `draw`.
Image MakeImage(Size size, const Colour& background, const std::function<void(cairo_t*)>& draw = {});

enum class ButtonLook { kNeutral, kNeutralOver, kPrimary, kPrimaryOver, kDangerOver };

void DrawButtonFace(cairo_t* cr, const Rect& rect, ButtonLook look, double radius = 3);

// A recessed box (an input or a track): darker fill, shadowed top edge, lit bottom edge.
void DrawWell(cairo_t* cr, const Rect& rect, const Colour& fill, double radius = 2);

// A raised card: a panel with a thin border and a faint top light.
void DrawCard(cairo_t* cr, const Rect& rect, const Colour& fill, double radius = 4);

// A fold-out item strip; `tall` for the macro manager's strip.
void DrawItemStrip(cairo_t* cr, const Rect& rect, bool tall);

void DrawTickBox(cairo_t* cr, const Rect& rect, bool ticked);
void DrawSwitchLamp(cairo_t* cr, const Rect& rect, bool on);
void DrawRadio(cairo_t* cr, const Rect& rect, bool on);

// Horizontal slider filling `rect`, its knob centred on `knobX` (pixels from the left edge,
// fractions allowed) and the track lit in the accent up to the knob.
void DrawHorizontalSlider(cairo_t* cr, const Rect& rect, double knobX);

// Vertical slider filled from the bottom up to the row `knobY` (from the top edge).
void DrawVerticalSlider(cairo_t* cr, const Rect& rect, double knobY);

// A small chevron pointing down, centred on (cx, cy).
void DrawChevron(cairo_t* cr, double cx, double cy, double size, const Colour& colour);

// The "+" sign used for New and for joining keys.
void DrawPlus(cairo_t* cr, double cx, double cy, double size, double stroke, const Colour& colour);

}  // namespace zalvane::skingen
