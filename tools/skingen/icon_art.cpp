#include "icon_art.h"

#include <cairo.h>

#include <cmath>
#include <numbers>

#include "frame_art.h"
#include "glyphs.h"
#include "pages/main_window_geometry.h"
#include "palette.h"
#include "skin_sizes.h"

namespace zalvane::skingen {
namespace {

namespace p = palette;

constexpr double kPi = std::numbers::pi;
constexpr Colour kHoleWhite{255, 255, 255};

void Put16(std::vector<std::uint8_t>& out, unsigned value)
{
    out.push_back(static_cast<std::uint8_t>(value & 0xFF));
    out.push_back(static_cast<std::uint8_t>((value >> 8) & 0xFF));
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t value)
{
    Put16(out, value & 0xFFFF);
    Put16(out, value >> 16);
}

cairo_status_t AppendBytes(void* closure, const unsigned char* data, unsigned int length)
{
    auto* out = static_cast<std::vector<std::uint8_t>*>(closure);
    out->insert(out->end(), data, data + length);
    return CAIRO_STATUS_SUCCESS;
}

std::vector<std::uint8_t> PngBytes(const Image& image)
{
    std::vector<std::uint8_t> bytes;
    cairo_surface_write_to_png_stream(image.Surface(), AppendBytes, &bytes);
    return bytes;
}

// A 32-bit bitmap entry: header, bottom-up BGRA rows with straight alpha, and the 1-bit
// mask that older readers use (set where the pixel is fully transparent).
std::vector<std::uint8_t> BitmapBytes(const Image& image)
{
    const int w = image.Width();
    const int h = image.Height();
    const int maskStride = ((w + 31) / 32) * 4;
    std::vector<std::uint8_t> out;
    Put32(out, 40);
    Put32(out, static_cast<std::uint32_t>(w));
    Put32(out, static_cast<std::uint32_t>(2 * h));
    Put16(out, 1);
    Put16(out, 32);
    Put32(out, 0);
    Put32(out, static_cast<std::uint32_t>(w * h * 4 + maskStride * h));
    for (int i = 0; i < 4; ++i) {
        Put32(out, 0);
    }
    for (int y = h - 1; y >= 0; --y) {
        for (int x = 0; x < w; ++x) {
            const Colour c = image.Pixel(x, y);
            out.push_back(static_cast<std::uint8_t>(c.b));
            out.push_back(static_cast<std::uint8_t>(c.g));
            out.push_back(static_cast<std::uint8_t>(c.r));
            out.push_back(static_cast<std::uint8_t>(std::lround(c.a * 255)));
        }
    }
    for (int y = h - 1; y >= 0; --y) {
        std::vector<std::uint8_t> row(static_cast<std::size_t>(maskStride), 0);
        for (int x = 0; x < w; ++x) {
            if (image.Pixel(x, y).a == 0) {
                row[static_cast<std::size_t>(x / 8)] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
            }
        }
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}

}  // namespace

Image RenderIcon(int size)
{
    Image icon(size, size);
    ContextPtr cr = icon.Draw();
    // Small sizes keep a one-pixel margin so the corners do not touch the edge.
    const double margin = size >= 48 ? size / 32.0 : 0.5;
    DrawBadge(cr.get(), margin, margin, size - 2 * margin);
    return icon;
}

std::vector<std::uint8_t> BuildIconFile()
{
    std::vector<std::vector<std::uint8_t>> pictures;
    for (int size : kIconSizes) {
        const Image icon = RenderIcon(size);
        pictures.push_back(size == 256 ? PngBytes(icon) : BitmapBytes(icon));
    }
    std::vector<std::uint8_t> out;
    Put16(out, 0);
    Put16(out, 1);
    Put16(out, static_cast<unsigned>(pictures.size()));
    std::uint32_t offset = static_cast<std::uint32_t>(6 + 16 * pictures.size());
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        const int size = kIconSizes[i];
        out.push_back(static_cast<std::uint8_t>(size == 256 ? 0 : size));
        out.push_back(static_cast<std::uint8_t>(size == 256 ? 0 : size));
        out.push_back(0);
        out.push_back(0);
        Put16(out, 1);
        Put16(out, 32);
        Put32(out, static_cast<std::uint32_t>(pictures[i].size()));
        Put32(out, offset);
        offset += static_cast<std::uint32_t>(pictures[i].size());
    }
    for (const auto& picture : pictures) {
        out.insert(out.end(), picture.begin(), picture.end());
    }
    return out;
}

Image RenderScrollThumb()
{
    const Size size = pages::kScrollThumbImage;
    const int visible = pages::kScrollThumb.Width();
    Image thumb(size.width, size.height);
    ContextPtr holder = thumb.Draw();
    cairo_t* cr = holder.get();
    // The button brightens its picture by 5 % and lifts it by 5 % of full scale, always
    // (it never leaves its hot state), so the colours here sit a step darker.
    PatternPtr face(cairo_pattern_create_linear(0, 0, visible, 0));
    cairo_pattern_add_color_stop_rgb(face.get(), 0, 150 / 255.0, 22 / 255.0, 38 / 255.0);
    cairo_pattern_add_color_stop_rgb(face.get(), 0.5, 200 / 255.0, 34 / 255.0, 56 / 255.0);
    cairo_pattern_add_color_stop_rgb(face.get(), 1, 150 / 255.0, 22 / 255.0, 38 / 255.0);
    cairo_set_source(cr, face.get());
    RoundedRectPath(cr, 0, 0, visible, size.height, visible / 2.0);
    cairo_fill(cr);
    for (int i = -1; i <= 1; ++i) {
        FillRect(cr, {2, size.height / 2 + 4 * i - 1, visible - 2, size.height / 2 + 4 * i}, {235, 120, 134, 0.9});
    }
    return thumb;
}

Image RenderSplash()
{
    const Size size = sizes::kSplash;
    Image splash(size.width, size.height);
    ContextPtr holder = splash.Draw();
    cairo_t* cr = holder.get();
    FillRect(cr, {0, 0, size.width, size.height}, kHoleWhite);

    // The outline is hard-edged: a blended edge pixel would show as a pale fringe.
    SetCrisp(cr, true);
    constexpr double kRadius = 16;
    RoundedRectPath(cr, 0, 0, size.width, size.height, kRadius);
    SetColour(cr, p::kLine);
    cairo_fill(cr);
    RoundedRectPath(cr, 1, 1, size.width - 2, size.height - 2, kRadius - 1);
    PatternPtr body = VerticalGradient(0, size.height, {28, 31, 38}, {13, 15, 18});
    cairo_set_source(cr, body.get());
    cairo_fill_preserve(cr);
    cairo_clip(cr);
    SetCrisp(cr, false);

    const double cx = size.width / 2.0;
    PatternPtr glow = RadialGradient(cx, 104, 10, 170, p::kAccent.WithAlpha(0.28), p::kAccent.WithAlpha(0.0));
    cairo_set_source(cr, glow.get());
    cairo_paint(cr);

    DrawBadge(cr, cx - 44, 52, 88);
    const Lettering word{30, 5.4, 7, 0.18};
    DrawLettering(cr, "ZALVANE", cx - LetteringWidth("ZALVANE", word) / 2 + 3, 168, word, p::kBright);

    PatternPtr rule(cairo_pattern_create_linear(cx - 130, 0, cx + 130, 0));
    cairo_pattern_add_color_stop_rgba(rule.get(), 0, 0.91, 0.16, 0.26, 0.0);
    cairo_pattern_add_color_stop_rgba(rule.get(), 0.5, 0.91, 0.16, 0.26, 1.0);
    cairo_pattern_add_color_stop_rgba(rule.get(), 1, 0.91, 0.16, 0.26, 0.0);
    cairo_set_source(cr, rule.get());
    cairo_rectangle(cr, cx - 130, 216, 260, 2);
    cairo_fill(cr);

    // Seven small lamps under the rule, one per DPI stage.
    for (int i = -3; i <= 3; ++i) {
        SetColour(cr, i == 0 ? p::kAccentLight : p::kRaisedTop);
        cairo_arc(cr, cx + 14 * i, 250, i == 0 ? 3 : 2.2, 0, 2 * kPi);
        cairo_fill(cr);
    }
    return splash;
}

}  // namespace zalvane::skingen
