#include "mouse_art.h"

#include <array>
#include <functional>
#include <numbers>

#include "glyphs.h"
#include "pages/main_window_geometry.h"
#include "palette.h"
#include "skin_sizes.h"

namespace zalvane::skingen {
namespace {

namespace p = palette;
using PathFn = std::function<void(cairo_t*)>;

constexpr double kPi = std::numbers::pi;
constexpr double kMirror = 1040;  // the front drawing is symmetric about x = 520

// Spot rectangles: the top-left corners of the button highlighting, sized to the buttons.
constexpr std::array<Size, pages::kFrontSpotCount> kFrontSpotSizes{{
    {119, 37},
    {119, 36},
    {26, 29},
    {28, 66},
    {56, 44},
    {56, 52},
    {56, 40},
}};
constexpr std::array<Size, pages::kSideSpotCount> kSideSpotSizes{{
    {22, 44},
    {44, 40},
    {40, 38},
    {30, 50},
    {36, 36},
    {46, 24},
    {24, 26},
    {30, 36},
    {26, 26},
    {26, 26},
    {26, 26},
    {30, 30},
}};

template <std::size_t N>
constexpr std::array<Rect, N> MakeSpots(const std::array<ui::Point, N>& corners, const std::array<Size, N>& sizes)
{
    std::array<Rect, N> rects{};
    for (std::size_t i = 0; i < N; ++i) {
        rects[i] = Rect::At(corners[i], sizes[i]);
    }
    return rects;
}

constexpr auto kFrontSpotRects = MakeSpots(pages::kFrontSpots, kFrontSpotSizes);
constexpr auto kSideSpotRects = MakeSpots(pages::kSideSpots, kSideSpotSizes);

// ---- shared pieces ---------------------------------------------------------------------

void RoundedKey(cairo_t* cr, double l, double t, double r, double b, double radius)
{
    RoundedRectPath(cr, l, t, r - l, b - t, radius);
}

void Mirrored(cairo_t* cr, const PathFn& path)
{
    cairo_save(cr);
    cairo_translate(cr, kMirror, 0);
    cairo_scale(cr, -1, 1);
    path(cr);
    cairo_restore(cr);
}

// A key at rest: a raised face with light on top and a dark seam around it.
void DrawKey(cairo_t* cr, const PathFn& path, double top, double bottom)
{
    cairo_new_path(cr);
    path(cr);
    PatternPtr face = VerticalGradient(top, bottom, {60, 66, 79}, {40, 44, 53});
    cairo_set_source(cr, face.get());
    cairo_fill_preserve(cr);
    SetColour(cr, {10, 11, 14});
    cairo_set_line_width(cr, 1.6);
    cairo_stroke(cr);
    // Top light, inside the key.
    cairo_save(cr);
    path(cr);
    cairo_clip(cr);
    PatternPtr sheen = VerticalGradient(top, top + 10, {150, 160, 180, 0.22}, {150, 160, 180, 0.0});
    cairo_set_source(cr, sheen.get());
    cairo_paint(cr);
    cairo_restore(cr);
}

// The same key lit in the accent: a crimson face glowing from its edges inwards.
void DrawLitKey(const Image& layer, Point origin, const PathFn& path, double top, double bottom)
{
    {
        ContextPtr cr = layer.Draw();
        cairo_translate(cr.get(), -origin.x, -origin.y);
        path(cr.get());
        PatternPtr face = VerticalGradient(top, bottom, p::kAccent, p::kAccentDark);
        cairo_set_source(cr.get(), face.get());
        cairo_fill(cr.get());
    }
    // Inner glow: a blurred bright rim, kept inside the key.
    Image rim(layer.Width(), layer.Height());
    {
        ContextPtr cr = rim.Draw();
        cairo_translate(cr.get(), -origin.x, -origin.y);
        path(cr.get());
        SetColour(cr.get(), p::kAccentLight);
        cairo_set_line_width(cr.get(), 3);
        cairo_stroke(cr.get());
    }
    BlurImage(rim, 4);
    ContextPtr cr = layer.Draw();
    cairo_translate(cr.get(), -origin.x, -origin.y);
    path(cr.get());
    cairo_clip(cr.get());
    cairo_identity_matrix(cr.get());
    Paste(cr.get(), rim, {0, 0}, 0.9);
    cairo_translate(cr.get(), -origin.x, -origin.y);
    cairo_new_path(cr.get());
    path(cr.get());
    SetColour(cr.get(), {255, 150, 162, 0.85});
    cairo_set_line_width(cr.get(), 1.2);
    cairo_stroke(cr.get());
}

// The Z mark of the brand, as an outline centred on (cx, cy).
void DrawEmblem(cairo_t* cr, double cx, double cy, double size, const Colour& colour, double stroke)
{
    const double h = size / 2;
    cairo_save(cr);
    cairo_set_line_width(cr, stroke);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_MITER);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_SQUARE);
    SetColour(cr, colour);
    cairo_move_to(cr, cx - h * 0.7, cy - h * 0.62);
    cairo_line_to(cr, cx + h * 0.7, cy - h * 0.62);
    cairo_line_to(cr, cx - h * 0.7, cy + h * 0.62);
    cairo_line_to(cr, cx + h * 0.7, cy + h * 0.62);
    cairo_stroke(cr);
    cairo_restore(cr);
}

// ---- front view ------------------------------------------------------------------------

void FrontBodyPath(cairo_t* cr)
{
    cairo_move_to(cr, 520, 40);
    cairo_curve_to(cr, 462, 40, 400, 50, 379, 84);
    cairo_curve_to(cr, 367, 102, 365, 114, 365, 128);
    cairo_line_to(cr, 365, 214);
    cairo_curve_to(cr, 365, 240, 374, 262, 378, 290);
    cairo_curve_to(cr, 382, 326, 382, 362, 398, 388);
    cairo_curve_to(cr, 418, 414, 466, 424, 520, 422);
    cairo_curve_to(cr, 574, 424, 622, 414, 642, 388);
    cairo_curve_to(cr, 658, 362, 658, 326, 662, 290);
    cairo_curve_to(cr, 666, 262, 675, 240, 675, 214);
    cairo_line_to(cr, 675, 128);
    cairo_curve_to(cr, 675, 114, 673, 102, 661, 84);
    cairo_curve_to(cr, 640, 50, 578, 40, 520, 40);
    cairo_close_path(cr);
}

void LeftButtonPath(cairo_t* cr)
{
    cairo_move_to(cr, 367, 114);
    cairo_line_to(cr, 478, 114);
    cairo_line_to(cr, 478, 246);
    cairo_curve_to(cr, 478, 252, 474, 256, 468, 256);
    cairo_line_to(cr, 406, 256);
    cairo_curve_to(cr, 400, 256, 397, 252, 397, 246);
    cairo_line_to(cr, 397, 156);
    cairo_curve_to(cr, 397, 142, 372, 140, 367, 128);
    cairo_close_path(cr);
}

void RightButtonPath(cairo_t* cr) { Mirrored(cr, LeftButtonPath); }

// The finger pad at the front of each main button: the part that lights up.
void LeftPadPath(cairo_t* cr)
{
    cairo_move_to(cr, 368, 115);
    cairo_line_to(cr, 477, 115);
    cairo_line_to(cr, 477, 140);
    cairo_curve_to(cr, 477, 143, 475, 145, 472, 145);
    cairo_line_to(cr, 389, 145);
    cairo_curve_to(cr, 379, 141, 370, 135, 368, 128);
    cairo_close_path(cr);
}

void RightPadPath(cairo_t* cr) { Mirrored(cr, LeftPadPath); }
void WheelPath(cairo_t* cr) { RoundedKey(cr, 509, 149, 531, 176, 6); }
void WingButtonPath(cairo_t* cr) { RoundedKey(cr, 368, 153, 388, 209, 7); }
void UpperSpinePath(cairo_t* cr) { RoundedKey(cr, 496, 182, 544, 219, 6); }
void LowerSpinePath(cairo_t* cr) { RoundedKey(cr, 496, 229, 544, 275, 6); }
void ModeButtonPath(cairo_t* cr) { RoundedKey(cr, 504, 285, 536, 318, 10); }

struct Key {
    PathFn path;
    double top;
    double bottom;
};

const std::array<Key, pages::kFrontSpotCount>& FrontKeys()
{
    static const std::array<Key, pages::kFrontSpotCount> keys{{
        {LeftPadPath, 115, 145},
        {RightPadPath, 115, 145},
        {WheelPath, 149, 176},
        {WingButtonPath, 153, 209},
        {UpperSpinePath, 182, 219},
        {LowerSpinePath, 229, 275},
        {ModeButtonPath, 285, 318},
    }};
    return keys;
}

void DrawFrontMouse(const Image& picture, Point origin)
{
    // Shadow on the stage, below and behind the body.
    Glow(picture, {0, 0, 0, 0.75}, 14, [&](cairo_t* cr) {
        cairo_translate(cr, -origin.x, -origin.y);
        cairo_translate(cr, 0, 6);
        cairo_save(cr);
        cairo_translate(cr, 520, 250);
        cairo_scale(cr, 0.86, 0.95);
        cairo_translate(cr, -520, -250);
        FrontBodyPath(cr);
        cairo_restore(cr);
        cairo_fill(cr);
    });

    ContextPtr holder = picture.Draw();
    cairo_t* cr = holder.get();
    cairo_translate(cr, -origin.x, -origin.y);

    // Shell: darker towards the edges so it reads as rounded.
    FrontBodyPath(cr);
    PatternPtr shell = VerticalGradient(40, 422, {50, 55, 66}, {28, 31, 38});
    cairo_set_source(cr, shell.get());
    cairo_fill_preserve(cr);
    cairo_save(cr);
    cairo_clip(cr);
    PatternPtr round = RadialGradient(520, 250, 60, 250, {0, 0, 0, 0.0}, {0, 0, 0, 0.45});
    cairo_set_source(cr, round.get());
    cairo_paint(cr);
    PatternPtr sheen = RadialGradient(470, 330, 0, 120, {170, 180, 200, 0.10}, {170, 180, 200, 0.0});
    cairo_set_source(cr, sheen.get());
    cairo_paint(cr);

    // Grips along both flanks behind the buttons.
    for (double side : {0.0, 1.0}) {
        cairo_save(cr);
        if (side > 0) {
            cairo_translate(cr, kMirror, 0);
            cairo_scale(cr, -1, 1);
        }
        FrontBodyPath(cr);
        cairo_clip(cr);
        SetColour(cr, {16, 18, 22, 0.75});
        cairo_set_line_width(cr, 1.2);
        for (int y = 276; y <= 400; y += 6) {
            cairo_move_to(cr, 372, y);
            cairo_line_to(cr, 400, y - 10);
        }
        cairo_stroke(cr);
        cairo_restore(cr);
    }

    // Nose cap with its light bar, set off from the buttons by a seam.
    FillRect(cr, {360, 36, 680, 110}, {22, 24, 30, 0.92});
    FillRect(cr, {360, 110, 680, 112}, {8, 9, 11});
    cairo_restore(cr);

    // Centre channel holding the wheel and the spine buttons.
    SetColour(cr, {20, 22, 27});
    RoundedRectPath(cr, 483, 112, 74, 218, 10);
    cairo_fill(cr);
    StrokeRounded(cr, {483, 112, 557, 330}, 10, {12, 13, 16}, 1.5);
    SetColour(cr, p::kWell);
    RoundedRectPath(cr, 505, 145, 30, 35, 7);
    cairo_fill(cr);

    // Grip on the right wing, where the left wing has its button.
    for (int i = 0; i < 4; ++i) {
        FillRounded(cr, {653, 162 + 12 * i, 668, 166 + 12 * i}, 2, {14, 15, 19});
    }
    // The wing button's bed.
    SetColour(cr, {18, 20, 25});
    RoundedRectPath(cr, 366, 150, 25, 62, 9);
    cairo_fill(cr);

    DrawKey(cr, LeftButtonPath, 114, 256);
    DrawKey(cr, RightButtonPath, 114, 256);
    for (const PathFn& pad : {PathFn(LeftPadPath), PathFn(RightPadPath)}) {
        cairo_save(cr);
        pad(cr);
        cairo_clip(cr);
        FillRect(cr, {360, 112, 680, 150}, {20, 22, 27, 0.55});
        for (int y = 118; y < 146; y += 3) {
            FillRect(cr, {360, y, 680, y + 1}, {70, 77, 92, 0.35});
        }
        cairo_restore(cr);
        pad(cr);
        SetColour(cr, {10, 11, 14});
        cairo_set_line_width(cr, 1.2);
        cairo_stroke(cr);
    }
    for (std::size_t i = 2; i < FrontKeys().size(); ++i) {
        DrawKey(cr, FrontKeys()[i].path, FrontKeys()[i].top, FrontKeys()[i].bottom);
    }
    // Wheel ribs.
    cairo_save(cr);
    WheelPath(cr);
    cairo_clip(cr);
    for (int y = 151; y < 176; y += 3) {
        FillRect(cr, {509, y, 531, y + 1}, {16, 18, 22, 0.9});
    }
    cairo_restore(cr);
    // Up and down marks on the two spine buttons.
    auto chevron = [cr](double cx, double cy, double dir) {
        SetColour(cr, p::kMuted);
        cairo_set_line_width(cr, 1.5);
        cairo_move_to(cr, cx - 5, cy + 2.5 * dir);
        cairo_line_to(cr, cx, cy - 2.5 * dir);
        cairo_line_to(cr, cx + 5, cy + 2.5 * dir);
        cairo_stroke(cr);
    };
    chevron(520, 200.5, 1);
    chevron(520, 252, -1);

    // Brand mark on the palm and the light bar along the tail.
    DrawEmblem(cr, 520, 368, 30, {120, 30, 44}, 3);
    cairo_save(cr);
    FrontBodyPath(cr);
    cairo_clip(cr);
    PatternPtr bar(cairo_pattern_create_linear(400, 0, 640, 0));
    cairo_pattern_add_color_stop_rgba(bar.get(), 0, 0.9, 0.16, 0.26, 0.0);
    cairo_pattern_add_color_stop_rgba(bar.get(), 0.5, 0.95, 0.2, 0.3, 0.9);
    cairo_pattern_add_color_stop_rgba(bar.get(), 1, 0.9, 0.16, 0.26, 0.0);
    cairo_set_source(cr, bar.get());
    cairo_rectangle(cr, 400, 76, 240, 3);
    cairo_fill(cr);
    cairo_restore(cr);

    FrontBodyPath(cr);
    SetColour(cr, {84, 92, 108});
    cairo_set_line_width(cr, 1.4);
    cairo_stroke(cr);
}

// ---- side view -------------------------------------------------------------------------

void SideBodyPath(cairo_t* cr)
{
    cairo_move_to(cr, 318, 344);
    cairo_curve_to(cr, 304, 318, 303, 282, 312, 258);
    cairo_curve_to(cr, 330, 214, 400, 146, 462, 112);
    cairo_curve_to(cr, 490, 100, 540, 97, 590, 100);
    cairo_curve_to(cr, 656, 106, 708, 148, 719, 214);
    cairo_curve_to(cr, 726, 262, 718, 312, 698, 340);
    cairo_curve_to(cr, 696, 350, 684, 354, 668, 354);
    cairo_line_to(cr, 340, 354);
    cairo_curve_to(cr, 328, 354, 320, 350, 318, 344);
    cairo_close_path(cr);
}

// The wheel shows above the front slope.
void SideWheelPath(cairo_t* cr)
{
    cairo_save(cr);
    cairo_translate(cr, 371, 195);
    cairo_rotate(cr, -0.78);
    RoundedRectPath(cr, -14, -9, 28, 10, 4);
    cairo_restore(cr);
}

// The thumb plate: the darker, textured panel that carries the twelve side buttons.
void ThumbPlatePath(cairo_t* cr)
{
    cairo_move_to(cr, 400, 236);
    cairo_curve_to(cr, 404, 170, 432, 122, 470, 112);
    cairo_curve_to(cr, 510, 106, 566, 106, 592, 114);
    cairo_curve_to(cr, 604, 140, 600, 240, 598, 300);
    cairo_curve_to(cr, 597, 312, 590, 318, 578, 318);
    cairo_line_to(cr, 438, 318);
    cairo_curve_to(cr, 414, 318, 398, 300, 400, 236);
    cairo_close_path(cr);
}

PathFn SideKey(double l, double t, double r, double b, double radius)
{
    return [=](cairo_t* cr) { RoundedKey(cr, l, t, r, b, radius); };
}

const std::array<Key, pages::kSideSpotCount>& SideKeys()
{
    static const std::array<Key, pages::kSideSpotCount> keys{{
        {SideKey(450, 131, 468, 171, 5), 131, 171},
        {SideKey(475, 110, 515, 140, 6), 110, 140},
        {SideKey(525, 110, 561, 141, 6), 110, 141},
        {SideKey(555, 179, 581, 225, 6), 179, 225},
        {[](cairo_t* cr) {
             cairo_new_sub_path(cr);
             cairo_arc(cr, 424, 259, 15.5, 0, 2 * kPi);
         },
         243, 275},
        {SideKey(500, 150, 542, 170, 5), 150, 170},
        {SideKey(533, 254, 553, 276, 5), 254, 276},
        {SideKey(562, 235, 588, 267, 6), 235, 267},
        {SideKey(450, 285, 472, 307, 5), 285, 307},
        {SideKey(478, 285, 500, 307, 5), 285, 307},
        {SideKey(506, 285, 528, 307, 5), 285, 307},
        {SideKey(561, 276, 587, 302, 6), 276, 302},
    }};
    return keys;
}

void DrawSideMouse(const Image& picture, Point origin)
{
    // Shadow under the mouse, on the stage floor.
    Glow(picture, {0, 0, 0, 0.8}, 12, [&](cairo_t* cr) {
        cairo_translate(cr, -origin.x, -origin.y);
        cairo_save(cr);
        cairo_translate(cr, 516, 360);
        cairo_scale(cr, 200, 12);
        cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
        cairo_restore(cr);
        cairo_fill(cr);
    });

    ContextPtr holder = picture.Draw();
    cairo_t* cr = holder.get();
    cairo_translate(cr, -origin.x, -origin.y);

    SideWheelPath(cr);
    SetColour(cr, {30, 33, 40});
    cairo_fill_preserve(cr);
    SetColour(cr, {84, 92, 108});
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);

    SideBodyPath(cr);
    PatternPtr shell = VerticalGradient(98, 352, {54, 59, 71}, {24, 27, 33});
    cairo_set_source(cr, shell.get());
    cairo_fill(cr);

    cairo_save(cr);
    SideBodyPath(cr);
    cairo_clip(cr);
    // Light along the top of the shell.
    PatternPtr rim = RadialGradient(520, 420, 300, 330, {160, 170, 190, 0.0}, {160, 170, 190, 0.16});
    cairo_set_source(cr, rim.get());
    cairo_paint(cr);
    // The skirt: a darker base with the light strip along it.
    FillRect(cr, {300, 332, 740, 360}, {14, 15, 19, 0.9});
    PatternPtr strip(cairo_pattern_create_linear(320, 0, 710, 0));
    cairo_pattern_add_color_stop_rgba(strip.get(), 0, 0.9, 0.16, 0.26, 0.0);
    cairo_pattern_add_color_stop_rgba(strip.get(), 0.3, 0.95, 0.2, 0.3, 0.95);
    cairo_pattern_add_color_stop_rgba(strip.get(), 0.7, 0.95, 0.2, 0.3, 0.95);
    cairo_pattern_add_color_stop_rgba(strip.get(), 1, 0.9, 0.16, 0.26, 0.0);
    cairo_set_source(cr, strip.get());
    cairo_rectangle(cr, 320, 331, 390, 2);
    cairo_fill(cr);
    // A seam marks where the top shell meets the side.
    cairo_set_line_width(cr, 1.2);
    SetColour(cr, {10, 11, 14, 0.9});
    cairo_move_to(cr, 318, 262);
    cairo_curve_to(cr, 340, 226, 392, 170, 440, 134);
    cairo_move_to(cr, 612, 118);
    cairo_curve_to(cr, 664, 136, 706, 176, 716, 236);
    cairo_stroke(cr);
    cairo_restore(cr);

    // Thumb plate with a fine diagonal grip.
    ThumbPlatePath(cr);
    SetColour(cr, {24, 27, 33});
    cairo_fill(cr);
    cairo_save(cr);
    ThumbPlatePath(cr);
    cairo_clip(cr);
    SetColour(cr, {34, 38, 46, 0.7});
    cairo_set_line_width(cr, 1);
    for (int x = 300; x < 720; x += 6) {
        cairo_move_to(cr, x, 320);
        cairo_line_to(cr, x + 220, 100);
    }
    cairo_stroke(cr);
    cairo_restore(cr);
    ThumbPlatePath(cr);
    SetColour(cr, {10, 11, 14});
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);

    DrawEmblem(cr, 496, 227, 38, {130, 32, 48}, 3.5);

    for (const Key& key : SideKeys()) {
        DrawKey(cr, key.path, key.top, key.bottom);
    }

    SideBodyPath(cr);
    SetColour(cr, {84, 92, 108});
    cairo_set_line_width(cr, 1.4);
    cairo_stroke(cr);
}

// Clips to the lit spot's rectangle minus every other spot rectangle inside it.
void ClipToOwnSpot(cairo_t* cr, std::span<const Rect> spots, int lit)
{
    const Rect own = spots[static_cast<std::size_t>(lit - 1)];
    cairo_new_path(cr);
    cairo_rectangle(cr, own.left, own.top, own.Width(), own.Height());
    for (std::size_t i = 0; i < spots.size(); ++i) {
        if (static_cast<int>(i) == lit - 1 || !spots[i].Intersects(own)) {
            continue;
        }
        const Rect other = spots[i];
        const int l = std::max(own.left, other.left);
        const int t = std::max(own.top, other.top);
        const int r = std::min(own.right, other.right);
        const int b = std::min(own.bottom, other.bottom);
        cairo_rectangle(cr, l, t, r - l, b - t);
    }
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    cairo_clip(cr);
}

}  // namespace

std::span<const Rect> SpotRects(MouseView view)
{
    if (view == MouseView::kFront) {
        return kFrontSpotRects;
    }
    return kSideSpotRects;
}

Rect PictureRect(MouseView view)
{
    if (view == MouseView::kFront) {
        return Rect::At(pages::kFrontPictureOrigin, sizes::kMouseFrontPicture);
    }
    return Rect::At(pages::kSidePictureOrigin, sizes::kMouseSidePicture);
}

Image RenderMousePicture(MouseView view, int litSpot, const Image& frame)
{
    const Rect area = PictureRect(view);
    const Point origin = area.TopLeft();
    Image picture = frame.Crop(area);
    if (view == MouseView::kFront) {
        DrawFrontMouse(picture, origin);
    } else {
        DrawSideMouse(picture, origin);
    }
    if (litSpot <= 0) {
        return picture;
    }

    Image layer(picture.Width(), picture.Height());
    const Key& key = view == MouseView::kFront ? FrontKeys()[static_cast<std::size_t>(litSpot - 1)]
                                               : SideKeys()[static_cast<std::size_t>(litSpot - 1)];
    DrawLitKey(layer, origin, key.path, key.top, key.bottom);

    ContextPtr cr = picture.Draw();
    cairo_translate(cr.get(), -origin.x, -origin.y);
    ClipToOwnSpot(cr.get(), SpotRects(view), litSpot);
    Paste(cr.get(), layer, origin);
    return picture;
}

}  // namespace zalvane::skingen
