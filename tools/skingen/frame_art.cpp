#include "frame_art.h"

#include <numbers>

#include "glyphs.h"
#include "pages/main_window_geometry.h"
#include "pages/skin_catalogue.h"
#include "palette.h"
#include "skin_sizes.h"
#include "widgets.h"

namespace zalvane::skingen {
namespace {

namespace p = palette;
using namespace pages;

constexpr double kPi = std::numbers::pi;
constexpr Rect kStage{270, 10, 726, 450};
constexpr Rect kSwitchTrack{432, 522, 567, 561};

void DrawStage(cairo_t* cr)
{
    PatternPtr light = RadialGradient(498, 230, 20, 330, p::kStageCentre, p::kStageEdge);
    cairo_set_source(cr, light.get());
    RoundedRectPath(cr, kStage, 10);
    cairo_fill(cr);
    cairo_save(cr);
    RoundedRectPath(cr, kStage, 10);
    cairo_clip(cr);
    // A faint floor: two ellipses under the mouse, like a turntable.
    cairo_set_line_width(cr, 1);
    for (int ring = 0; ring < 2; ++ring) {
        cairo_save(cr);
        cairo_translate(cr, 498, 392);
        cairo_scale(cr, 190 + 30 * ring, 30 + 6 * ring);
        cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
        cairo_restore(cr);
        SetColour(cr, p::kAccent.WithAlpha(ring == 0 ? 0.16 : 0.07));
        cairo_stroke(cr);
    }
    // Top shade so the stage reads as recessed.
    PatternPtr shade = VerticalGradient(kStage.top, kStage.top + 14, {0, 0, 0, 0.35}, {0, 0, 0, 0});
    cairo_set_source(cr, shade.get());
    cairo_paint(cr);
    cairo_restore(cr);
    StrokeRounded(cr, kStage, 10, p::kEdge);
}

void DrawWordmark(cairo_t* cr, double x, double y, double height)
{
    Lettering style{height, height * 0.2, height * 0.22, 0.18};
    DrawLettering(cr, "ZALVANE", x, y, style, p::kBright);
}

}  // namespace

void DrawBadge(cairo_t* cr, double x, double y, double size)
{
    const double r = size * 0.22;
    PatternPtr face = VerticalGradient(y, y + size, {54, 59, 71}, {22, 24, 30});
    cairo_set_source(cr, face.get());
    RoundedRectPath(cr, x, y, size, size, r);
    cairo_fill(cr);
    SetColour(cr, {92, 100, 118});
    cairo_set_line_width(cr, std::max(1.0, size / 40));
    RoundedRectPath(cr, x + 0.5, y + 0.5, size - 1, size - 1, r);
    cairo_stroke(cr);
    // The Z, slanted, in the accent.
    const double stroke = size * 0.12;
    const double l = x + size * 0.31;
    const double rt = x + size * 0.71;
    const double t = y + size * 0.31;
    const double b = y + size * 0.69;
    const double slant = size * 0.03;
    PatternPtr accent = VerticalGradient(t, b, p::kAccentLight, p::kAccent);
    cairo_set_source(cr, accent.get());
    cairo_set_line_width(cr, stroke);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_MITER);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_SQUARE);
    cairo_move_to(cr, l + slant, t);
    cairo_line_to(cr, rt + slant, t);
    cairo_line_to(cr, l - slant, b);
    cairo_line_to(cr, rt - slant, b);
    cairo_stroke(cr);
}

Image RenderMainFrame()
{
    const Size size = sizes::kMainWindow;
    return MakeImage(size, p::kBase, [&](cairo_t* cr) {
        // Title light and the bottom bar.
        PatternPtr top = VerticalGradient(0, 30, {24, 27, 33}, p::kBase);
        cairo_set_source(cr, top.get());
        cairo_rectangle(cr, 0, 0, size.width, 30);
        cairo_fill(cr);
        FillRect(cr, {0, sizes::kBottomBarTop, size.width, size.height}, p::kBar);
        FillRect(cr, {0, sizes::kBottomBarTop, size.width, sizes::kBottomBarTop + 1}, p::kEdge);
        FillRect(cr, {0, sizes::kBottomBarTop + 1, size.width, sizes::kBottomBarTop + 2}, {0, 0, 0, 0.4});

        // Light spilling from the stage onto the floor in front of it.
        PatternPtr spill = RadialGradient(0, 0, 0, 1, p::kAccent.WithAlpha(0.10), p::kAccent.WithAlpha(0.0));
        cairo_save(cr);
        cairo_translate(cr, 498, 452);
        cairo_scale(cr, 260, 70);
        cairo_set_source(cr, spill.get());
        cairo_rectangle(cr, -1, 0, 2, 1);
        cairo_fill(cr);
        cairo_restore(cr);

        DrawStage(cr);

        // The track the Front and Side switches sit in.
        DrawWell(cr, kSwitchTrack, p::kWell, 6);

        // Scroll groove, the same along its whole length (the thumb copies what lies under it).
        FillRect(cr, kScrollBar, p::kWell);
        FillRect(cr, {kScrollBar.left, kScrollBar.top, kScrollBar.left + 1, kScrollBar.bottom}, p::kShadow);
        FillRect(cr, {kScrollBar.right - 1, kScrollBar.top, kScrollBar.right, kScrollBar.bottom}, p::kEdge);

        // Logo.
        DrawBadge(cr, kLogo.left + 2, kLogo.top + 9, 52);
        DrawWordmark(cr, kLogo.left + 66, kLogo.top + 22, 20);
        PatternPtr rule(cairo_pattern_create_linear(kLogo.left + 66, 0, kLogo.right - 8, 0));
        cairo_pattern_add_color_stop_rgba(rule.get(), 0, p::kAccent.r / 255.0, p::kAccent.g / 255.0,
                                          p::kAccent.b / 255.0, 1);
        cairo_pattern_add_color_stop_rgba(rule.get(), 1, p::kAccent.r / 255.0, p::kAccent.g / 255.0,
                                          p::kAccent.b / 255.0, 0);
        cairo_set_source(cr, rule.get());
        cairo_rectangle(cr, kLogo.left + 67, kLogo.top + 50, kLogo.right - kLogo.left - 75, 2);
        cairo_fill(cr);

        // The window's thin outline.
        StrokeRounded(cr, {0, 0, size.width, size.height}, 0, p::kLine);
    });
}

void AddFrameImages(SkinSet& skin, const Image& frame)
{
    skin.Add(pages::kMainImage, frame.Copy());
    skin.Add(pages::kLogoImage, frame.Crop(kLogo));
    skin.Add(pages::kScrollBarImage, frame.Crop(kScrollBar));
    skin.Add(pages::kMainMidImage, frame.Crop(kMiddleBackground));
    skin.Add(pages::kMainLeftImage, frame.Crop(Rect::At(kLeftColumnOrigin, sizes::kLeftColumn)));
    skin.Add(pages::kMainRightImage, frame.Crop(Rect::At(kRightColumnOrigin, sizes::kRightColumn)));

    const Size strip = InitialStrip(Item::kDpiSetting).Extent();
    skin.Add(pages::kItemStripImage, MakeImage(strip, p::kBase, [&](cairo_t* cr) {
                 DrawItemStrip(cr, {0, 0, strip.width, strip.height}, false);
             }));
    const Size tall = InitialStrip(Item::kMacroManager).Extent();
    skin.Add(pages::kMacroManagerStripImage, MakeImage(tall, p::kBase, [&](cairo_t* cr) {
                 DrawItemStrip(cr, {0, 0, tall.width, tall.height}, true);
                 // A record mark at the right end: this strip opens the macro recorder.
                 const double cx = tall.width - 22;
                 const double cy = tall.height / 2.0;
                 SetColour(cr, p::kWell);
                 cairo_arc(cr, cx, cy, 10, 0, 2 * kPi);
                 cairo_fill(cr);
                 SetColour(cr, p::kEdge);
                 cairo_set_line_width(cr, 1);
                 cairo_arc(cr, cx, cy, 10, 0, 2 * kPi);
                 cairo_stroke(cr);
                 PatternPtr dot = RadialGradient(cx - 1.5, cy - 1.5, 0, 6, p::kAccentLight, p::kAccent);
                 cairo_set_source(cr, dot.get());
                 cairo_arc(cr, cx, cy, 5, 0, 2 * kPi);
                 cairo_fill(cr);
             }));
}

}  // namespace zalvane::skingen
