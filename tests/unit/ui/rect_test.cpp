// The rectangle every click and every image position of the windows is decided with.

#include <gtest/gtest.h>

#include "ui/rect.h"

namespace zalvane::ui {
namespace {

TEST(Rect, HoldsItsLeftAndTopEdgesButNotItsRightAndBottom)
{
    const Rect r{10, 20, 30, 40};
    struct Case {
        int x, y;
        bool inside;
    };
    const Case cases[] = {
        {10, 20, true}, {29, 39, true},  {30, 20, false}, {10, 40, false},
        {9, 25, false}, {15, 19, false}, {29, 40, false}, {30, 39, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(r.Contains(c.x, c.y), c.inside) << c.x << ", " << c.y;
    }
    EXPECT_FALSE((Rect{5, 5, 5, 9}.Contains(5, 6))) << "an empty rectangle holds no point";
}

TEST(Rect, EnclosesAndIntersectsFollowTheSameEdges)
{
    const Rect outer{0, 0, 100, 50};
    EXPECT_TRUE(outer.Encloses(outer));
    EXPECT_TRUE(outer.Encloses({0, 0, 100, 1}));
    EXPECT_FALSE(outer.Encloses({0, 0, 101, 1}));
    EXPECT_FALSE(outer.Encloses({-1, 0, 10, 10}));
    // Rectangles that only share an edge do not overlap: side-by-side buttons never both take a click.
    EXPECT_FALSE((Rect{0, 0, 10, 10}.Intersects({10, 0, 20, 10})));
    EXPECT_FALSE((Rect{0, 0, 10, 10}.Intersects({0, 10, 10, 20})));
    EXPECT_TRUE((Rect{0, 0, 10, 10}.Intersects({9, 9, 20, 20})));
    EXPECT_EQ((Rect::At({3, 4}, {5, 6})), (Rect{3, 4, 8, 10}));
    EXPECT_EQ((Rect{1, 2, 3, 4}.Offset(10, -2)), (Rect{11, 0, 13, 2}));
}

}  // namespace
}  // namespace zalvane::ui
