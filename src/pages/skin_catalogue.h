#pragma once
// Every image name the program can ask a skin for, with the values behind each "%d".
// Names are relative to the skin root and begin with "/". A skin is complete when it holds
// every name of AllSkinImageNames().

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zalvane::pages {

// Main window frame and columns.
inline constexpr std::string_view kStartImage = "/start.png";
inline constexpr std::string_view kMainImage = "/main.png";
inline constexpr std::string_view kLogoImage = "/Logo.png";
inline constexpr std::string_view kScrollBarImage = "/Bar1.png";
inline constexpr std::string_view kItemStripImage = "/ItemBK.png";
inline constexpr std::string_view kMacroManagerStripImage = "/MacroManagementBK.png";
inline constexpr std::string_view kMainLeftImage = "/BK_MainLeft.png";
inline constexpr std::string_view kMainMidImage = "/BK_MainMid.png";
inline constexpr std::string_view kMainRightImage = "/BK_MainRight.png";
inline constexpr std::string_view kEnableImage = "/Enable.png";
inline constexpr std::string_view kDisableImage = "/Disable.png";

// Frame buttons; Reset and Cancel share the cancel images.
inline constexpr std::string_view kHelpNormalImage = "/button-help-normal.png";
inline constexpr std::string_view kHelpOverImage = "/button-help-over.png";
inline constexpr std::string_view kMinimiseNormalImage = "/button-min-normal.png";
inline constexpr std::string_view kMinimiseOverImage = "/button-min-over.png";
inline constexpr std::string_view kCloseNormalImage = "/button-close-normal.png";
inline constexpr std::string_view kCloseOverImage = "/button-close-over.png";
inline constexpr std::string_view kCancelNormalImage = "/button-cancel-normal.png";
inline constexpr std::string_view kCancelOverImage = "/button-cancel-over.png";
inline constexpr std::string_view kSaveNormalImage = "/button-save-normal.png";
inline constexpr std::string_view kSaveOverImage = "/button-save-over.png";
inline constexpr std::string_view kConfigNormalImage = "/button-config-normal.png";
inline constexpr std::string_view kConfigOverImage = "/button-config-over.png";
inline constexpr std::string_view kMouseSwitchNormalImage = "/button-mouse-normal.png";
inline constexpr std::string_view kMouseSwitchSelectedImage = "/button-mouse-leave.png";

// Key and macro dialogs.
inline constexpr std::string_view kComboKeyBackground = "/combo-key.png";
inline constexpr std::string_view kSingleKeyBackground = "/single-key.png";
inline constexpr std::string_view kMacroKeyBackground = "/macro-key.png";
inline constexpr std::string_view kTickOffImage = "/Pane.png";
inline constexpr std::string_view kTickOnImage = "/PaneMakingTick.png";
inline constexpr std::string_view kInsertMacroNormalImage = "/Insert-Macro-normal.png";
inline constexpr std::string_view kInsertMacroOverImage = "/Insert-Macro-over.png";
inline constexpr std::string_view kMacroCloseNormalImage = "/macro-button-close-normal.png";
inline constexpr std::string_view kMacroCloseOverImage = "/macro-button-close-over.png";
inline constexpr std::string_view kMacroManagerBackground = "/MacroManagement/MacroManagement.png";
inline constexpr std::string_view kMacroTickOffImage = "/MacroManagement/Pane.png";
inline constexpr std::string_view kMacroTickOnImage = "/MacroManagement/PaneMakingTick.png";
inline constexpr std::string_view kRecordImage = "/MacroManagement/Record-normal.png";
inline constexpr std::string_view kMacroCancelNormalImage = "/MacroManagement/button-cancel-normal.png";
inline constexpr std::string_view kMacroCancelOverImage = "/MacroManagement/button-cancel-over.png";
inline constexpr std::string_view kDialogButtonNormalImage = "/MacroManagement/button-new-normal.png";
inline constexpr std::string_view kDialogButtonOverImage = "/MacroManagement/button-new-over.png";

// Configuration and help dialogs.
inline constexpr std::string_view kConfigBackground = "/Config/Config.png";
inline constexpr std::string_view kConfigNewImage = "/Config/New-Config.png";
inline constexpr std::string_view kHelpBackground = "/Help/HelpWindow.png";

// Button assignment.
inline constexpr std::string_view kAssignmentFrontBackground = "/ButtonAssignment/BK_ButtonAssignment.png";
inline constexpr std::string_view kAssignmentSideBackground = "/ButtonAssignment/BK_ButtonAssignment-Side.png";
inline constexpr std::string_view kDropdownNormalImage = "/ButtonAssignment/DropdownBox-normal.png";
inline constexpr std::string_view kDropdownOverImage = "/ButtonAssignment/DropdownBox-over.png";
inline constexpr std::string_view kDropdownChosenImage = "/ButtonAssignment/DropdownBox-leave.png";
inline constexpr std::string_view kMouseFrontImage = "/Mouse/Front/MouseFront.png";
inline constexpr std::string_view kMouseSideImage = "/Mouse/Side/MouseSide.png";

// Panels.
inline constexpr std::string_view kXyBackground = "/XYSensitivity/BK_XYSensSetting.png";
inline constexpr std::string_view kDpiBackground = "/DPISetting/BK_DPISetting.png";
inline constexpr std::string_view kDpiValueImage = "/DPISetting/BK-DPIValue.png";
inline constexpr std::string_view kLightingBackground = "/Lighting/BK_Lighting.png";
inline constexpr std::string_view kReportRateBackground = "/USBReportRate/BK_USBReportRate.png";
inline constexpr std::string_view kMouseAttributeBackground = "/MouseAttribute/BK_MouseAttribute.png";
inline constexpr std::string_view kScrollSpeedBackground = "/MouseAttribute/BK_ScrollSpeed.png";
inline constexpr std::string_view kScrollModeOnImage = "/MouseAttribute/ScrollSpeed/Enable.png";
inline constexpr std::string_view kScrollModeOffImage = "/MouseAttribute/ScrollSpeed/Disable.png";
inline constexpr std::string_view kScrollLinesImage = "/MouseAttribute/ScrollSpeed/ScrollLines.png";
inline constexpr std::string_view kAngleSnapBackground = "/AngleSnap/BK_AngleSnap.png";
inline constexpr std::string_view kGestureBackground = "/GestureCorrection/BK-GestureCorrection.png";

// Families named by a value.
inline constexpr std::string_view kDpiStagePattern = "/DPISetting/DPIStage/%d.png";
inline constexpr std::string_view kStageSliderPattern = "/StageSlider/%d.png";
inline constexpr std::string_view kLightingPattern = "/Lighting/%d.png";
inline constexpr std::string_view kReportRatePattern = "/USBReportRate/%dHZ.png";
inline constexpr std::string_view kSpeedPattern = "/MouseAttribute/Speed/%d.png";
inline constexpr std::string_view kGesturePattern = "/GestureCorrection/%d.png";
inline constexpr std::string_view kFrontSpotNormalPattern = "/Mouse/Front/F-%d-normal.png";
inline constexpr std::string_view kFrontSpotOverPattern = "/Mouse/Front/F-%d-over.png";
inline constexpr std::string_view kSideSpotNormalPattern = "/Mouse/Side/S-%d-normal.png";
inline constexpr std::string_view kSideSpotOverPattern = "/Mouse/Side/S-%d-over.png";

// The pattern with its "%d" replaced by the decimal value (no leading zeros).
std::string SkinImageName(std::string_view pattern, int value);

// One pattern and every value the program can put in it; fixed names have no values.
struct SkinImageFamily {
    std::string_view pattern;
    std::span<const int> values;
};

std::span<const SkinImageFamily> SkinImageFamilies();

// Every name, each once, in the order of the families.
std::vector<std::string> AllSkinImageNames();

}  // namespace zalvane::pages
