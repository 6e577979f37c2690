#pragma once
// The main window's texts in the three UI languages, looked up by slot. They are filled
// once at start-up from the run's language and never change afterwards. The window title
// and tray tip is the same in every language.

#include <cstddef>
#include <optional>
#include <string_view>

#include "language/language.h"

namespace zalvane::language {

// Named after their English text; kTextSlotCount counts up to the last one.
enum class TextSlot {
    kAppTitle,
    kReset,
    kCancel,
    kSave,
    kConfig,
    kFront,
    kSide,
    kButtonAssignment,
    kMacroManager,
    kXySensitivitySetting,
    kDpiSetting,
    kLighting,
    kUsbReportRate,
    kMouseSpeed,
    kDoubleClickSpeed,
    kScrollSpeed,
    kAngleSnap,
    kGestureCorrection,
    kXAxis,
    kYAxis,
    kButton1,
    kButton2,
    kButton3,
    kButton4,
    kButton5,
    kButton6,
    kButton7,
    kButtonS1,
    kButtonS2,
    kButtonS3,
    kButtonS4,
    kButtonS5,
    kButtonS6,
    kButtonS7,
    kButtonS8,
    kButtonS9,
    kButtonS10,
    kButtonS11,
    kButtonS12,
    kDpiPlus,
    kDpiMinus,
    kSlow,
    kFast,
    kNumberOfRows,
    kScrollOneScreen,
    kOn,
    kOff,
    kStandard,
    kRespiration,
    kNeon,
    kClick,
    kMenu,
    kUniversalScroll,
    kIeForward,
    kIeBackward,
    kCpiCycle,
    kLeftTitleScroll,
    kRightTitleScroll,
    kWindows,
    kMultimedia,
    kHotKey,
    kSingleKey,
    kComboKey,
    kMacroKey,
    kButtonOff,
    kDoubleClick,
    kLeftKeyMustBeSelected,
    kSwitchDpiFirstStage,
    kSwitchDpiSecondStage,
    kSwitchDpiThirdStage,
    kSwitchDpiFourthStage,
    kSwitchDpiFifthStage,
    kSwitchDpiSixthStage,
    kSwitchDpiSeventhStage,
    kSwitchToMacroKey,
    kExit,
    kMouseNotDetected,
    kMouseDetected,
    // The macro manager's warning on OK; "{name}" and "{count}" stand for a macro's name
    // and the number of its events left out.
    kMacrosCutToFit,
    kMacroEventsLeftOut,
    kOnlyFirstNineteenMacrosSent,
};

inline constexpr std::size_t kTextSlotCount = static_cast<std::size_t>(TextSlot::kOnlyFirstNineteenMacrosSent) + 1;

// The slot's text in `language` (UTF-8, exactly as shown, trailing spaces included).
std::string_view SlotText(TextSlot slot, Language language);

// The display name of button `button` (0-18): "Button 1" ... "Button 7" for the front
// buttons, "Button S1" ... "Button S12" for the side ones; nothing for any other index.
std::optional<TextSlot> ButtonNameSlot(std::size_t button);

// The balloon text the mouse's switch to DPI stage `stage` (1-7) starts with; nothing
// for any other stage, which the mouse never reports and the tray does not show.
std::optional<TextSlot> DpiStageSwitchSlot(unsigned stage);

}  // namespace zalvane::language
