#pragma once
// The texts of the single key, combo key and macro key dialogs in the UI language.

#include <string>
#include <string_view>

#include "language/language.h"

namespace zalvane::assign {

enum class KeyDialog { kSingleKey, kComboKey, kMacroKey };

struct KeyDialogTexts {
    std::string_view title;  // the window text, so the dialog can be found by name
    std::string_view ok;
    std::string_view cancel;
    std::string_view prompt;  // none in the combo key dialog
};

KeyDialogTexts TextsOf(KeyDialog dialog, language::Language language);

// The text beside tick box `mode` (0-2) of the macro key dialog; empty for other modes.
std::string_view RepeatModeText(int mode, language::Language language);

// A dialog whose background image does not load says so in a message box with this text
// and ImageErrorCaption() as its caption.
inline constexpr std::string_view kImageErrorText = "error";
std::string_view ImageErrorCaption(KeyDialog dialog);

// The message when the keyboard hook of the single or combo key dialog cannot be
// installed, with the system's error code; empty for the macro key dialog, which has none.
std::string HookErrorText(KeyDialog dialog, unsigned long errorCode);

}  // namespace zalvane::assign
