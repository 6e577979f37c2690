// Slider pictures against the program's slider arithmetic: a click on the knob of a value's
// picture gives that value back, so the knob always sits where the user put it.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "pages/dpi_panel_geometry.h"
#include "pages/lighting_panel_geometry.h"
#include "pages/sensor_panel_geometry.h"
#include "pages/skin_catalogue.h"
#include "panel_art.h"
#include "skin_files.h"

namespace zalvane::skingen::testing {
namespace {

using namespace pages;

// The common slider routine for horizontal sliders (x relative to the slider's left edge).
int SliderValue(int x, int offset, int step)
{
    const int v = x - offset;
    return v < 0 ? 1 : v / step + 2;
}

struct Slider {
    const char* name;
    int offset, step, labelled, maxValue, width;
};

TEST(SliderPictures, ClickingAKnobGivesItsValue)
{
    const Rect strip{0, -20, 242, 0};
    const Slider sliders[] = {
        {"X/Y", kXySliderOffset, kXySliderStep, kXyScaleLabelCount, kXyMaxValue, XSlider(strip).Width()},
        {"lighting", kLightingSliderOffset, kLightingSliderStep, kLightingScaleLabelCount, kLightingMaxValue,
         LightingSlider(strip, 1).Width()},
        {"gesture", kGestureSliderOffset, kGestureSliderStep, kGestureScaleLabelCount, kGestureMaxValue,
         GestureSlider(strip).Width()},
    };
    for (const Slider& s : sliders) {
        for (int value = 1; value <= s.maxValue; ++value) {
            const double knob = HorizontalKnob(value, s.offset, s.step, s.labelled, s.width);
            const int pixel = static_cast<int>(std::floor(knob));
            ASSERT_GE(pixel, 0) << s.name << " " << value;
            ASSERT_LT(pixel, s.width) << s.name << " " << value;
            // The gesture slider's last pixels would compute 6, which the page keeps at 5.
            EXPECT_EQ(std::min(SliderValue(pixel, s.offset, s.step), s.maxValue), value) << s.name << " " << value;
        }
    }
}

// The DPI slider's knob (its light rows in the track's centre column) is centred on the row
// that gives the value.
TEST(SliderPictures, DpiKnobSitsOnTheValuesRow)
{
    for (int value : {1, 2, 37, 119, 120}) {
        const Image& image = SkinImage(pages::SkinImageName(pages::kDpiStagePattern, value));
        ASSERT_TRUE(image);
        const int column = image.Width() / 2;
        int first = -1, last = -1;
        for (int y = 0; y < image.Height(); ++y) {
            const Colour c = image.Pixel(column, y);
            if (std::min({c.r, c.g, c.b}) > 120) {
                first = first < 0 ? y : first;
                last = y;
            }
        }
        ASSERT_GE(first, 0) << "no knob for " << value;
        EXPECT_EQ(last - first, 2) << "a three-row knob, value " << value;
        const int clickY = DpiStageSlider(0).top + (first + last) / 2;
        const int v = kDpiSliderBottom - clickY - kDpiSliderFloor;
        const int clicked = v <= 0 ? 1 : std::min(v + 1, kDpiStageMaxValue);
        EXPECT_EQ(clicked, value) << "knob rows " << first << ".." << last;
    }
}

}  // namespace
}  // namespace zalvane::skingen::testing
