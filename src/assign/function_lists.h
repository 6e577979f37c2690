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

#include "assign/action_type.h"
#include "language/language.h"
#include "settings/profile_record.h"
#include "settings/text_settings.h"

namespace zalvane::assign {

inline constexpr std::size_t kFunctionCount = 16;

// The function list entry of `type` in `language`; empty for a type past the list.
std::string_view FunctionText(ActionType type, language::Language language);

enum class SecondList { kDpi, kMultimedia, kHotKey, kWindowsCommand };

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

std::string_view EntryText(const SecondListEntry& entry, language::Language language);

// The captions a first run gives buttons 1-19 in `language`: "Click", "Menu",
// "Right Title Scroll", "Left Title Scroll", "Universal Scroll", "DPI +", "DPI -" and
// "Button Off" for the twelve side buttons. The action types are left as they are.
settings::ButtonCaptions FirstRunCaptions(language::Language language);

}  // namespace zalvane::assign
