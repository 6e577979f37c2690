#pragma once
// Client rectangles of the single key, combo key and macro key dialogs. The three share
// their frame: a close area at the top right and OK and Cancel at the bottom right.

#include "ui/rect.h"

namespace zalvane::assign {

using ui::Rect;

inline constexpr Rect kKeyDialogClose{352, 6, 370, 24};
inline constexpr Rect kKeyDialogOk{250, 250, 308, 275};
inline constexpr Rect kKeyDialogCancel{314, 250, 372, 275};
// The size a dialog takes when its background image is missing: every area above fits.
inline constexpr ui::Size kKeyDialogFallbackSize{392, 290};

// Single key: the captured key's name and the prompt above it.
inline constexpr Rect kSingleKeyDisplay{74, 129, 150, 143};  // static id 502
inline constexpr Rect kSingleKeyPrompt{74, 100, 372, 122};

// Combo key: the modifier (its area opens the list) and two key fields.
inline constexpr Rect kComboModifierDisplay{50, 70, 116, 84};  // static id 512
inline constexpr Rect kComboModifierArea{50, 70, 132, 84};
inline constexpr Rect kComboModifierList{50, 87, 132, 227};  // list id 515, only while open
inline constexpr Rect kComboKey1Field{50, 120, 131, 134};    // edit id 516
inline constexpr Rect kComboKey2Field{50, 170, 131, 184};    // edit id 517

// Macro key: the macro (its area opens the list; the prompt is centred in it) and three
// repeat modes, each a tick box and a text.
inline constexpr Rect kMacroKeyDisplay{42, 128, 136, 144};  // static id 592
inline constexpr Rect kMacroKeyArea{42, 128, 151, 144};
inline constexpr Rect kMacroKeyList{42, 146, 151, 286};  // list id 593, only while open
inline constexpr int kMacroRepeatModeCount = 3;

constexpr Rect MacroModeTick(int mode) { return {220, 78 + 50 * mode, 236, 94 + 50 * mode}; }
constexpr Rect MacroModeText(int mode) { return {237, 70 + 50 * mode, 390, 102 + 50 * mode}; }

}  // namespace zalvane::assign
