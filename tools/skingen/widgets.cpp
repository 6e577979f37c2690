#include "widgets.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "palette.h"

namespace zalvane::skingen {
namespace {

namespace p = palette;

struct FaceColours {
    Colour top, bottom, border, light;
};

FaceColours ColoursFor(ButtonLook look)
{
    switch (look) {
        case ButtonLook::kNeutral:
            return {p::kRaisedTop, p::kRaised, p::kEdge, p::kLine};
        case ButtonLook::kNeutralOver:
            return {p::kHoverTop, p::kHover, p::kAccent, p::kHighlight};
        case ButtonLook::kPrimary:
            return {{180, 32, 52}, {142, 24, 40}, {100, 16, 28}, {216, 64, 84}};
        case ButtonLook::kPrimaryOver:
            return {{204, 42, 64}, {164, 30, 50}, {236, 92, 110}, {240, 104, 120}};
        case ButtonLook::kDangerOver:
            return {{206, 40, 62}, {168, 28, 48}, {120, 20, 34}, {236, 90, 108}};
    }
    return {};
}

}  // namespace

Image MakeImage(Size size, const Colour& background, const std::function<void(cairo_t*)>& draw)
{
    Image image(size.width, size.height);
    ContextPtr cr = image.Draw();
    FillRect(cr.get(), {0, 0, size.width, size.height}, background);
    if (draw) {
        draw(cr.get());
    }
    return image;
}

void DrawButtonFace(cairo_t* cr, const Rect& rect, ButtonLook look, double radius)
{
    const FaceColours colours = ColoursFor(look);
    FillRoundedVertical(cr, rect, radius, colours.top, colours.bottom);
    // Light along the top inside edge gives the face a little height.
    cairo_save(cr);
    RoundedRectPath(cr, rect, radius);
    cairo_clip(cr);
    FillRect(cr, {rect.left, rect.top + 1, rect.right, rect.top + 2}, colours.light.WithAlpha(0.55));
    cairo_restore(cr);
    StrokeRounded(cr, rect, radius, colours.border);
}

void DrawWell(cairo_t* cr, const Rect& rect, const Colour& fill, double radius)
{
    FillRounded(cr, rect, radius, fill);
    cairo_save(cr);
    RoundedRectPath(cr, rect, radius);
    cairo_clip(cr);
    FillRect(cr, {rect.left, rect.top, rect.right, rect.top + 1}, p::kShadow.WithAlpha(0.8));
    cairo_restore(cr);
    StrokeRounded(cr, rect, radius, p::kEdge);
    // The lit lower lip sits just outside the box.
    FillRect(cr, {rect.left + 2, rect.bottom, rect.right - 2, rect.bottom + 1}, p::kLine.WithAlpha(0.35));
}

void DrawCard(cairo_t* cr, const Rect& rect, const Colour& fill, double radius)
{
    FillRounded(cr, rect, radius, fill);
    StrokeRounded(cr, rect, radius, p::kEdge);
    FillRect(cr, {rect.left + 3, rect.top + 1, rect.right - 3, rect.top + 2}, p::kLine.WithAlpha(0.45));
}

void DrawItemStrip(cairo_t* cr, const Rect& rect, bool tall)
{
    FillRoundedVertical(cr, rect, 3, p::kRaisedTop, p::kRaised);
    cairo_save(cr);
    RoundedRectPath(cr, rect, 3);
    cairo_clip(cr);
    FillRect(cr, {rect.left, rect.top + 1, rect.right, rect.top + 2}, p::kHighlight.WithAlpha(0.35));
    cairo_restore(cr);
    StrokeRounded(cr, rect, 3, p::kEdge);
    // The accent tab left of the caption.
    const double tabHeight = tall ? 18 : 10;
    const double tabTop = rect.top + (rect.Height() - tabHeight) / 2;
    SetColour(cr, p::kAccent);
    RoundedRectPath(cr, rect.left + 3, tabTop, 3, tabHeight, 1.5);
    cairo_fill(cr);
    if (!tall) {
        DrawChevron(cr, rect.right - 13, rect.top + rect.Height() / 2.0, 7, p::kMuted);
    }
}

void DrawTickBox(cairo_t* cr, const Rect& rect, bool ticked)
{
    if (!ticked) {
        FillRounded(cr, rect, 3, p::kWell);
        StrokeRounded(cr, rect, 3, p::kLine);
        return;
    }
    FillRoundedVertical(cr, rect, 3, p::kAccent, p::kAccentDark);
    StrokeRounded(cr, rect, 3, p::kAccentLight.WithAlpha(0.7));
    const double w = rect.Width();
    const double h = rect.Height();
    SetColour(cr, p::kText);
    cairo_set_line_width(cr, std::max(1.6, w / 8));
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_move_to(cr, rect.left + w * 0.25, rect.top + h * 0.52);
    cairo_line_to(cr, rect.left + w * 0.43, rect.top + h * 0.70);
    cairo_line_to(cr, rect.left + w * 0.76, rect.top + h * 0.32);
    cairo_stroke(cr);
}

void DrawSwitchLamp(cairo_t* cr, const Rect& rect, bool on)
{
    // Opaque to its edges, so it looks the same on every panel it is drawn on.
    FillRect(cr, rect, p::kShadow);
    const Rect face{rect.left + 1, rect.top + 1, rect.right - 1, rect.bottom - 1};
    if (on) {
        FillRoundedVertical(cr, face, 1, p::kAccentLight, p::kAccentDark);
        FillRect(cr, {face.left + 1, face.top + 1, face.right - 1, face.top + 2}, Colour{255, 170, 180, 0.6});
    } else {
        FillRoundedVertical(cr, face, 1, p::kRaised, p::kPanel);
        FillRect(cr, {face.left + 1, face.top, face.right - 1, face.top + 1}, p::kLine.WithAlpha(0.6));
    }
}

void DrawRadio(cairo_t* cr, const Rect& rect, bool on)
{
    const double cx = rect.left + rect.Width() / 2.0;
    const double cy = rect.top + rect.Height() / 2.0;
    const double r = std::min(rect.Width(), rect.Height()) / 2.0 - 0.5;
    SetColour(cr, p::kWell);
    cairo_arc(cr, cx, cy, r, 0, 2 * std::numbers::pi);
    cairo_fill_preserve(cr);
    SetColour(cr, on ? p::kAccent : p::kLine);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    if (on) {
        SetColour(cr, p::kAccentLight);
        cairo_arc(cr, cx, cy, r * 0.48, 0, 2 * std::numbers::pi);
        cairo_fill(cr);
    }
}

void DrawHorizontalSlider(cairo_t* cr, const Rect& rect, double knobX)
{
    const double height = rect.Height();
    const double cy = rect.top + height / 2.0;
    const double trackTop = std::floor(cy) - 1;
    const double left = rect.left + 1;
    const double right = rect.right - 1;
    const double knob = std::clamp(rect.left + knobX, left + 2.5, right - 2.5);

    // Track.
    SetColour(cr, p::kWell);
    RoundedRectPath(cr, left, trackTop, right - left, 3, 1.5);
    cairo_fill(cr);
    SetColour(cr, p::kEdge);
    cairo_rectangle(cr, left + 1, trackTop + 3, right - left - 2, 1);
    cairo_fill(cr);

    // Filled part.
    PatternPtr fill(cairo_pattern_create_linear(left, 0, knob, 0));
    cairo_pattern_add_color_stop_rgb(fill.get(), 0, p::kAccentDark.r / 255.0, p::kAccentDark.g / 255.0,
                                     p::kAccentDark.b / 255.0);
    cairo_pattern_add_color_stop_rgb(fill.get(), 1, p::kAccent.r / 255.0, p::kAccent.g / 255.0, p::kAccent.b / 255.0);
    cairo_set_source(cr, fill.get());
    RoundedRectPath(cr, left, trackTop, knob - left, 3, 1.5);
    cairo_fill(cr);

    // Knob: a light upright bar as tall as the slider.
    const Rect knobBox{static_cast<int>(std::floor(knob - 2.5)), rect.top, static_cast<int>(std::floor(knob - 2.5)) + 5,
                       rect.bottom};
    FillRounded(cr, knobBox, 1.5, p::kShadow);
    FillRoundedVertical(cr, {knobBox.left + 1, knobBox.top, knobBox.right - 1, knobBox.bottom}, 1, p::kBright,
                        p::kSoft);
}

void DrawVerticalSlider(cairo_t* cr, const Rect& rect, double knobY)
{
    const double width = rect.Width();
    const double cx = rect.left + width / 2.0;
    const double trackLeft = std::floor(cx) - 1;
    const double top = rect.top + 1;
    const double bottom = rect.bottom - 1;
    const double knob = std::clamp(rect.top + knobY, top + 1.5, bottom - 1.5);

    SetColour(cr, p::kWell);
    RoundedRectPath(cr, trackLeft, top, 3, bottom - top, 1.5);
    cairo_fill(cr);

    PatternPtr fill = VerticalGradient(knob, bottom, p::kAccentLight, p::kAccentDark);
    cairo_set_source(cr, fill.get());
    RoundedRectPath(cr, trackLeft, knob, 3, bottom - knob, 1.5);
    cairo_fill(cr);

    const int knobTop = static_cast<int>(std::floor(knob - 1.5));
    FillRounded(cr, {rect.left, knobTop - 1, rect.right, knobTop + 4}, 1.5, p::kShadow);
    FillRoundedVertical(cr, {rect.left, knobTop, rect.right, knobTop + 3}, 1, p::kBright, p::kSoft);
}

void DrawChevron(cairo_t* cr, double cx, double cy, double size, const Colour& colour)
{
    SetColour(cr, colour);
    cairo_set_line_width(cr, 1.4);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_move_to(cr, cx - size / 2, cy - size / 4);
    cairo_line_to(cr, cx, cy + size / 4);
    cairo_line_to(cr, cx + size / 2, cy - size / 4);
    cairo_stroke(cr);
}

void DrawPlus(cairo_t* cr, double cx, double cy, double size, double stroke, const Colour& colour)
{
    SetColour(cr, colour);
    cairo_set_line_width(cr, stroke);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
    cairo_move_to(cr, cx - size / 2, cy);
    cairo_line_to(cr, cx + size / 2, cy);
    cairo_move_to(cr, cx, cy - size / 2);
    cairo_line_to(cr, cx, cy + size / 2);
    cairo_stroke(cr);
}

}  // namespace zalvane::skingen
