#include "canvas.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <numbers>
#include <vector>

namespace zalvane::skingen {
namespace {

double Unit(int component) { return component / 255.0; }

// One box-blur pass along a row or column of premultiplied pixels (each channel separately).
void BoxPass(std::uint8_t* first, int count, int stride, int radius, std::vector<std::uint32_t>& scratch)
{
    scratch.assign(static_cast<std::size_t>(count) * 4, 0);
    const int window = 2 * radius + 1;
    for (int channel = 0; channel < 4; ++channel) {
        std::uint32_t sum = 0;
        auto at = [&](int i) -> std::uint32_t {
            if (i < 0 || i >= count) {
                return 0;
            }
            return first[static_cast<std::ptrdiff_t>(i) * stride + channel];
        };
        for (int i = -radius; i <= radius; ++i) {
            sum += at(i);
        }
        for (int i = 0; i < count; ++i) {
            scratch[static_cast<std::size_t>(i) * 4 + static_cast<std::size_t>(channel)] = sum;
            sum += at(i + radius + 1);
            sum -= at(i - radius);
        }
    }
    for (int i = 0; i < count; ++i) {
        for (int channel = 0; channel < 4; ++channel) {
            const std::uint32_t total = scratch[static_cast<std::size_t>(i) * 4 + static_cast<std::size_t>(channel)];
            first[static_cast<std::ptrdiff_t>(i) * stride + channel] = static_cast<std::uint8_t>(
                (total + static_cast<std::uint32_t>(window) / 2) / static_cast<std::uint32_t>(window));
        }
    }
}

}  // namespace

Colour Mix(const Colour& from, const Colour& to, double amount)
{
    auto lerp = [amount](int a, int b) { return static_cast<int>(std::lround(a + (b - a) * amount)); };
    return {lerp(from.r, to.r), lerp(from.g, to.g), lerp(from.b, to.b), from.a + (to.a - from.a) * amount};
}

Image::Image(int width, int height) : m_surface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height)) {}

Image::Image(SurfacePtr surface) : m_surface(std::move(surface)) {}

int Image::Width() const { return m_surface ? cairo_image_surface_get_width(m_surface.get()) : 0; }
int Image::Height() const { return m_surface ? cairo_image_surface_get_height(m_surface.get()) : 0; }

ContextPtr Image::Draw() const { return ContextPtr(cairo_create(m_surface.get())); }

Image Image::Crop(const Rect& area) const
{
    Image cropped(area.Width(), area.Height());
    ContextPtr cr = cropped.Draw();
    cairo_set_operator(cr.get(), CAIRO_OPERATOR_SOURCE);
    cairo_set_source_surface(cr.get(), m_surface.get(), -area.left, -area.top);
    cairo_paint(cr.get());
    return cropped;
}

Colour Image::Pixel(int x, int y) const
{
    cairo_surface_flush(m_surface.get());
    const unsigned char* data = cairo_image_surface_get_data(m_surface.get());
    const int stride = cairo_image_surface_get_stride(m_surface.get());
    std::uint32_t pixel = 0;
    std::memcpy(&pixel, data + static_cast<std::ptrdiff_t>(y) * stride + static_cast<std::ptrdiff_t>(x) * 4, 4);
    const int alpha = static_cast<int>(pixel >> 24);
    if (alpha == 0) {
        return {0, 0, 0, 0.0};
    }
    auto straight = [alpha](std::uint32_t premultiplied) {
        return static_cast<int>((premultiplied * 255 + static_cast<std::uint32_t>(alpha) / 2) /
                                static_cast<std::uint32_t>(alpha));
    };
    return {straight((pixel >> 16) & 0xFF), straight((pixel >> 8) & 0xFF), straight(pixel & 0xFF), alpha / 255.0};
}

void SetColour(cairo_t* cr, const Colour& colour)
{
    cairo_set_source_rgba(cr, Unit(colour.r), Unit(colour.g), Unit(colour.b), colour.a);
}

void RoundedRectPath(cairo_t* cr, double x, double y, double w, double h, double radius)
{
    const double r = std::min({radius, w / 2, h / 2});
    constexpr double kPi = std::numbers::pi;
    cairo_new_sub_path(cr);
    if (r <= 0) {
        cairo_rectangle(cr, x, y, w, h);
        return;
    }
    cairo_arc(cr, x + w - r, y + r, r, -kPi / 2, 0);
    cairo_arc(cr, x + w - r, y + h - r, r, 0, kPi / 2);
    cairo_arc(cr, x + r, y + h - r, r, kPi / 2, kPi);
    cairo_arc(cr, x + r, y + r, r, kPi, 3 * kPi / 2);
    cairo_close_path(cr);
}

void RoundedRectPath(cairo_t* cr, const Rect& rect, double radius)
{
    RoundedRectPath(cr, rect.left, rect.top, rect.Width(), rect.Height(), radius);
}

void FillRect(cairo_t* cr, const Rect& rect, const Colour& colour)
{
    SetColour(cr, colour);
    cairo_rectangle(cr, rect.left, rect.top, rect.Width(), rect.Height());
    cairo_fill(cr);
}

void FillRounded(cairo_t* cr, const Rect& rect, double radius, const Colour& colour)
{
    SetColour(cr, colour);
    RoundedRectPath(cr, rect, radius);
    cairo_fill(cr);
}

void FillRoundedVertical(cairo_t* cr, const Rect& rect, double radius, const Colour& top, const Colour& bottom)
{
    PatternPtr gradient = VerticalGradient(rect.top, rect.bottom, top, bottom);
    cairo_set_source(cr, gradient.get());
    RoundedRectPath(cr, rect, radius);
    cairo_fill(cr);
}

void StrokeRounded(cairo_t* cr, const Rect& rect, double radius, const Colour& colour, double width)
{
    SetColour(cr, colour);
    cairo_set_line_width(cr, width);
    const double inset = width / 2;
    RoundedRectPath(cr, rect.left + inset, rect.top + inset, rect.Width() - width, rect.Height() - width,
                    std::max(0.0, radius - inset));
    cairo_stroke(cr);
}

PatternPtr VerticalGradient(double y0, double y1, const Colour& top, const Colour& bottom)
{
    PatternPtr pattern(cairo_pattern_create_linear(0, y0, 0, y1));
    cairo_pattern_add_color_stop_rgba(pattern.get(), 0, Unit(top.r), Unit(top.g), Unit(top.b), top.a);
    cairo_pattern_add_color_stop_rgba(pattern.get(), 1, Unit(bottom.r), Unit(bottom.g), Unit(bottom.b), bottom.a);
    return pattern;
}

PatternPtr RadialGradient(double cx, double cy, double r0, double r1, const Colour& inner, const Colour& outer)
{
    PatternPtr pattern(cairo_pattern_create_radial(cx, cy, r0, cx, cy, r1));
    cairo_pattern_add_color_stop_rgba(pattern.get(), 0, Unit(inner.r), Unit(inner.g), Unit(inner.b), inner.a);
    cairo_pattern_add_color_stop_rgba(pattern.get(), 1, Unit(outer.r), Unit(outer.g), Unit(outer.b), outer.a);
    return pattern;
}

void Paste(cairo_t* cr, const Image& source, Point at, double alpha)
{
    cairo_save(cr);
    cairo_set_source_surface(cr, source.Surface(), at.x, at.y);
    cairo_paint_with_alpha(cr, alpha);
    cairo_restore(cr);
}

void BlurImage(const Image& image, int radius)
{
    if (radius <= 0) {
        return;
    }
    cairo_surface_t* surface = image.Surface();
    cairo_surface_flush(surface);
    unsigned char* data = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    const int width = image.Width();
    const int height = image.Height();
    std::vector<std::uint32_t> scratch;
    // Three box passes each way come close to a Gaussian.
    const int boxRadius = std::max(1, radius / 2);
    for (int pass = 0; pass < 3; ++pass) {
        for (int y = 0; y < height; ++y) {
            BoxPass(data + static_cast<std::ptrdiff_t>(y) * stride, width, 4, boxRadius, scratch);
        }
        for (int x = 0; x < width; ++x) {
            BoxPass(data + static_cast<std::ptrdiff_t>(x) * 4, height, stride, boxRadius, scratch);
        }
    }
    cairo_surface_mark_dirty(surface);
}

void SetCrisp(cairo_t* cr, bool crisp)
{
    cairo_set_antialias(cr, crisp ? CAIRO_ANTIALIAS_NONE : CAIRO_ANTIALIAS_DEFAULT);
}

bool WritePng(const Image& image, const std::string& path)
{
    return cairo_surface_write_to_png(image.Surface(), path.c_str()) == CAIRO_STATUS_SUCCESS;
}

Image LoadPng(const std::string& path)
{
    SurfacePtr surface(cairo_image_surface_create_from_png(path.c_str()));
    if (cairo_surface_status(surface.get()) != CAIRO_STATUS_SUCCESS) {
        return {};
    }
    // Always hand out ARGB32, whatever depth the file had.
    Image image(cairo_image_surface_get_width(surface.get()), cairo_image_surface_get_height(surface.get()));
    ContextPtr cr = image.Draw();
    cairo_set_source_surface(cr.get(), surface.get(), 0, 0);
    cairo_set_operator(cr.get(), CAIRO_OPERATOR_SOURCE);
    cairo_paint(cr.get());
    return image;
}

}  // namespace zalvane::skingen
