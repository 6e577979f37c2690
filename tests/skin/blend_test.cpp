// Images drawn onto a background must blend into it: where an image shows its own rounded
// corners it carries the background's colour there, and a state's "over" twin covers
// exactly what its normal picture covers, so restoring leaves nothing behind.

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "assign/key_dialog_layout.h"
#include "assign/macro_manager_layout.h"
#include "dialogs/config_dialog_layout.h"
#include "pages/dpi_panel_geometry.h"
#include "pages/lighting_panel_geometry.h"
#include "pages/main_window_geometry.h"
#include "pages/pointer_panel_geometry.h"
#include "pages/sensor_panel_geometry.h"
#include "pages/skin_catalogue.h"
#include "skin_files.h"

namespace zalvane::skingen::testing {
namespace {

using namespace pages;

struct OnBackground {
    std::string image;
    std::string background;
    Point at;                 // the image's top-left corner in the background's pixels
    bool bottomOnly = false;  // a panel's top corners continue its strip's edges
};

Point Minus(Point a, Point b) { return {a.x - b.x, a.y - b.y}; }

std::vector<OnBackground> Placements()
{
    using namespace assign;
    const Rect strip{0, -20, 242, 0};
    const std::string main(pages::kMainImage);
    const std::string macro(pages::kMacroManagerBackground);
    std::vector<OnBackground> all{
        {std::string(pages::kItemStripImage), std::string(pages::kMainRightImage), {0, 0}},
        {std::string(pages::kMacroManagerStripImage), std::string(pages::kMainLeftImage),
         Minus(InitialStrip(Item::kMacroManager).TopLeft(), kLeftColumnOrigin)},
        {std::string(pages::kDpiBackground), std::string(pages::kMainRightImage),
         Minus(kDpiPanelOrigin, kRightColumnOrigin), true},
        {std::string(pages::kAssignmentSideBackground), std::string(pages::kMainLeftImage),
         Minus(kButtonAssignmentPanelOrigin, kLeftColumnOrigin), true},
        {std::string(pages::kCancelNormalImage), main, kResetButton.TopLeft()},
        {std::string(pages::kCancelOverImage), main, kCancelButton.TopLeft()},
        {std::string(pages::kSaveNormalImage), main, kSaveButton.TopLeft()},
        {std::string(pages::kSaveOverImage), main, kSaveButton.TopLeft()},
        {std::string(pages::kConfigNormalImage), main, kConfigButton.TopLeft()},
        {std::string(pages::kConfigOverImage), main, kConfigButton.TopLeft()},
        {std::string(pages::kMouseSwitchNormalImage), main, kSideSwitch.TopLeft()},
        {std::string(pages::kMouseSwitchSelectedImage), main, kFrontSwitch.TopLeft()},
        {std::string(pages::kDialogButtonNormalImage), std::string(pages::kSingleKeyBackground),
         kKeyDialogOk.TopLeft()},
        {std::string(pages::kDialogButtonOverImage), std::string(pages::kComboKeyBackground),
         kKeyDialogCancel.TopLeft()},
        {std::string(pages::kDialogButtonNormalImage), macro, kMacroNew.TopLeft()},
        {std::string(pages::kMacroCancelNormalImage), macro, kMacroOk.TopLeft()},
        {std::string(pages::kMacroCancelOverImage), macro, kMacroCancel.TopLeft()},
        {std::string(pages::kRecordImage), macro, kRecordButton.TopLeft()},
        {std::string(pages::kMacroCloseNormalImage), macro, kMacroClose.TopLeft()},
        {std::string(pages::kMacroCloseOverImage), macro, kMacroClose.TopLeft()},
        {std::string(pages::kMacroTickOffImage), macro, kDelayTick.TopLeft()},
        {std::string(pages::kMacroTickOnImage), macro, kLoopTick.TopLeft()},
        {std::string(pages::kTickOffImage), std::string(pages::kMacroKeyBackground), MacroModeTick(1).TopLeft()},
        {std::string(pages::kTickOnImage), std::string(pages::kMacroKeyBackground), MacroModeTick(2).TopLeft()},
        {std::string(pages::kConfigNewImage), std::string(pages::kConfigBackground), dialogs::kConfigNewImage},
        {std::string(pages::kDpiValueImage), std::string(pages::kDpiBackground),
         Minus(DpiValueBox(3).TopLeft(), kDpiPanelOrigin)},
        {pages::SkinImageName(pages::kDpiStagePattern, 60), std::string(pages::kDpiBackground),
         Minus(DpiStageSlider(5).TopLeft(), kDpiPanelOrigin)},
        {pages::SkinImageName(pages::kLightingPattern, 3), std::string(pages::kLightingBackground),
         LightingSlider(strip, 3).TopLeft()},
        {pages::SkinImageName(pages::kReportRatePattern, 250), std::string(pages::kReportRateBackground),
         ReportRateDial(strip, 242).TopLeft()},
        {pages::SkinImageName(pages::kSpeedPattern, 5), std::string(pages::kMouseAttributeBackground),
         SpeedDial(strip, 242).TopLeft()},
        {std::string(pages::kScrollModeOnImage), std::string(pages::kScrollSpeedBackground),
         LineModeSwitch(strip).TopLeft()},
        {std::string(pages::kScrollModeOffImage), std::string(pages::kScrollSpeedBackground),
         PageModeSwitch(strip).TopLeft()},
        {pages::SkinImageName(pages::kStageSliderPattern, 6), std::string(pages::kXyBackground),
         YSlider(strip).TopLeft()},
        {pages::SkinImageName(pages::kGesturePattern, 2), std::string(pages::kGestureBackground),
         GestureSlider(strip).TopLeft()},
    };
    for (int row : {1, 7}) {
        const Point at = Minus(AssignmentRow(row).TopLeft(), kButtonAssignmentPanelOrigin);
        all.push_back({std::string(pages::kDropdownNormalImage), std::string(pages::kAssignmentFrontBackground), at});
        all.push_back({std::string(pages::kDropdownOverImage), std::string(pages::kAssignmentFrontBackground), at});
        all.push_back({std::string(pages::kDropdownChosenImage), std::string(pages::kAssignmentSideBackground), at});
    }
    return all;
}

TEST(SkinBlend, ImageCornersCarryTheColourOfWhatLiesUnderThem)
{
    for (const OnBackground& p : Placements()) {
        const Image& image = SkinImage(p.image);
        const Image& background = SkinImage(p.background);
        ASSERT_TRUE(image && background) << p.image << " on " << p.background;
        ASSERT_TRUE(Bounds(background).Encloses(Rect::At(p.at, image.Extent()))) << p.image << " on " << p.background;
        const int right = image.Width() - 1;
        const int bottom = image.Height() - 1;
        for (const Point& corner : {Point{0, bottom}, Point{right, bottom}, Point{0, 0}, Point{right, 0}}) {
            if (p.bottomOnly && corner.y == 0) {
                continue;
            }
            const Colour a = image.Pixel(corner.x, corner.y);
            const Colour b = background.Pixel(p.at.x + corner.x, p.at.y + corner.y);
            // A rounded corner's outermost pixel may catch a sliver of the face.
            const int difference = std::abs(a.r - b.r) + std::abs(a.g - b.g) + std::abs(a.b - b.b);
            EXPECT_LE(difference, 16) << p.image << " on " << p.background << " at corner " << corner.x << ", "
                                      << corner.y << ": (" << a.r << ", " << a.g << ", " << a.b << ") over (" << b.r
                                      << ", " << b.g << ", " << b.b << ")";
        }
    }
}

TEST(SkinBlend, EachOverPictureCoversExactlyItsNormalPicture)
{
    const std::pair<std::string_view, std::string_view> pairs[] = {
        {pages::kHelpNormalImage, pages::kHelpOverImage},
        {pages::kMinimiseNormalImage, pages::kMinimiseOverImage},
        {pages::kCloseNormalImage, pages::kCloseOverImage},
        {pages::kCancelNormalImage, pages::kCancelOverImage},
        {pages::kSaveNormalImage, pages::kSaveOverImage},
        {pages::kConfigNormalImage, pages::kConfigOverImage},
        {pages::kMouseSwitchNormalImage, pages::kMouseSwitchSelectedImage},
        {pages::kDropdownNormalImage, pages::kDropdownOverImage},
        {pages::kDropdownNormalImage, pages::kDropdownChosenImage},
        {pages::kDialogButtonNormalImage, pages::kDialogButtonOverImage},
        {pages::kMacroCancelNormalImage, pages::kMacroCancelOverImage},
        {pages::kMacroCloseNormalImage, pages::kMacroCloseOverImage},
        {pages::kInsertMacroNormalImage, pages::kInsertMacroOverImage},
        {pages::kTickOffImage, pages::kTickOnImage},
        {pages::kMacroTickOffImage, pages::kMacroTickOnImage},
        {pages::kEnableImage, pages::kDisableImage},
        {pages::kScrollModeOnImage, pages::kScrollModeOffImage},
    };
    for (const auto& [normal, over] : pairs) {
        EXPECT_EQ(SkinImage(normal).Extent(), SkinImage(over).Extent()) << normal << " and " << over;
    }
}

}  // namespace
}  // namespace zalvane::skingen::testing
