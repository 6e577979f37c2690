// The pages' canvas over GDI: aligned text lands inside its rectangle and leaves the
// background around its letters alone.

#include "ui/win/gdi_canvas.h"

#include <gtest/gtest.h>

#include "ui/win/fonts.h"
#include "win/win_test_support.h"

namespace zalvane::ui::win {
namespace {

using wintest::ColourNear;
using wintest::PixelSurface;

constexpr Rgba kBackground{10, 20, 30, 255};
constexpr SkinColour kText{255, 255, 0};

// The columns that hold text-coloured pixels, and whether any lies outside `inside`.
struct Ink {
    int left = 1 << 30;
    int right = -1;
    bool outside = false;
};

Ink FindInk(const PixelSurface& surface, int width, int height, const ui::Rect& inside)
{
    Ink ink;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const Rgba pixel = surface.At(x, y);
            if (pixel.red < 128 || pixel.green < 128) {
                continue;
            }
            ink.left = std::min(ink.left, x);
            ink.right = std::max(ink.right, x);
            ink.outside = ink.outside || !inside.Contains(x, y);
        }
    }
    return ink;
}

TEST(GdiCanvasTest, TextIsAlignedInItsRectangleOverAnUntouchedBackground)
{
    const platform::win::UniqueHFont main = CreateSkinFont({"Segoe UI", 15, 300});
    const ui::Rect area{40, 5, 160, 35};
    for (const TextAlignment alignment : {TextAlignment::kLeft, TextAlignment::kCentre, TextAlignment::kRight}) {
        SCOPED_TRACE(::testing::Message() << "alignment " << static_cast<int>(alignment));
        PixelSurface surface(200, 40, kBackground);
        {
            GdiCanvas canvas(surface.Dc(), main.get(), nullptr);
            canvas.SetTextStyle(FontRole::kMain, kText);
            canvas.DrawText("Save", area, alignment);
        }
        const Ink ink = FindInk(surface, 200, 40, area);
        ASSERT_LT(ink.left, ink.right);
        EXPECT_FALSE(ink.outside);
        EXPECT_TRUE(ColourNear(surface.At(area.left, area.top), kBackground, 0));  // transparent background
        const double middle = (ink.left + ink.right) / 2.0;
        switch (alignment) {
            case TextAlignment::kLeft:
            case TextAlignment::kLeftEllipsis:
            case TextAlignment::kLeftWrapped:
                EXPECT_LE(ink.left, area.left + 3);
                break;
            case TextAlignment::kRight:
                EXPECT_GE(ink.right, area.right - 4);
                break;
            case TextAlignment::kCentre:
            case TextAlignment::kCentreUnclipped:
                EXPECT_NEAR(middle, (area.left + area.right) / 2.0, 2.0);
                break;
        }
    }
}

TEST(GdiCanvasTest, MeasuresInItsFontsAndCutsALongCaptionWithAnEllipsis)
{
    const platform::win::UniqueHFont main = CreateSkinFont({"Segoe UI", 15, 300});
    const platform::win::UniqueHFont value = CreateSkinFont({"Segoe UI", 30, 300});
    const ui::Rect row{20, 5, 150, 21};
    const std::string caption = "A caption much too long for its row";
    PixelSurface surface(200, 40, kBackground);
    {
        GdiCanvas canvas(surface.Dc(), main.get(), value.get());
        const int save = canvas.TextWidth("Save", FontRole::kMain);
        EXPECT_GT(save, 0);
        EXPECT_GT(canvas.TextWidth("Save", FontRole::kValue), save);
        EXPECT_EQ(CaptionAlignment(canvas, "Save", row), TextAlignment::kCentre);
        ASSERT_EQ(CaptionAlignment(canvas, caption, row), TextAlignment::kLeftEllipsis);
        canvas.SetTextStyle(FontRole::kMain, kText);
        canvas.DrawText(caption, row, TextAlignment::kLeftEllipsis);
    }
    const Ink ink = FindInk(surface, 200, 40, row);
    ASSERT_LT(ink.left, ink.right);
    EXPECT_FALSE(ink.outside);
    EXPECT_LE(ink.left, row.left + 3);
    // The end shows the ellipsis, not the letters that a plain cut would show.
    PixelSurface cut(200, 40, kBackground);
    {
        GdiCanvas canvas(cut.Dc(), main.get(), nullptr);
        canvas.SetTextStyle(FontRole::kMain, kText);
        canvas.DrawText(caption, row, TextAlignment::kLeft);
    }
    bool differs = false;
    for (int y = row.top; y < row.bottom; ++y) {
        for (int x = row.left; x < row.right; ++x) {
            differs = differs || !ColourNear(surface.At(x, y), cut.At(x, y), 0);
        }
    }
    EXPECT_TRUE(differs);
}

TEST(GdiCanvasTest, WrappedTextBreaksAtWordsAndCentresItsLinesOnTheRectangle)
{
    const platform::win::UniqueHFont main = CreateSkinFont({"Arial", 14, 400});
    const ui::Rect area{40, 30, 130, 62};
    PixelSurface surface(200, 100, kBackground);
    {
        GdiCanvas canvas(surface.Dc(), main.get(), nullptr);
        canvas.SetTextStyle(FontRole::kMain, kText);
        canvas.DrawText("Repeat until the key is released", area, TextAlignment::kLeftWrapped);
    }
    int top = 100;
    int bottom = -1;
    for (int y = 0; y < 100; ++y) {
        for (int x = 0; x < 200; ++x) {
            const Rgba pixel = surface.At(x, y);
            if (pixel.red >= 128 && pixel.green >= 128) {
                top = std::min(top, y);
                bottom = std::max(bottom, y);
                EXPECT_TRUE(x >= area.left && x < area.right) << x;
            }
        }
    }
    ASSERT_LT(top, bottom);
    EXPECT_GT(bottom - top, 20);  // more than one line
    EXPECT_NEAR((top + bottom) / 2.0, (area.top + area.bottom) / 2.0, 4.0);
}

}  // namespace
}  // namespace zalvane::ui::win
