#pragma once
// How the single and combo key dialogs take a key from the keyboard: each key-down the
// dialog's keyboard hook sees gives the name the system reports for it (what the dialog
// shows and the caption keeps) and the key's code, taken from where the key sits.

#include <cstdint>
#include <optional>
#include <string>

#include "assign/key_name_map.h"

namespace zalvane::assign {

struct CapturedKey {
    std::string name;       // as the system reported it; empty until a key is pressed
    std::uint8_t code = 0;  // the key's usage; 0 when it has none
    friend bool operator==(const CapturedKey&, const CapturedKey&) = default;
};

// The key of a hook call: `keyFlags` is its keystroke flags word, `reportedName` the
// system's name for that word. The code comes from the scan code; a scan code that is no
// keyboard key (a media key, an injected key without scan code) falls back to the name,
// through the key name table and then `reportedNames`. Releases give nothing: the last
// key pressed is the one a dialog keeps.
[[nodiscard]] std::optional<CapturedKey> CaptureKey(std::uint32_t keyFlags, std::string reportedName,
                                                    const KeyNameMap& reportedNames);

// Window messages and virtual keys the key dialogs' pre-translation looks at.
inline constexpr std::uint32_t kKeyDownMessage = 0x100;     // WM_KEYDOWN
inline constexpr std::uint32_t kKeyUpMessage = 0x101;       // WM_KEYUP
inline constexpr std::uint32_t kSysKeyDownMessage = 0x104;  // WM_SYSKEYDOWN
inline constexpr std::uint32_t kSysKeyUpMessage = 0x105;    // WM_SYSKEYUP
inline constexpr std::uint64_t kBreakKey = 0x03;            // VK_CANCEL, Ctrl+Break
inline constexpr std::uint64_t kTabKey = 0x09;              // VK_TAB
inline constexpr std::uint64_t kEnterKey = 0x0D;            // VK_RETURN
inline constexpr std::uint64_t kEscapeKey = 0x1B;           // VK_ESCAPE
inline constexpr std::uint64_t kLeftWindowsKey = 0x5B;      // VK_LWIN
inline constexpr std::uint64_t kRightWindowsKey = 0x5C;     // VK_RWIN

// True for the messages a key dialog drops before the dialog manager sees them: the
// key-downs of Enter and Esc (they would end the dialog) and of Tab (it would move the
// focus; it is a key to capture), and every key message of the Windows keys (they would
// open the Start menu). Only key messages: no other message is dropped for its first
// parameter.
bool KeyDialogSwallows(std::uint32_t message, std::uint64_t virtualKey);

}  // namespace zalvane::assign
