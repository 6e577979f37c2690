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
#include "skin_files.h"
#include "ui/skin_catalogue.h"

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
    const std::string main(ui::kMainImage);
    const std::string macro(ui::kMacroManagerBackground);
    std::vector<OnBackground> all{
        {std::string(ui::kItemStripImage), std::string(ui::kMainRightImage), {0, 0}},
        {std::string(ui::kMacroManagerStripImage), std::string(ui::kMainLeftImage),
         Minus(InitialStrip(Item::MacroManager).TopLeft(), kLeftColumnOrigin)},
        {std::string(ui::kDpiBackground), std::string(ui::kMainRightImage), Minus(kDpiPanelOrigin, kRightColumnOrigin),
         true},
        {std::string(ui::kAssignmentSideBackground), std::string(ui::kMainLeftImage),
         Minus(kButtonAssignmentPanelOrigin, kLeftColumnOrigin), true},
        {std::string(ui::kCancelNormalImage), main, kResetButton.TopLeft()},
        {std::string(ui::kCancelOverImage), main, kCancelButton.TopLeft()},
        {std::string(ui::kSaveNormalImage), main, kSaveButton.TopLeft()},
        {std::string(ui::kSaveOverImage), main, kSaveButton.TopLeft()},
        {std::string(ui::kConfigNormalImage), main, kConfigButton.TopLeft()},
        {std::string(ui::kConfigOverImage), main, kConfigButton.TopLeft()},
        {std::string(ui::kMouseSwitchNormalImage), main, kSideSwitch.TopLeft()},
        {std::string(ui::kMouseSwitchSelectedImage), main, kFrontSwitch.TopLeft()},
        {std::string(ui::kDialogButtonNormalImage), std::string(ui::kSingleKeyBackground), kKeyDialogOk.TopLeft()},
        {std::string(ui::kDialogButtonOverImage), std::string(ui::kComboKeyBackground), kKeyDialogCancel.TopLeft()},
        {std::string(ui::kDialogButtonNormalImage), macro, kMacroNew.TopLeft()},
        {std::string(ui::kMacroCancelNormalImage), macro, kMacroOk.TopLeft()},
        {std::string(ui::kMacroCancelOverImage), macro, kMacroCancel.TopLeft()},
        {std::string(ui::kRecordImage), macro, kRecordButton.TopLeft()},
        {std::string(ui::kMacroCloseNormalImage), macro, kMacroClose.TopLeft()},
        {std::string(ui::kMacroCloseOverImage), macro, kMacroClose.TopLeft()},
        {std::string(ui::kMacroTickOffImage), macro, kDelayTick.TopLeft()},
        {std::string(ui::kMacroTickOnImage), macro, kLoopTick.TopLeft()},
        {std::string(ui::kTickOffImage), std::string(ui::kMacroKeyBackground), MacroModeTick(1).TopLeft()},
        {std::string(ui::kTickOnImage), std::string(ui::kMacroKeyBackground), MacroModeTick(2).TopLeft()},
        {std::string(ui::kConfigNewImage), std::string(ui::kConfigBackground), dialogs::kConfigNewImage},
        {std::string(ui::kDpiValueImage), std::string(ui::kDpiBackground),
         Minus(DpiValueBox(3).TopLeft(), kDpiPanelOrigin)},
        {ui::SkinImageName(ui::kDpiStagePattern, 60), std::string(ui::kDpiBackground),
         Minus(DpiStageSlider(5).TopLeft(), kDpiPanelOrigin)},
        {ui::SkinImageName(ui::kLightingPattern, 3), std::string(ui::kLightingBackground),
         LightingSlider(strip, 3).TopLeft()},
        {ui::SkinImageName(ui::kReportRatePattern, 250), std::string(ui::kReportRateBackground),
         ReportRateDial(strip, 242).TopLeft()},
        {ui::SkinImageName(ui::kSpeedPattern, 5), std::string(ui::kMouseAttributeBackground),
         SpeedDial(strip, 242).TopLeft()},
        {std::string(ui::kScrollModeOnImage), std::string(ui::kScrollSpeedBackground), LineModeSwitch(strip).TopLeft()},
        {std::string(ui::kScrollModeOffImage), std::string(ui::kScrollSpeedBackground),
         PageModeSwitch(strip).TopLeft()},
        {ui::SkinImageName(ui::kStageSliderPattern, 6), std::string(ui::kXyBackground), YSlider(strip).TopLeft()},
        {ui::SkinImageName(ui::kGesturePattern, 2), std::string(ui::kGestureBackground),
         GestureSlider(strip).TopLeft()},
    };
    for (int row : {1, 7}) {
        const Point at = Minus(AssignmentRow(row).TopLeft(), kButtonAssignmentPanelOrigin);
        all.push_back({std::string(ui::kDropdownNormalImage), std::string(ui::kAssignmentFrontBackground), at});
        all.push_back({std::string(ui::kDropdownOverImage), std::string(ui::kAssignmentFrontBackground), at});
        all.push_back({std::string(ui::kDropdownChosenImage), std::string(ui::kAssignmentSideBackground), at});
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
        {ui::kHelpNormalImage, ui::kHelpOverImage},
        {ui::kMinimiseNormalImage, ui::kMinimiseOverImage},
        {ui::kCloseNormalImage, ui::kCloseOverImage},
        {ui::kCancelNormalImage, ui::kCancelOverImage},
        {ui::kSaveNormalImage, ui::kSaveOverImage},
        {ui::kConfigNormalImage, ui::kConfigOverImage},
        {ui::kMouseSwitchNormalImage, ui::kMouseSwitchSelectedImage},
        {ui::kDropdownNormalImage, ui::kDropdownOverImage},
        {ui::kDropdownNormalImage, ui::kDropdownChosenImage},
        {ui::kDialogButtonNormalImage, ui::kDialogButtonOverImage},
        {ui::kMacroCancelNormalImage, ui::kMacroCancelOverImage},
        {ui::kMacroCloseNormalImage, ui::kMacroCloseOverImage},
        {ui::kInsertMacroNormalImage, ui::kInsertMacroOverImage},
        {ui::kTickOffImage, ui::kTickOnImage},
        {ui::kMacroTickOffImage, ui::kMacroTickOnImage},
        {ui::kEnableImage, ui::kDisableImage},
        {ui::kScrollModeOnImage, ui::kScrollModeOffImage},
    };
    for (const auto& [normal, over] : pairs) {
        EXPECT_EQ(SkinImage(normal).Extent(), SkinImage(over).Extent()) << normal << " and " << over;
    }
}

}  // namespace
}  // namespace zalvane::skingen::testing
