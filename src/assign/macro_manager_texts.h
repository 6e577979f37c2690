#pragma once
// The macro manager's own texts in the three UI languages: its captions, headers, option
// labels, the record button, the "MacroList" menu and its message boxes. The dialog picks
// them when it opens.

#include <string>
#include <string_view>

#include "language/language.h"

namespace zalvane::assign {

enum class MacroManagerText {
    kOk,
    kCancel,
    kTitle,  // the window text, so the dialog can be found by name
    kSelectMacro,
    kKeyPressSequence,
    kRecordOption,
    kRecordDelays,  // the delay option's label
    kLoopTimes,     // the loop option's label
    kNew,
    kDelete,  // also the menu's first command
    kNameStem,
    kStartRecording,
    kStopRecording,
    kRecordingTitle,  // the title while recording
    kInsertLeft,
    kInsertMiddle,
    kInsertRight,
    kInsertDelay,
    kWarning,     // caption of the limit and fit boxes
    kMacroLimit,  // "Macro numbers up to 19."
    kFileNotWritten,
};

std::string_view MacroManagerTextIn(MacroManagerText text, language::Language language);

// The background image would not load: a box with the text "error" and this caption.
inline constexpr std::string_view kMacroManagerImageErrorCaption =
    "Macro Manager Dialog Load background image failed!!!";

// The keyboard hook for recording could not be installed; with the system's error code.
std::string RecordHookErrorText(unsigned long errorCode);

}  // namespace zalvane::assign
