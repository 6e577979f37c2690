#pragma once
// What a button does, as the profile record stores it per button (one byte) and the mouse
// takes it in the button block.

#include <cstdint>

namespace zalvane::assign {

// The action type stored per button is the chosen entry's place in the function list.
enum class ActionType : std::uint8_t {
    kClick,
    kMenu,
    kUniversalScroll,
    kIeForward,
    kIeBackward,
    kDoubleClick,
    kCpiCycle,    // opens the DPI list
    kMultimedia,  // opens the multimedia list
    kHotKey,      // opens the hot-key list
    kWindows,     // opens the kWindows-command list
    kSingleKey,
    kComboKey,
    kMacroKey,
    kButtonOff,
    kLeftTitleScroll,
    kRightTitleScroll,
};

}  // namespace zalvane::assign
