#pragma once
// What a button can be assigned: the function list of sixteen entries, one per action
// type, and the four second lists that entries 6 to 9 open, with the value a choice in
// each stores in the profile record. Texts are those of the run's UI language.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "dialogs/language.h"
#include "settings/profile_record.h"

namespace zalvane::assign {

// The action type stored per button is the chosen entry's place in the function list.
enum class ActionType : std::uint8_t {
    Click,
    Menu,
    UniversalScroll,
    IeForward,
    IeBackward,
    DoubleClick,
    CpiCycle,    // opens the DPI list
    Multimedia,  // opens the multimedia list
    HotKey,      // opens the hot-key list
    Windows,     // opens the Windows-command list
    SingleKey,
    ComboKey,
    MacroKey,
    ButtonOff,
    LeftTitleScroll,
    RightTitleScroll,
};

inline constexpr std::size_t kFunctionCount = 16;

// The function list entry of `type` in `language`; empty for a type past the list.
std::string_view FunctionText(ActionType type, dialogs::Language language);

enum class SecondList { Dpi, Multimedia, HotKey, WindowsCommand };

// The second list that the entry of `type` opens when hovered; nothing for the
// entries that open none.
std::optional<SecondList> SecondListOf(ActionType type);

// The action type a choice in `list` stores together with the entry's value.
ActionType ActionTypeOf(SecondList list);

struct SecondListEntry {
    std::string_view english;
    std::string_view simplified;
    std::string_view traditional;
    // DPI function 1-3, consumer code (low byte of the HID Consumer usage), the HID key
    // code of the letter pressed with Ctrl, or Windows command 0-6.
    std::uint8_t value;
};

// The entries of `list` in list order.
std::span<const SecondListEntry> SecondListEntries(SecondList list);

std::string_view EntryText(const SecondListEntry& entry, dialogs::Language language);

// The captions a first run gives buttons 1-19 in `language`: "Click", "Menu",
// "Right Title Scroll", "Left Title Scroll", "Universal Scroll", "DPI +", "DPI -" and
// "Button Off" for the twelve side buttons. The action types are left as they are.
std::array<std::string_view, settings::kButtonCount> DefaultCaptions(dialogs::Language language);

}  // namespace zalvane::assign
