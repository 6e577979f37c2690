#pragma once
// The texts of the macro manager dialog in the three UI languages: captions, headers,
// the record button's two states, the event list's menu, the limit message and the
// stem of the names New gives.

#include <string_view>

#include "language/language.h"

namespace zalvane::assign {

enum class MacroManagerText {
    kOk,
    kCancel,
    kTitle,             // "Macro Manager"
    kSelectMacro,       // the three column headers
    kKeyPressSequence,  //
    kRecordOption,      //
    kRecordDelays,      // the delay option's label
    kLoopTimes,         // the loop option's label
    kNew,
    kDelete,
    kNameStem,        // "Macro": New names macros "Macro_<n>"
    kStartRecording,  // the record button
    kStopRecording,   // the record button while recording
    kRecordingTitle,  // the window title while recording
    kInsertLeft,      // the "MacroList" menu
    kInsertMiddle,    //
    kInsertRight,     //
    kInsertDelay,     //
    kWarning,         // caption of the limit message's box
    kMacroLimit,      // "Macro numbers up to 19."
};

std::string_view MacroManagerTextIn(MacroManagerText text, language::Language language);

}  // namespace zalvane::assign
