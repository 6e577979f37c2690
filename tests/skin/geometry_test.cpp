// The skin against the program's geometry: controls lie on their backgrounds, images fit
// the rectangles they are drawn into, and the columns hold every layout the pages make.

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "assign/key_dialog_layout.h"
#include "assign/macro_manager_layout.h"
#include "dialogs/config_dialog_layout.h"
#include "dialogs/help_dialog_layout.h"
#include "pages/column_layout.h"
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

int WidthOf(std::string_view name) { return SkinImage(name).Width(); }

// A strip whose panel then starts at (0, 0): panel rectangles come out in image pixels.
Rect PanelStrip(std::string_view background) { return {0, -kItemStripHeight, WidthOf(background), 0}; }

struct Placement {
    std::string background;
    std::vector<Rect> controls;
};

std::vector<Placement> PanelControls()
{
    std::vector<Placement> all;

    Placement dpi{std::string(ui::kDpiBackground), {}};
    for (int stage = 0; stage < 7; ++stage) {
        for (const Rect& r :
             {DpiStageSlider(stage), DpiValueBox(stage), DpiEnableSwitch(stage), DpiColourSwatch(stage)}) {
            dpi.controls.push_back(r.Offset(-kDpiPanelOrigin.x, -kDpiPanelOrigin.y));
        }
    }
    all.push_back(dpi);

    const Rect light = PanelStrip(ui::kLightingBackground);
    Placement lighting{std::string(ui::kLightingBackground), {}};
    for (int row = 1; row <= kLightingRowCount; ++row) {
        lighting.controls.push_back(LightingModeSwitch(light, row));
        lighting.controls.push_back(LightingModeCaption(light, row));
        lighting.controls.push_back(LightingSlider(light, row));
        for (int label = 0; label < kLightingScaleLabelCount; ++label) {
            // The 30 px boxes of the last labels run past the panel; their texts ("100%",
            // "8S", "15S") need about 20 px of it.
            Rect box = LightingScaleLabel(light, row, label);
            box.right = box.left + 20;
            lighting.controls.push_back(box);
        }
    }
    all.push_back(lighting);

    all.push_back({std::string(ui::kReportRateBackground),
                   {ReportRateDial(PanelStrip(ui::kReportRateBackground), WidthOf(ui::kReportRateBackground))}});

    const Rect speedStrip = PanelStrip(ui::kMouseAttributeBackground);
    const Rect dial = SpeedDial(speedStrip, WidthOf(ui::kMouseAttributeBackground));
    all.push_back({std::string(ui::kMouseAttributeBackground), {dial, SlowCaption(dial), FastCaption(dial)}});

    const Rect scroll = PanelStrip(ui::kScrollSpeedBackground);
    all.push_back({std::string(ui::kScrollSpeedBackground),
                   {LineModeSwitch(scroll), LineModeCaption(scroll), PageModeSwitch(scroll), PageModeCaption(scroll),
                    ScrollLinesBox(scroll), ScrollUpArrow(scroll), ScrollDownArrow(scroll)}});

    const Rect snap = PanelStrip(ui::kAngleSnapBackground);
    all.push_back(
        {std::string(ui::kAngleSnapBackground),
         {AngleSnapOnSwitch(snap), AngleSnapOnCaption(snap), AngleSnapOffSwitch(snap), AngleSnapOffCaption(snap)}});

    const Rect gesture = PanelStrip(ui::kGestureBackground);
    Placement gestures{std::string(ui::kGestureBackground), {GestureSlider(gesture)}};
    for (int label = 0; label < kGestureScaleLabelCount; ++label) {
        gestures.controls.push_back(GestureScaleLabel(gesture, label));
    }
    all.push_back(gestures);

    const Rect xy = PanelStrip(ui::kXyBackground);
    Placement sensitivity{std::string(ui::kXyBackground),
                          {XAxisCaption(xy), XSlider(xy), YAxisCaption(xy), YSlider(xy)}};
    for (int label = 0; label < kXyScaleLabelCount; ++label) {
        sensitivity.controls.push_back(XScaleLabel(xy, label));
        sensitivity.controls.push_back(YScaleLabel(xy, label));
    }
    all.push_back(sensitivity);

    for (bool side : {false, true}) {
        Placement rows{std::string(side ? ui::kAssignmentSideBackground : ui::kAssignmentFrontBackground), {}};
        for (int row = 1; row <= (side ? kAssignmentRowCount : kAssignmentFrontRowCount); ++row) {
            rows.controls.push_back(
                AssignmentRow(row).Offset(-kButtonAssignmentPanelOrigin.x, -kButtonAssignmentPanelOrigin.y));
        }
        all.push_back(rows);
    }
    return all;
}

std::vector<Placement> DialogControls()
{
    using namespace assign;
    using namespace dialogs;
    std::vector<Placement> all;
    const std::vector<Rect> frame{kKeyDialogClose, kKeyDialogOk, kKeyDialogCancel};
    auto with = [&](std::vector<Rect> extra) {
        extra.insert(extra.end(), frame.begin(), frame.end());
        return extra;
    };
    all.push_back({std::string(ui::kSingleKeyBackground), with({kSingleKeyDisplay, kSingleKeyPrompt})});
    all.push_back({std::string(ui::kComboKeyBackground), with({kComboModifierDisplay, kComboModifierArea,
                                                               kComboModifierList, kComboKey1Field, kComboKey2Field})});
    std::vector<Rect> macroKey{kMacroKeyDisplay, kMacroKeyArea, kMacroKeyList};
    for (int mode = 0; mode < kMacroRepeatModeCount; ++mode) {
        macroKey.push_back(MacroModeTick(mode));
        macroKey.push_back(MacroModeText(mode));
    }
    all.push_back({std::string(ui::kMacroKeyBackground), with(macroKey)});
    std::vector<Rect> manager{kMacroTitleBand, kMacroClose, kMacroOk,   kMacroCancel,   kMacroNew,
                              kMacroDelete,    kMacroList,  kEventList, kRecordButton,  kDelayTick,
                              kDelayLabel,     kLoopTick,   kLoopLabel, kLoopTimesField};
    manager.insert(manager.end(), kMacroColumnHeaders.begin(), kMacroColumnHeaders.end());
    all.push_back({std::string(ui::kMacroManagerBackground), manager});
    all.push_back({std::string(ui::kConfigBackground),
                   {kConfigClose, kConfigTitleStrip, kConfigTitleText, kConfigList, kConfigNewStrip, kConfigNewText,
                    Rect::At(kConfigNewImage, SkinImage(ui::kConfigNewImage).Extent())}});
    // The help panel's close, OK and Cancel areas only count on a background large enough.
    all.push_back({std::string(ui::kHelpBackground), {kHelpAddressLine, kHelpUpdateLine, kHelpVersionLine}});
    return all;
}

TEST(SkinGeometry, EveryControlLiesOnItsPanelOrDialogBackground)
{
    std::vector<Placement> all = PanelControls();
    const std::vector<Placement> dialogs = DialogControls();
    all.insert(all.end(), dialogs.begin(), dialogs.end());
    for (const Placement& placement : all) {
        const Image& background = SkinImage(placement.background);
        ASSERT_TRUE(background) << placement.background;
        for (const Rect& control : placement.controls) {
            EXPECT_TRUE(Bounds(background).Encloses(control))
                << placement.background << " " << background.Width() << " x " << background.Height() << " lacks "
                << Describe(control);
        }
    }
}

TEST(SkinGeometry, MainWindowHoldsTheFrameAndThePictures)
{
    const Rect window = Bounds(SkinImage(ui::kMainImage));
    const std::vector<Rect> frame{kLogo,        kHelpButton,   kMinimiseButton,   kCloseButton,
                                  kResetButton, kCancelButton, kSaveButton,       kConfigButton,
                                  kFrontSwitch, kSideSwitch,   kMiddleBackground, kScrollBar};
    for (const Rect& r : frame) {
        EXPECT_TRUE(window.Encloses(r)) << Describe(r);
    }
    for (const Rect& strip : kInitialItemStrips) {
        EXPECT_TRUE(window.Encloses(strip)) << Describe(strip);
    }
    // Each mouse picture lies on the stage that is redrawn under it, and every row's list opens inside the window.
    EXPECT_TRUE(kMiddleBackground.Encloses(Rect::At(kFrontPictureOrigin, SkinImage(ui::kMouseFrontImage).Extent())));
    EXPECT_TRUE(kMiddleBackground.Encloses(Rect::At(kSidePictureOrigin, SkinImage(ui::kMouseSideImage).Extent())));
    for (int row = 1; row <= kAssignmentRowCount; ++row) {
        EXPECT_TRUE(window.Encloses(AssignmentListArea(row)));
    }
    const Rect help = Rect::At(kHelpPanelOrigin, SkinImage(ui::kHelpBackground).Extent());
    EXPECT_TRUE(window.Encloses(help)) << Describe(help);
}

struct Fit {
    std::string image;
    Rect rect;
};

std::vector<Fit> Fits()
{
    using namespace assign;
    const Rect strip{0, -20, 242, 0};
    std::vector<Fit> fits{
        {std::string(ui::kLogoImage), kLogo},
        {std::string(ui::kScrollBarImage), kScrollBar},
        {std::string(ui::kMainMidImage), kMiddleBackground},
        {std::string(ui::kItemStripImage), InitialStrip(Item::DpiSetting)},
        {std::string(ui::kMacroManagerStripImage), InitialStrip(Item::MacroManager)},
        {std::string(ui::kHelpNormalImage), kHelpButton},
        {std::string(ui::kHelpOverImage), kHelpButton},
        {std::string(ui::kMinimiseNormalImage), kMinimiseButton},
        {std::string(ui::kMinimiseOverImage), kMinimiseButton},
        {std::string(ui::kCloseNormalImage), kCloseButton},
        {std::string(ui::kCloseOverImage), kCloseButton},
        {std::string(ui::kCloseNormalImage), dialogs::kConfigClose},
        {std::string(ui::kCloseNormalImage), kKeyDialogClose},
        {std::string(ui::kCloseOverImage), kKeyDialogClose},
        {std::string(ui::kCancelNormalImage), kResetButton},
        {std::string(ui::kCancelOverImage), kCancelButton},
        {std::string(ui::kSaveNormalImage), kSaveButton},
        {std::string(ui::kSaveOverImage), kSaveButton},
        {std::string(ui::kConfigNormalImage), kConfigButton},
        {std::string(ui::kConfigOverImage), kConfigButton},
        {std::string(ui::kMouseSwitchNormalImage), kFrontSwitch},
        {std::string(ui::kMouseSwitchSelectedImage), kSideSwitch},
        {std::string(ui::kEnableImage), DpiEnableSwitch(0)},
        {std::string(ui::kDisableImage), DpiEnableSwitch(0)},
        {std::string(ui::kEnableImage), LightingModeSwitch(strip, 1)},
        {std::string(ui::kDisableImage), AngleSnapOffSwitch(strip)},
        {std::string(ui::kDpiValueImage), DpiValueBox(0)},
        {std::string(ui::kScrollModeOnImage), LineModeSwitch(strip)},
        {std::string(ui::kScrollModeOffImage), PageModeSwitch(strip)},
        {std::string(ui::kScrollLinesImage), ScrollLinesBox(strip)},
        {std::string(ui::kDropdownNormalImage), AssignmentRow(1)},
        {std::string(ui::kDropdownOverImage), AssignmentRow(12)},
        {std::string(ui::kDropdownChosenImage), AssignmentRow(7)},
        {std::string(ui::kDialogButtonNormalImage), kKeyDialogOk},
        {std::string(ui::kDialogButtonOverImage), kKeyDialogCancel},
        {std::string(ui::kDialogButtonNormalImage), kMacroNew},
        {std::string(ui::kDialogButtonOverImage), kMacroDelete},
        {std::string(ui::kTickOffImage), MacroModeTick(0)},
        {std::string(ui::kTickOnImage), MacroModeTick(2)},
        {std::string(ui::kMacroTickOffImage), kDelayTick},
        {std::string(ui::kMacroTickOnImage), kLoopTick},
        {std::string(ui::kRecordImage), kRecordButton},
        {std::string(ui::kMacroCancelNormalImage), kMacroOk},
        {std::string(ui::kMacroCancelOverImage), kMacroCancel},
        {std::string(ui::kMacroCloseNormalImage), kMacroClose},
        {std::string(ui::kMacroCloseOverImage), kMacroClose},
    };
    const auto family = [&](std::string_view pattern, int first, int last, const Rect& rect) {
        for (int value = first; value <= last; ++value) {
            fits.push_back({ui::SkinImageName(pattern, value), rect});
        }
    };
    family(ui::kDpiStagePattern, kDpiStageMinValue, kDpiStageMaxValue, DpiStageSlider(3));
    family(ui::kLightingPattern, kLightingMinValue, kLightingMaxValue, LightingSlider(strip, 2));
    family(ui::kSpeedPattern, kSpeedMinValue, kSpeedMaxValue, SpeedDial(strip, 242));
    family(ui::kStageSliderPattern, kXyMinValue, kXyMaxValue, XSlider(strip));
    family(ui::kGesturePattern, kGestureMinValue, kGestureMaxValue, GestureSlider(strip));
    for (int rate : {125, 250, 500, 1000}) {
        fits.push_back({ui::SkinImageName(ui::kReportRatePattern, rate), ReportRateDial(strip, 242)});
    }
    return fits;
}

TEST(SkinGeometry, EveryImageFitsTheRectangleItIsDrawnInto)
{
    for (const Fit& fit : Fits()) {
        const Image& image = SkinImage(fit.image);
        ASSERT_TRUE(image) << fit.image;
        EXPECT_LE(image.Width(), fit.rect.Width()) << fit.image << " in " << Describe(fit.rect);
        EXPECT_LE(image.Height(), fit.rect.Height()) << fit.image << " in " << Describe(fit.rect);
    }
}

// ---- columns ---------------------------------------------------------------------------

// The panel sizes as the program measures them from this skin.
PanelSizes SkinPanelSizes()
{
    PanelSizes sizes;
    for (std::size_t panel = 0; panel < kPanelCount; ++panel) {
        const Image& image = SkinImage(PanelBackground(static_cast<Panel>(panel)));
        EXPECT_TRUE(image) << PanelBackground(static_cast<Panel>(panel));
        sizes.sizes[panel] = image.Extent();
    }
    return sizes;
}

// Every strip and open panel the right column's layout passes draw, for one set of
// fold-out flags, in the top view or the bottom view.
std::vector<Rect> RightColumnLayout(unsigned flags, bool bottomView)
{
    const PanelSizes sizes = SkinPanelSizes();
    PageState state;
    for (std::size_t item = 0; item < kRightItemCount; ++item)
        state.open[item] = ((flags >> item) & 1u) != 0;
    std::size_t first = 0;
    std::size_t end = kRightItemCount;
    if (bottomView) {
        LayoutBottomView(state, sizes);
        first = kTopOnlyItemCount;
    } else {
        end = LayoutTopView(state, sizes).drawnItems;
    }
    std::vector<Rect> drawn;
    for (std::size_t item = first; item < end; ++item) {
        const Rect& strip = state.RightStrip(item);
        drawn.push_back(strip);
        if (state.open[item])
            drawn.push_back(Rect::At({strip.left, strip.bottom}, sizes.Of(RightPanel(item))));
    }
    return drawn;
}

TEST(SkinGeometry, PanelsHaveTheSizesTheProgramFallsBackOn)
{
    // A panel image that does not load counts as its default size: the default skin is it.
    EXPECT_EQ(SkinPanelSizes().sizes, kDefaultPanelSizes);
}

TEST(SkinGeometry, RightColumnBackgroundHoldsEveryLayoutAndNothingElse)
{
    const Rect column = Rect::At(kRightColumnOrigin, SkinImage(ui::kMainRightImage).Extent());
    for (unsigned flags = 0; flags < 256; ++flags) {
        for (bool bottomView : {false, true}) {
            for (const Rect& r : RightColumnLayout(flags, bottomView)) {
                EXPECT_TRUE(column.Encloses(r))
                    << "flags " << flags << (bottomView ? " bottom view " : " top view ") << Describe(r);
            }
        }
    }
    // Clearing the column must not wipe the stage, the scroll bar or the frame buttons.
    for (const Rect& r : {kMiddleBackground, kScrollBar, kHelpButton, kResetButton, kCancelButton, kSaveButton}) {
        EXPECT_FALSE(column.Intersects(r)) << Describe(r);
    }
}

TEST(SkinGeometry, LeftColumnBackgroundHoldsEveryLayoutAndNothingElse)
{
    const Rect column = Rect::At(kLeftColumnOrigin, SkinImage(ui::kMainLeftImage).Extent());
    for (bool side : {false, true}) {
        for (bool assignmentOpen : {false, true}) {
            for (bool xyOpen : {false, true}) {
                const Rect assignment = InitialStrip(Item::ButtonAssignment);
                const std::string_view panel = side ? ui::kAssignmentSideBackground : ui::kAssignmentFrontBackground;
                std::vector<Rect> drawn{assignment};
                int top = assignment.bottom + kItemGap;
                if (assignmentOpen) {
                    drawn.push_back(Rect::At(kButtonAssignmentPanelOrigin, SkinImage(panel).Extent()));
                    top = drawn.back().bottom + kItemGap;
                }
                const Rect macro{20, top, 262, top + kMacroManagerStripHeight};
                const Rect xy{20, macro.bottom + kItemGap, 262, macro.bottom + kItemGap + kItemStripHeight};
                drawn.push_back(macro);
                drawn.push_back(xy);
                if (xyOpen) {
                    drawn.push_back(Rect::At({xy.left, xy.bottom}, SkinImage(ui::kXyBackground).Extent()));
                }
                for (const Rect& r : drawn) {
                    EXPECT_TRUE(column.Encloses(r)) << (side ? "side " : "front ") << Describe(r);
                }
            }
        }
    }
    for (const Rect& r : {kMiddleBackground, kLogo, kConfigButton}) {
        EXPECT_FALSE(column.Intersects(r)) << Describe(r);
    }
}

}  // namespace
}  // namespace zalvane::skingen::testing
