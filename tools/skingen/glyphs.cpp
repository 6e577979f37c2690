#include "glyphs.h"

#include <numbers>
#include <vector>

namespace zalvane::skingen {
namespace {

constexpr double kPi = std::numbers::pi;

// One path step in glyph units: the cap height is 1, y grows downwards.
struct Step {
    enum Kind { kMove, kLine, kArc, kArcBack, kClose } kind;
    double x = 0;
    double y = 0;
    double radius = 0;
    double from = 0;  // arc angles in degrees
    double to = 0;
};

constexpr Step M(double x, double y) { return {Step::kMove, x, y}; }
constexpr Step L(double x, double y) { return {Step::kLine, x, y}; }
constexpr Step A(double cx, double cy, double r, double from, double to) { return {Step::kArc, cx, cy, r, from, to}; }
constexpr Step B(double cx, double cy, double r, double from, double to)
{
    return {Step::kArcBack, cx, cy, r, from, to};
}
constexpr Step Z() { return {Step::kClose}; }

struct Glyph {
    double width;
    std::vector<Step> steps;
};

constexpr double kW = 0.58;  // digit width

Glyph Lookup(char c)
{
    switch (c) {
        case '0':
            return {kW, {M(0, 0), L(kW, 0), L(kW, 1), L(0, 1), Z()}};
        case '1':
            return {0.24, {M(0, 0.2), L(0.22, 0), L(0.22, 1)}};
        case '2':
            return {kW, {M(0, 0), L(kW, 0), L(kW, 0.5), L(0, 0.5), L(0, 1), L(kW, 1)}};
        case '3':
            return {kW, {M(0, 0), L(kW, 0), L(kW, 1), L(0, 1), M(0.16, 0.5), L(kW, 0.5)}};
        case '4':
            return {kW, {M(0, 0), L(0, 0.62), L(kW, 0.62), M(kW, 0), L(kW, 1)}};
        case '5':
            return {kW, {M(kW, 0), L(0, 0), L(0, 0.5), L(kW, 0.5), L(kW, 1), L(0, 1)}};
        case '6':
            return {kW, {M(kW, 0), L(0, 0), L(0, 1), L(kW, 1), L(kW, 0.5), L(0, 0.5)}};
        case '7':
            return {kW, {M(0, 0), L(kW, 0), L(0.16, 1)}};
        case '8':
            return {kW, {M(0, 0), L(kW, 0), L(kW, 1), L(0, 1), Z(), M(0, 0.5), L(kW, 0.5)}};
        case '9':
            return {kW, {M(kW, 0.5), L(0, 0.5), L(0, 0), L(kW, 0), L(kW, 1), L(0, 1)}};
        case 'S':
            return {kW,
                    {M(kW, 0), L(0.25, 0), B(0.25, 0.25, 0.25, -90, 90), L(kW - 0.25, 0.5),
                     A(kW - 0.25, 0.75, 0.25, -90, 90), L(0, 1)}};
        case 'Z':
            return {0.66, {M(0, 0), L(0.66, 0), L(0, 1), L(0.66, 1)}};
        case 'A':
            return {0.72, {M(0, 1), L(0.36, 0), L(0.72, 1)}};  // open, without a bar
        case 'L':
            return {0.5, {M(0, 0), L(0, 1), L(0.5, 1)}};
        case 'V':
            return {0.72, {M(0, 0), L(0.36, 1), L(0.72, 0)}};
        case 'N':
            return {0.64, {M(0, 1), L(0, 0), L(0.64, 1), L(0.64, 0)}};
        case 'E':
            return {0.52, {M(0.52, 0), L(0, 0), L(0, 1), L(0.52, 1), M(0, 0.5), L(0.42, 0.5)}};
        case 'H':
            return {kW, {M(0, 0), L(0, 1), M(kW, 0), L(kW, 1), M(0, 0.5), L(kW, 0.5)}};
        case 'z':
            return {0.46, {M(0, 0.38), L(0.46, 0.38), L(0, 1), L(0.46, 1)}};
        case '+':
            return {kW, {M(0, 0.5), L(kW, 0.5), M(kW / 2, 0.21), L(kW / 2, 0.79)}};
        case '-':
            return {kW, {M(0.06, 0.5), L(kW - 0.06, 0.5)}};
        case ' ':
            return {0.3, {}};
        default:
            return {kW, {}};
    }
}

double Scale(const Lettering& style) { return style.height - style.stroke; }

}  // namespace

double LetteringWidth(std::string_view text, const Lettering& style)
{
    double width = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        width += Lookup(text[i]).width * Scale(style) + style.stroke;
        if (i + 1 < text.size()) {
            width += style.tracking;
        }
    }
    return width;
}

void LetteringPath(cairo_t* cr, std::string_view text, double x, double y, const Lettering& style)
{
    const double scale = Scale(style);
    const double half = style.stroke / 2;
    double penX = x + half;
    for (char c : text) {
        const Glyph glyph = Lookup(c);
        // Italic: points lower down move left, pivoting on the baseline.
        auto px = [&](double gx, double gy) { return penX + gx * scale + (1 - gy) * scale * style.slant; };
        auto py = [&](double gy) { return y + half + gy * scale; };
        for (const Step& step : glyph.steps) {
            switch (step.kind) {
                case Step::kMove:
                    cairo_move_to(cr, px(step.x, step.y), py(step.y));
                    break;
                case Step::kLine:
                    cairo_line_to(cr, px(step.x, step.y), py(step.y));
                    break;
                case Step::kArc:
                    cairo_arc(cr, px(step.x, step.y), py(step.y), step.radius * scale, step.from * kPi / 180,
                              step.to * kPi / 180);
                    break;
                case Step::kArcBack:
                    cairo_arc_negative(cr, px(step.x, step.y), py(step.y), step.radius * scale, step.from * kPi / 180,
                                       step.to * kPi / 180);
                    break;
                case Step::kClose:
                    cairo_close_path(cr);
                    break;
            }
        }
        penX += glyph.width * scale + style.stroke + style.tracking;
    }
}

void DrawLettering(cairo_t* cr, std::string_view text, double x, double y, const Lettering& style, const Colour& colour)
{
    cairo_save(cr);
    cairo_new_path(cr);
    LetteringPath(cr, text, x, y, style);
    SetColour(cr, colour);
    cairo_set_line_width(cr, style.stroke);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_SQUARE);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_MITER);
    cairo_stroke(cr);
    cairo_restore(cr);
}

void DrawLetteringCentred(cairo_t* cr, std::string_view text, double cx, double cy, const Lettering& style,
                          const Colour& colour)
{
    DrawLettering(cr, text, cx - LetteringWidth(text, style) / 2, cy - style.height / 2, style, colour);
}

}  // namespace zalvane::skingen
