// What the skin's pixels must be for the program's way of drawing: no pure white where the
// splash's colour key would punch a hole, opaque images (each draw replaces what lay under
// it on the kept background), and the program's text colour readable wherever it writes.

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "assign/macro_manager_layout.h"
#include "dialogs/config_dialog_layout.h"
#include "dialogs/help_dialog_layout.h"
#include "pages/lighting_panel_geometry.h"
#include "pages/main_window_geometry.h"
#include "pages/pointer_panel_geometry.h"
#include "pages/sensor_panel_geometry.h"
#include "pages/skin_catalogue.h"
#include "palette.h"
#include "skin_files.h"

namespace zalvane::skingen::testing {
namespace {

using namespace pages;

bool PureWhite(const Colour& c) { return c.a > 0 && c.r == 255 && c.g == 255 && c.b == 255; }

TEST(SkinPixels, PureWhiteOnlyOutlinesTheSplash)
{
    for (const std::string& name : pages::AllSkinImageNames()) {
        const Image& image = SkinImage(name);
        ASSERT_TRUE(image) << name;
        const bool splash = name == pages::kStartImage;
        // The splash's holes round its corners; nowhere else may a pixel be pure white.
        constexpr int kCorner = 16;
        int holes = 0;
        for (int y = 0; y < image.Height(); ++y) {
            for (int x = 0; x < image.Width(); ++x) {
                if (!PureWhite(image.Pixel(x, y))) {
                    continue;
                }
                const bool inCorner =
                    (x < kCorner || x >= image.Width() - kCorner) && (y < kCorner || y >= image.Height() - kCorner);
                ++holes;
                ASSERT_TRUE(splash && inCorner) << name << " is pure white at " << x << ", " << y;
            }
        }
        if (splash) {
            EXPECT_GT(holes, 4 * 20) << "the splash should have rounded, see-through corners";
            EXPECT_TRUE(PureWhite(image.Pixel(0, 0)));
        }
    }
}

TEST(SkinPixels, EveryImageIsOpaque)
{
    for (const std::string& name : pages::AllSkinImageNames()) {
        const Image& image = SkinImage(name);
        ASSERT_TRUE(image) << name;
        int seeThrough = 0;
        for (int y = 0; y < image.Height(); ++y) {
            for (int x = 0; x < image.Width(); ++x) {
                seeThrough += image.Pixel(x, y).a < 1.0 ? 1 : 0;
            }
        }
        EXPECT_EQ(seeThrough, 0) << name;
    }
}

double Linear(int component)
{
    const double c = component / 255.0;
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double Luminance(const Colour& c) { return 0.2126 * Linear(c.r) + 0.7152 * Linear(c.g) + 0.0722 * Linear(c.b); }

double Contrast(const Colour& a, const Colour& b)
{
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

struct TextArea {
    std::string image;
    Rect area;  // where the program writes, in image pixels
    Colour ink = palette::kText;
};

std::vector<TextArea> TextAreas()
{
    const Rect strip{0, -20, 242, 0};
    const Rect speedDial = SpeedDial(strip, 242);
    std::vector<TextArea> areas{
        {std::string(pages::kItemStripImage), {kItemCaptionInset, 2, 160, 18}},
        {std::string(pages::kMacroManagerStripImage), {kItemCaptionInset, 2, 160, 36}},
        {std::string(pages::kCancelNormalImage), {6, 4, 51, 26}},
        {std::string(pages::kCancelOverImage), {6, 4, 51, 26}},
        {std::string(pages::kSaveNormalImage), {6, 4, 51, 26}},
        {std::string(pages::kSaveOverImage), {6, 4, 51, 26}},
        {std::string(pages::kConfigNormalImage), {kConfigLabelInset, 4, 68, 26}},
        {std::string(pages::kConfigOverImage), {kConfigLabelInset, 4, 68, 26}},
        {std::string(pages::kMouseSwitchNormalImage), {8, 4, 54, 25}},
        {std::string(pages::kMouseSwitchSelectedImage), {8, 4, 54, 25}},
        {std::string(pages::kDropdownNormalImage), {12, 2, 110, 14}},
        {std::string(pages::kDropdownOverImage), {12, 2, 110, 14}},
        {std::string(pages::kDropdownChosenImage), {12, 2, 110, 14}},
        {std::string(pages::kDpiValueImage), {2, 2, 23, 9}},
        {std::string(pages::kLightingBackground), LightingModeCaption(strip, 1)},
        {std::string(pages::kLightingBackground), LightingScaleLabel(strip, 3, 0)},
        {std::string(pages::kMouseAttributeBackground), SlowCaption(speedDial)},
        {std::string(pages::kMouseAttributeBackground), FastCaption(speedDial)},
        {std::string(pages::kScrollSpeedBackground), LineModeCaption(strip)},
        {std::string(pages::kScrollSpeedBackground), PageModeCaption(strip)},
        {std::string(pages::kAngleSnapBackground), AngleSnapOnCaption(strip)},
        {std::string(pages::kGestureBackground), GestureScaleLabel(strip, 2)},
        {std::string(pages::kXyBackground), XAxisCaption(strip)},
        {std::string(pages::kXyBackground), YScaleLabel(strip, 4)},
        {std::string(pages::kConfigBackground), dialogs::kConfigTitleText},
        {std::string(pages::kConfigBackground), dialogs::kConfigNewText},
        {std::string(pages::kMacroManagerBackground), {assign::kMacroTitleInset, 4, 200, 28}},
        {std::string(pages::kMacroManagerBackground), assign::kMacroColumnHeaders[2]},
        {std::string(pages::kMacroManagerBackground), assign::kDelayLabel},
        {std::string(pages::kMacroManagerBackground), assign::kLoopLabel},
        {std::string(pages::kRecordImage), {12, 4, 77, 20}},
        {std::string(pages::kMacroCancelNormalImage), {6, 4, 48, 24}},
        {std::string(pages::kMacroCancelOverImage), {6, 4, 48, 24}},
        {std::string(pages::kDialogButtonNormalImage), {6, 4, 52, 21}},
        {std::string(pages::kDialogButtonOverImage), {6, 4, 52, 21}},
        // The help panel writes in black.
        {std::string(pages::kHelpBackground), dialogs::kHelpAddressLine, {0, 0, 0}},
        {std::string(pages::kHelpBackground), dialogs::kHelpVersionLine, {0, 0, 0}},
    };
    return areas;
}

// Against the area's average the text colour meets the usual 4.5 : 1 for body text, and no
// single pixel under the text drops below 3 : 1.
TEST(SkinPixels, TheTextColourReadsWhereverTheProgramWrites)
{
    for (const TextArea& text : TextAreas()) {
        const Image& image = SkinImage(text.image);
        ASSERT_TRUE(image) << text.image;
        const Rect area{std::max(0, text.area.left), std::max(0, text.area.top),
                        std::min(image.Width(), text.area.right), std::min(image.Height(), text.area.bottom)};
        ASSERT_FALSE(area.IsEmpty()) << text.image << " " << Describe(text.area);
        double r = 0, g = 0, b = 0, worst = 100;
        for (int y = area.top; y < area.bottom; ++y) {
            for (int x = area.left; x < area.right; ++x) {
                const Colour c = image.Pixel(x, y);
                r += c.r, g += c.g, b += c.b;
                worst = std::min(worst, Contrast(text.ink, c));
            }
        }
        const double n = area.Width() * area.Height();
        const Colour mean{static_cast<int>(r / n), static_cast<int>(g / n), static_cast<int>(b / n)};
        EXPECT_GE(Contrast(text.ink, mean), 4.5) << text.image << " " << Describe(text.area);
        EXPECT_GE(worst, 3.0) << text.image << " " << Describe(text.area);
    }
}

}  // namespace
}  // namespace zalvane::skingen::testing
