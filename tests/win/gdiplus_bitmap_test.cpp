// GDI+ bitmaps from the executable's resources, and the image button's colour matrices
// measured on the pixels GDI+ draws.

#include "ui/win/gdiplus_bitmap.h"

#include <gtest/gtest.h>

#include "resource_ids.h"
#include "ui/pixel_math.h"
#include "win/win_test_support.h"

namespace zalvane::ui::win {
namespace {

using platform::win::UniqueHGlobal;
using wintest::ColourNear;
using wintest::PixelSurface;

TEST(GdiPlusBitmapResourceTest, LoadsTheScrollThumbAndKeepsItsBlockUntilEmptied)
{
    const long blocksBefore = UniqueHGlobal::LiveCount();
    {
        CGdiPlusBitmapResource thumb;
        ASSERT_TRUE(thumb.Load(IDR_THUMB_PNG, L"PNG"));
        EXPECT_EQ(thumb.get()->GetWidth(), 8u);
        EXPECT_EQ(thumb.get()->GetHeight(), 114u);
        EXPECT_EQ(UniqueHGlobal::LiveCount(), blocksBefore + 1);
        // Loading again first lets the old block go.
        ASSERT_TRUE(thumb.Load(IDR_THUMB_PNG, L"PNG"));
        EXPECT_EQ(UniqueHGlobal::LiveCount(), blocksBefore + 1);

        // Failures leave it empty with no block.
        struct Failure {
            UINT id;
            const wchar_t* type;
        };
        for (const Failure& failure :
             {Failure{999, L"PNG"}, Failure{IDR_THUMB_PNG, L"JPG"}, Failure{IDD_MAIN_DIALOG, MAKEINTRESOURCEW(5)}}) {
            EXPECT_FALSE(thumb.Load(failure.id, failure.type)) << failure.id;
            EXPECT_FALSE(thumb);
            EXPECT_EQ(UniqueHGlobal::LiveCount(), blocksBefore);
        }
        ASSERT_TRUE(thumb.Load(IDR_THUMB_PNG, L"PNG"));
    }
    EXPECT_EQ(UniqueHGlobal::LiveCount(), blocksBefore);
}

TEST(ProgramResourcesTest, WindowIconLoadsInTheSizesTheSystemAsksFor)
{
    for (const int size : {16, 32, 48}) {
        const platform::win::UniqueHIcon icon(static_cast<HICON>(
            ::LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_MAIN_ICON), IMAGE_ICON, size, size, 0)));
        ASSERT_TRUE(icon) << size;
        ICONINFO info{};
        ASSERT_TRUE(::GetIconInfo(icon.get(), &info));
        BITMAP colour{};
        ::GetObjectW(info.hbmColor, sizeof colour, &colour);
        EXPECT_EQ(colour.bmWidth, size);
        ::DeleteObject(info.hbmColor);
        ::DeleteObject(info.hbmMask);
    }
}

// One pixel through a matrix onto a background, as GDI+ draws it and as the matrix says.
TEST(ColourMatrixDrawTest, GdiplusAppliesTheButtonMatricesAsRowVectors)
{
    constexpr Rgba kBackground{40, 80, 120, 255};
    struct Case {
        const ColourMatrix* matrix;
        Rgba source;
        int tolerance;
    };
    const Case cases[] = {
        {&kHotMatrix, {100, 150, 200, 255}, 1},   {&kHotMatrix, {0, 0, 0, 255}, 1},  // the 0.05 offset row
        {&kHotMatrix, {250, 240, 10, 255}, 1},                                       // clamped red
        {&kGreyscaleMatrix, {255, 0, 0, 255}, 1}, {&kGreyscaleMatrix, {20, 200, 90, 255}, 1},
        {&kHotMatrix, {200, 100, 0, 128}, 2},  // then blended over the background
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "source " << int(c.source.red) << ", " << int(c.source.green) << ", "
                                          << int(c.source.blue) << ", " << int(c.source.alpha));
        Gdiplus::Bitmap bitmap(1, 1, PixelFormat32bppARGB);
        bitmap.SetPixel(0, 0, Gdiplus::Color(c.source.alpha, c.source.red, c.source.green, c.source.blue));
        PixelSurface surface(3, 3, kBackground);
        {
            Gdiplus::Graphics graphics(surface.Dc());
            DrawBitmap(graphics, &bitmap, 1, 1, c.matrix);
        }
        const Rgba through = ApplyColourMatrix(*c.matrix, c.source);
        auto over = [&](std::uint8_t s, std::uint8_t b) {
            return BlendChannel(PremultiplyChannel(s, through.alpha), through.alpha, b);
        };
        const Rgba expected{over(through.red, kBackground.red), over(through.green, kBackground.green),
                            over(through.blue, kBackground.blue), 255};
        EXPECT_TRUE(ColourNear(surface.At(1, 1), expected, c.tolerance));
        EXPECT_TRUE(ColourNear(surface.At(0, 0), kBackground, 0));
    }
}

}  // namespace
}  // namespace zalvane::ui::win
