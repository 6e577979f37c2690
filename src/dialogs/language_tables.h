#pragma once
// The main window's texts in the three UI languages, looked up by slot. They are filled
// once at start-up from the run's language and never change afterwards. The window title
// and tray tip is the same in every language.

#include <cstddef>
#include <optional>
#include <string_view>

#include "dialogs/language.h"

namespace zalvane::dialogs {

// Named after their English text; kTextSlotCount counts up to the last one.
enum class TextSlot {
    AppTitle,
    Reset,
    Cancel,
    Save,
    Config,
    Front,
    Side,
    ButtonAssignment,
    MacroManager,
    XySensitivitySetting,
    DpiSetting,
    Lighting,
    UsbReportRate,
    MouseSpeed,
    DoubleClickSpeed,
    ScrollSpeed,
    AngleSnap,
    GestureCorrection,
    XAxis,
    YAxis,
    Button1,
    Button2,
    Button3,
    Button4,
    Button5,
    Button6,
    Button7,
    ButtonS1,
    ButtonS2,
    ButtonS3,
    ButtonS4,
    ButtonS5,
    ButtonS6,
    ButtonS7,
    ButtonS8,
    ButtonS9,
    ButtonS10,
    ButtonS11,
    ButtonS12,
    DpiPlus,
    DpiMinus,
    Slow,
    Fast,
    NumberOfRows,
    ScrollOneScreen,
    On,
    Off,
    Standard,
    Respiration,
    Neon,
    Click,
    Menu,
    UniversalScroll,
    IeForward,
    IeBackward,
    CpiCycle,
    LeftTitleScroll,
    RightTitleScroll,
    Windows,
    Multimedia,
    HotKey,
    SingleKey,
    ComboKey,
    MacroKey,
    ButtonOff,
    DoubleClick,
    LeftKeyMustBeSelected,
    SwitchDpiFirstStage,
    SwitchDpiSecondStage,
    SwitchDpiThirdStage,
    SwitchDpiFourthStage,
    SwitchDpiFifthStage,
    SwitchDpiSixthStage,
    SwitchDpiSeventhStage,
    SwitchToMacroKey,
    Exit,
    MouseNotDetected,
    MouseDetected,
    // The macro manager's warning on OK; "{name}" and "{count}" stand for a macro's name
    // and the number of its events left out.
    MacrosCutToFit,
    MacroEventsLeftOut,
    OnlyFirstNineteenMacrosSent,
};

inline constexpr std::size_t kTextSlotCount = static_cast<std::size_t>(TextSlot::OnlyFirstNineteenMacrosSent) + 1;

// The slot's text in `language` (UTF-8, exactly as shown, trailing spaces included).
std::string_view SlotText(TextSlot slot, Language language);

// The text-file section that keeps the nineteen button captions of `language`:
// "Setting-EN", "Setting-CHS" or "Setting-CHT".
std::string_view ButtonLabelSection(Language language);

// The display name of button `button` (0-18): "Button 1" ... "Button 7" for the front
// buttons, "Button S1" ... "Button S12" for the side ones; nothing for any other index.
std::optional<TextSlot> ButtonNameSlot(std::size_t button);

// The balloon text the mouse's switch to DPI stage `stage` (1-7) starts with; nothing
// for any other stage, which the mouse never reports and the tray does not show.
std::optional<TextSlot> DpiStageSwitchSlot(unsigned stage);

}  // namespace zalvane::dialogs
