#include "ui/pixel_math.h"

#include <gtest/gtest.h>

#include <vector>

namespace zalvane::ui {
namespace {

TEST(PixelMathTest, PremultiplyRoundsTowardZero)
{
    struct Case {
        std::uint8_t value, alpha, expected;
    };
    const Case cases[] = {
        {255, 128, 128}, {255, 255, 255}, {255, 0, 0}, {0, 200, 0}, {100, 128, 50},  // 50.19
        {1, 254, 0},                                                                 // 0.996 rounds down
        {254, 254, 253},                                                             // 253.0039
        {200, 1, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PremultiplyChannel(c.value, c.alpha), c.expected) << int(c.value) << " x " << int(c.alpha);
    }
}

TEST(PixelMathTest, BlendPutsThePremultipliedSourceOverTheBackground)
{
    struct Case {
        std::uint8_t source, alpha, background, expected;
    };
    const Case cases[] = {
        {128, 128, 0, 128},   {128, 128, 50, 152},  // 128 + 50 x 127 / 255
        {128, 128, 255, 255}, {0, 0, 77, 77},       // alpha 0 leaves the background as it was
        {200, 255, 10, 200},  {0, 255, 255, 0},     // opaque hides it
    };
    for (const Case& c : cases) {
        EXPECT_EQ(BlendChannel(c.source, c.alpha, c.background), c.expected);
    }
}

TEST(PixelMathTest, PremultipliesEveryWholePixelAndKeepsAlpha)
{
    // Blue, green, red, alpha; two pixels and two stray bytes that are not a pixel.
    std::vector<std::uint8_t> pixels{10, 200, 255, 128, 255, 255, 255, 0, 99, 99};
    PremultiplyBgra(pixels);
    EXPECT_EQ(pixels, (std::vector<std::uint8_t>{5, 100, 128, 128, 0, 0, 0, 0, 99, 99}));
}

}  // namespace
}  // namespace zalvane::ui
