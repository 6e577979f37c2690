#pragma once
// Owned cairo surfaces and the few drawing helpers every part of the skin uses. An Image is
// a premultiplied ARGB32 cairo surface; every shape is drawn with cairo in pixel units, so
// that a pixel (x, y) covers [x, x + 1) x [y, y + 1).

#include <cairo.h>

#include <memory>
#include <string>
#include <utility>

#include "ui/rect.h"

namespace zalvane::skingen {

using ui::Point;
using ui::Rect;
using ui::Size;

struct SurfaceRelease {
    void operator()(cairo_surface_t* surface) const { cairo_surface_destroy(surface); }
};
struct ContextRelease {
    void operator()(cairo_t* cr) const { cairo_destroy(cr); }
};
struct PatternRelease {
    void operator()(cairo_pattern_t* pattern) const { cairo_pattern_destroy(pattern); }
};
using SurfacePtr = std::unique_ptr<cairo_surface_t, SurfaceRelease>;
using ContextPtr = std::unique_ptr<cairo_t, ContextRelease>;
using PatternPtr = std::unique_ptr<cairo_pattern_t, PatternRelease>;

// 8-bit colour with a straight alpha.
struct Colour {
    int r = 0;
    int g = 0;
    int b = 0;
    double a = 1.0;
    constexpr Colour WithAlpha(double alpha) const { return {r, g, b, alpha}; }
};

// Linear mix: 0 gives `from`, 1 gives `to`.
Colour Mix(const Colour& from, const Colour& to, double amount);

class Image {
public:
    Image() = default;
    Image(int width, int height);  // fully transparent
    explicit Image(SurfacePtr surface);

    int Width() const;
    int Height() const;
    Size Extent() const { return {Width(), Height()}; }
    cairo_surface_t* Surface() const { return m_surface.get(); }
    explicit operator bool() const { return static_cast<bool>(m_surface); }

    // A drawing context; several may exist, each is flushed when it goes away.
    ContextPtr Draw() const;

    // A copy of `area` of this image (pixels outside it come out transparent).
    Image Crop(const Rect& area) const;
    Image Copy() const { return Crop({0, 0, Width(), Height()}); }

    // Straight (unpremultiplied) pixel, for checks.
    Colour Pixel(int x, int y) const;

private:
    SurfacePtr m_surface;
};

void SetColour(cairo_t* cr, const Colour& colour);

// Paths.
void RoundedRectPath(cairo_t* cr, double x, double y, double w, double h, double radius);
void RoundedRectPath(cairo_t* cr, const Rect& rect, double radius);

// Fills.
void FillRect(cairo_t* cr, const Rect& rect, const Colour& colour);
void FillRounded(cairo_t* cr, const Rect& rect, double radius, const Colour& colour);
void FillRoundedVertical(cairo_t* cr, const Rect& rect, double radius, const Colour& top, const Colour& bottom);
// A hairline just inside the rectangle's edge.
void StrokeRounded(cairo_t* cr, const Rect& rect, double radius, const Colour& colour, double width = 1.0);

PatternPtr VerticalGradient(double y0, double y1, const Colour& top, const Colour& bottom);
PatternPtr RadialGradient(double cx, double cy, double r0, double r1, const Colour& inner, const Colour& outer);

// Draws `source` with its top-left corner at `at`.
void Paste(cairo_t* cr, const Image& source, Point at, double alpha = 1.0);

// A soft glow: `shape` (drawn in the glow colour into a scratch image the size of `target`)
// blurred by `radius` pixels and blended onto the target.
template <typename Shape>
void Glow(const Image& target, const Colour& colour, int radius, Shape&& shape);
void BlurImage(const Image& image, int radius);

// Hard-edged drawing for colour-keyed outlines: no anti-aliasing.
void SetCrisp(cairo_t* cr, bool crisp);

bool WritePng(const Image& image, const std::string& path);
// An empty Image when the file is missing or not a PNG.
Image LoadPng(const std::string& path);

template <typename Shape>
void Glow(const Image& target, const Colour& colour, int radius, Shape&& shape)
{
    Image scratch(target.Width(), target.Height());
    {
        ContextPtr cr = scratch.Draw();
        SetColour(cr.get(), colour);
        std::forward<Shape>(shape)(cr.get());
    }
    BlurImage(scratch, radius);
    ContextPtr cr = target.Draw();
    Paste(cr.get(), scratch, {0, 0});
}

}  // namespace zalvane::skingen
