#include "ui/colour_matrix.h"

#include <gtest/gtest.h>

namespace zalvane::ui {
namespace {

TEST(ColourMatrixTest, HotBrightensColourAndKeepsAlpha)
{
    const std::pair<Rgba, Rgba> cases[] = {
        {{0, 0, 0, 255}, {13, 13, 13, 255}},           // + 0.05 of full scale (12.75)
        {{100, 150, 200, 128}, {118, 170, 223, 128}},  // x 1.05 + 12.75
        {{240, 250, 255, 10}, {255, 255, 255, 10}},    // clamped at full scale
    };
    for (const auto& [in, out] : cases) {
        EXPECT_EQ(ApplyColourMatrix(kHotMatrix, in), out) << int(in.red);
    }
}

TEST(ColourMatrixTest, GreyscaleWeighsRedGreenAndBlue)
{
    const std::pair<Rgba, Rgba> cases[] = {
        {{255, 0, 0, 255}, {77, 77, 77, 255}},     // 0.3
        {{0, 255, 0, 200}, {150, 150, 150, 200}},  // 0.59
        {{0, 0, 255, 0}, {28, 28, 28, 0}},         // 0.11
        {{255, 255, 255, 255}, {255, 255, 255, 255}},
    };
    for (const auto& [in, out] : cases) {
        EXPECT_EQ(ApplyColourMatrix(kGreyscaleMatrix, in), out);
    }
}

}  // namespace
}  // namespace zalvane::ui
