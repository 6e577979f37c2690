// The button spots against the mouse pictures: each sits on its picture at the position the
// highlighting uses, and lighting one changes no pixel that another spot may redraw.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <span>
#include <string>

#include "pages/main_window_geometry.h"
#include "pages/skin_catalogue.h"
#include "skin_files.h"

namespace zalvane::skingen::testing {
namespace {

using namespace pages;

struct View {
    const char* name;
    std::string_view picture;
    Point origin;
    std::span<const Point> spots;
    std::string_view normal;
    std::string_view over;
};

const View kViews[] = {
    {"front", pages::kMouseFrontImage, kFrontPictureOrigin, kFrontSpots, pages::kFrontSpotNormalPattern,
     pages::kFrontSpotOverPattern},
    {"side", pages::kMouseSideImage, kSidePictureOrigin, kSideSpots, pages::kSideSpotNormalPattern,
     pages::kSideSpotOverPattern},
};

bool SameColour(const Colour& a, const Colour& b) { return a.r == b.r && a.g == b.g && a.b == b.b && a.a == b.a; }

Rect SpotRect(const View& view, int spot)
{
    return Rect::At(view.spots[static_cast<std::size_t>(spot - 1)],
                    SkinImage(pages::SkinImageName(view.normal, spot)).Extent());
}

// The program draws spots in no promised order (one lit, the rest normal), so no two spots
// of a view may share a pixel.
TEST(MouseSpots, SpotsOfAViewNeverOverlap)
{
    for (const View& view : kViews) {
        const int count = static_cast<int>(view.spots.size());
        for (int a = 1; a <= count; ++a) {
            for (int b = a + 1; b <= count; ++b) {
                EXPECT_FALSE(SpotRect(view, a).Intersects(SpotRect(view, b))) << view.name << " " << a << " and " << b;
            }
        }
    }
}

// Drawing a normal spot over the picture must change nothing: then it sits exactly where
// the picture has that button, and restoring a spot leaves no seam.
TEST(MouseSpots, NormalSpotsAreThePictureItselfAtTheirPositions)
{
    for (const View& view : kViews) {
        const Image& picture = SkinImage(view.picture);
        const Rect pictureRect = Rect::At(view.origin, picture.Extent());
        for (int spot = 1; spot <= static_cast<int>(view.spots.size()); ++spot) {
            const Image& normal = SkinImage(pages::SkinImageName(view.normal, spot));
            const Image& over = SkinImage(pages::SkinImageName(view.over, spot));
            ASSERT_TRUE(normal && over) << view.name << " " << spot;
            EXPECT_EQ(normal.Extent(), over.Extent()) << view.name << " " << spot;
            const Rect rect = SpotRect(view, spot);
            ASSERT_TRUE(pictureRect.Encloses(rect)) << view.name << " spot " << spot << " " << Describe(rect);
            int mismatches = 0;
            for (int y = 0; y < normal.Height(); ++y) {
                for (int x = 0; x < normal.Width(); ++x) {
                    const Colour onPicture = picture.Pixel(rect.left - view.origin.x + x, rect.top - view.origin.y + y);
                    mismatches += SameColour(normal.Pixel(x, y), onPicture) ? 0 : 1;
                }
            }
            EXPECT_EQ(mismatches, 0) << view.name << " spot " << spot;
        }
    }
}

// The over image lights the button in the accent, and only where no other spot is drawn.
TEST(MouseSpots, OverSpotsLightUpInTheAccentInsideTheirOwnSpotOnly)
{
    for (const View& view : kViews) {
        const int count = static_cast<int>(view.spots.size());
        for (int spot = 1; spot <= count; ++spot) {
            const Image& normal = SkinImage(pages::SkinImageName(view.normal, spot));
            const Image& over = SkinImage(pages::SkinImageName(view.over, spot));
            const Rect rect = SpotRect(view, spot);
            int changed = 0;
            long redExcess = 0;
            for (int y = 0; y < over.Height(); ++y) {
                for (int x = 0; x < over.Width(); ++x) {
                    const Colour lit = over.Pixel(x, y);
                    if (SameColour(lit, normal.Pixel(x, y))) {
                        continue;
                    }
                    ++changed;
                    redExcess += lit.r - (lit.g + lit.b) / 2;
                    for (int other = 1; other <= count; ++other) {
                        if (other != spot) {
                            EXPECT_FALSE(SpotRect(view, other).Contains(rect.left + x, rect.top + y))
                                << view.name << " spot " << spot << " lights a pixel of spot " << other;
                        }
                    }
                }
            }
            // A clearly visible area, clearly red.
            EXPECT_GE(changed, 150) << view.name << " spot " << spot;
            EXPECT_GT(redExcess, 100L * changed) << view.name << " spot " << spot;
        }
    }
}

// A picture lies on the stage that is drawn under it; along its edges it must still be the
// stage (the mouse and its shadow end inside), or a seam would show around it.
TEST(MouseSpots, PicturesMeltIntoTheStageAtTheirEdges)
{
    const Image& stage = SkinImage(pages::kMainMidImage);
    for (const View& view : kViews) {
        const Image& picture = SkinImage(view.picture);
        int worst = 0;
        Point where;
        auto compare = [&](int x, int y) {
            const Colour a = picture.Pixel(x, y);
            const Colour b =
                stage.Pixel(view.origin.x + x - kMiddleBackground.left, view.origin.y + y - kMiddleBackground.top);
            const int difference = std::abs(a.r - b.r) + std::abs(a.g - b.g) + std::abs(a.b - b.b);
            if (difference > worst) {
                worst = difference;
                where = {x, y};
            }
        };
        for (int x = 0; x < picture.Width(); ++x) {
            compare(x, 0);
            compare(x, picture.Height() - 1);
        }
        for (int y = 0; y < picture.Height(); ++y) {
            compare(0, y);
            compare(picture.Width() - 1, y);
        }
        EXPECT_LE(worst, 6) << view.name << " at " << where.x << ", " << where.y;
    }
}

}  // namespace
}  // namespace zalvane::skingen::testing
