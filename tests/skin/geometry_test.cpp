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
#include "pages/skin_catalogue.h"
#include "skin_files.h"

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

    Placement dpi{std::string(pages::kDpiBackground), {}};
    for (int stage = 0; stage < 7; ++stage) {
        for (const Rect& r :
             {DpiStageSlider(stage), DpiValueBox(stage), DpiEnableSwitch(stage), DpiColourSwatch(stage)}) {
            dpi.controls.push_back(r.Offset(-kDpiPanelOrigin.x, -kDpiPanelOrigin.y));
        }
    }
    all.push_back(dpi);

    const Rect light = PanelStrip(pages::kLightingBackground);
    Placement lighting{std::string(pages::kLightingBackground), {}};
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

    all.push_back({std::string(pages::kReportRateBackground),
                   {ReportRateDial(PanelStrip(pages::kReportRateBackground), WidthOf(pages::kReportRateBackground))}});

    const Rect speedStrip = PanelStrip(pages::kMouseAttributeBackground);
    const Rect dial = SpeedDial(speedStrip, WidthOf(pages::kMouseAttributeBackground));
    all.push_back({std::string(pages::kMouseAttributeBackground), {dial, SlowCaption(dial), FastCaption(dial)}});

    const Rect scroll = PanelStrip(pages::kScrollSpeedBackground);
    all.push_back({std::string(pages::kScrollSpeedBackground),
                   {LineModeSwitch(scroll), LineModeCaption(scroll), PageModeSwitch(scroll), PageModeCaption(scroll),
                    ScrollLinesBox(scroll), ScrollUpArrow(scroll), ScrollDownArrow(scroll)}});

    const Rect snap = PanelStrip(pages::kAngleSnapBackground);
    all.push_back(
        {std::string(pages::kAngleSnapBackground),
         {AngleSnapOnSwitch(snap), AngleSnapOnCaption(snap), AngleSnapOffSwitch(snap), AngleSnapOffCaption(snap)}});

    const Rect gesture = PanelStrip(pages::kGestureBackground);
    Placement gestures{std::string(pages::kGestureBackground), {GestureSlider(gesture)}};
    for (int label = 0; label < kGestureScaleLabelCount; ++label) {
        gestures.controls.push_back(GestureScaleLabel(gesture, label));
    }
    all.push_back(gestures);

    const Rect xy = PanelStrip(pages::kXyBackground);
    Placement sensitivity{std::string(pages::kXyBackground),
                          {XAxisCaption(xy), XSlider(xy), YAxisCaption(xy), YSlider(xy)}};
    for (int label = 0; label < kXyScaleLabelCount; ++label) {
        sensitivity.controls.push_back(XScaleLabel(xy, label));
        sensitivity.controls.push_back(YScaleLabel(xy, label));
    }
    all.push_back(sensitivity);

    for (bool side : {false, true}) {
        Placement rows{std::string(side ? pages::kAssignmentSideBackground : pages::kAssignmentFrontBackground), {}};
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
    all.push_back({std::string(pages::kSingleKeyBackground), with({kSingleKeyDisplay, kSingleKeyPrompt})});
    all.push_back(
        {std::string(pages::kComboKeyBackground),
         with({kComboModifierDisplay, kComboModifierArea, kComboModifierList, kComboKey1Field, kComboKey2Field})});
    std::vector<Rect> macroKey{kMacroKeyDisplay, kMacroKeyArea, kMacroKeyList};
    for (int mode = 0; mode < kMacroRepeatModeCount; ++mode) {
        macroKey.push_back(MacroModeTick(mode));
        macroKey.push_back(MacroModeText(mode));
    }
    all.push_back({std::string(pages::kMacroKeyBackground), with(macroKey)});
    std::vector<Rect> manager{kMacroTitleBand, kMacroClose, kMacroOk,   kMacroCancel,   kMacroNew,
                              kMacroDelete,    kMacroList,  kEventList, kRecordButton,  kDelayTick,
                              kDelayLabel,     kLoopTick,   kLoopLabel, kLoopTimesField};
    manager.insert(manager.end(), kMacroColumnHeaders.begin(), kMacroColumnHeaders.end());
    all.push_back({std::string(pages::kMacroManagerBackground), manager});
    all.push_back({std::string(pages::kConfigBackground),
                   {kConfigClose, kConfigTitleStrip, kConfigTitleText, kConfigList, kConfigNewStrip, kConfigNewText,
                    Rect::At(dialogs::kConfigNewImage, SkinImage(pages::kConfigNewImage).Extent())}});
    // The help panel's close, OK and Cancel areas only count on a background large enough.
    all.push_back({std::string(pages::kHelpBackground), {kHelpAddressLine, kHelpUpdateLine, kHelpVersionLine}});
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
    const Rect window = Bounds(SkinImage(pages::kMainImage));
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
    EXPECT_TRUE(kMiddleBackground.Encloses(Rect::At(kFrontPictureOrigin, SkinImage(pages::kMouseFrontImage).Extent())));
    EXPECT_TRUE(kMiddleBackground.Encloses(Rect::At(kSidePictureOrigin, SkinImage(pages::kMouseSideImage).Extent())));
    for (int row = 1; row <= kAssignmentRowCount; ++row) {
        EXPECT_TRUE(window.Encloses(AssignmentListArea(row)));
    }
    const Rect help = Rect::At(kHelpPanelOrigin, SkinImage(pages::kHelpBackground).Extent());
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
        {std::string(pages::kLogoImage), kLogo},
        {std::string(pages::kScrollBarImage), kScrollBar},
        {std::string(pages::kMainMidImage), kMiddleBackground},
        {std::string(pages::kItemStripImage), InitialStrip(Item::kDpiSetting)},
        {std::string(pages::kMacroManagerStripImage), InitialStrip(Item::kMacroManager)},
        {std::string(pages::kHelpNormalImage), kHelpButton},
        {std::string(pages::kHelpOverImage), kHelpButton},
        {std::string(pages::kMinimiseNormalImage), kMinimiseButton},
        {std::string(pages::kMinimiseOverImage), kMinimiseButton},
        {std::string(pages::kCloseNormalImage), kCloseButton},
        {std::string(pages::kCloseOverImage), kCloseButton},
        {std::string(pages::kCloseNormalImage), dialogs::kConfigClose},
        {std::string(pages::kCloseNormalImage), kKeyDialogClose},
        {std::string(pages::kCloseOverImage), kKeyDialogClose},
        {std::string(pages::kCancelNormalImage), kResetButton},
        {std::string(pages::kCancelOverImage), kCancelButton},
        {std::string(pages::kSaveNormalImage), kSaveButton},
        {std::string(pages::kSaveOverImage), kSaveButton},
        {std::string(pages::kConfigNormalImage), kConfigButton},
        {std::string(pages::kConfigOverImage), kConfigButton},
        {std::string(pages::kMouseSwitchNormalImage), kFrontSwitch},
        {std::string(pages::kMouseSwitchSelectedImage), kSideSwitch},
        {std::string(pages::kEnableImage), DpiEnableSwitch(0)},
        {std::string(pages::kDisableImage), DpiEnableSwitch(0)},
        {std::string(pages::kEnableImage), LightingModeSwitch(strip, 1)},
        {std::string(pages::kDisableImage), AngleSnapOffSwitch(strip)},
        {std::string(pages::kDpiValueImage), DpiValueBox(0)},
        {std::string(pages::kScrollModeOnImage), LineModeSwitch(strip)},
        {std::string(pages::kScrollModeOffImage), PageModeSwitch(strip)},
        {std::string(pages::kScrollLinesImage), ScrollLinesBox(strip)},
        {std::string(pages::kDropdownNormalImage), AssignmentRow(1)},
        {std::string(pages::kDropdownOverImage), AssignmentRow(12)},
        {std::string(pages::kDropdownChosenImage), AssignmentRow(7)},
        {std::string(pages::kDialogButtonNormalImage), kKeyDialogOk},
        {std::string(pages::kDialogButtonOverImage), kKeyDialogCancel},
        {std::string(pages::kDialogButtonNormalImage), kMacroNew},
        {std::string(pages::kDialogButtonOverImage), kMacroDelete},
        {std::string(pages::kTickOffImage), MacroModeTick(0)},
        {std::string(pages::kTickOnImage), MacroModeTick(2)},
        {std::string(pages::kMacroTickOffImage), kDelayTick},
        {std::string(pages::kMacroTickOnImage), kLoopTick},
        {std::string(pages::kRecordImage), kRecordButton},
        {std::string(pages::kMacroCancelNormalImage), kMacroOk},
        {std::string(pages::kMacroCancelOverImage), kMacroCancel},
        {std::string(pages::kMacroCloseNormalImage), kMacroClose},
        {std::string(pages::kMacroCloseOverImage), kMacroClose},
    };
    const auto family = [&](std::string_view pattern, int first, int last, const Rect& rect) {
        for (int value = first; value <= last; ++value) {
            fits.push_back({pages::SkinImageName(pattern, value), rect});
        }
    };
    family(pages::kDpiStagePattern, kDpiStageMinValue, kDpiStageMaxValue, DpiStageSlider(3));
    family(pages::kLightingPattern, kLightingMinValue, kLightingMaxValue, LightingSlider(strip, 2));
    family(pages::kSpeedPattern, kSpeedMinValue, kSpeedMaxValue, SpeedDial(strip, 242));
    family(pages::kStageSliderPattern, kXyMinValue, kXyMaxValue, XSlider(strip));
    family(pages::kGesturePattern, kGestureMinValue, kGestureMaxValue, GestureSlider(strip));
    for (int rate : {125, 250, 500, 1000}) {
        fits.push_back({pages::SkinImageName(pages::kReportRatePattern, rate), ReportRateDial(strip, 242)});
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
    for (std::size_t item = 0; item < kRightItemCount; ++item) {
        state.open[item] = ((flags >> item) & 1u) != 0;
    }
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
        if (state.open[item]) {
            drawn.push_back(Rect::At({strip.left, strip.bottom}, sizes.Of(RightPanel(item))));
        }
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
    const Rect column = Rect::At(kRightColumnOrigin, SkinImage(pages::kMainRightImage).Extent());
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
    const Rect column = Rect::At(kLeftColumnOrigin, SkinImage(pages::kMainLeftImage).Extent());
    for (bool side : {false, true}) {
        for (bool assignmentOpen : {false, true}) {
            for (bool xyOpen : {false, true}) {
                const Rect assignment = InitialStrip(Item::kButtonAssignment);
                const std::string_view panel =
                    side ? pages::kAssignmentSideBackground : pages::kAssignmentFrontBackground;
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
                    drawn.push_back(Rect::At({xy.left, xy.bottom}, SkinImage(pages::kXyBackground).Extent()));
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
