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
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const Rgba pixel = surface.At(x, y);
            if (pixel.red < 128 || pixel.green < 128)
                continue;
            ink.left = std::min(ink.left, x);
            ink.right = std::max(ink.right, x);
            ink.outside = ink.outside || !inside.Contains(x, y);
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
                EXPECT_LE(ink.left, area.left + 3);
                break;
            case TextAlignment::kRight:
                EXPECT_GE(ink.right, area.right - 4);
                break;
            case TextAlignment::kCentre:
                EXPECT_NEAR(middle, (area.left + area.right) / 2.0, 2.0);
                break;
        }
    }
}

}  // namespace
}  // namespace zalvane::ui::win
