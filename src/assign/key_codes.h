#pragma once
// The mouse takes keyboard keys as one-byte HID keyboard usages (0xF0-0xF2 for its own
// left, right and middle button). The capturing dialogs keep the system's key names;
// these tables turn a name into a code when the code is needed. Lookups compare whole
// names, case-sensitively; a name that is not in a table gives 0.

#include <cstdint>
#include <span>
#include <string_view>

namespace zalvane::assign {

class KeyNameMap;

struct KeyNameRow {
    std::string_view name;
    std::uint8_t code;
};

struct ModifierRow {
    std::string_view name;
    std::uint8_t bit;
};

inline constexpr std::uint8_t kNoKey = 0;
inline constexpr std::uint8_t kLeftMouseButtonKey = 0xF0;
inline constexpr std::uint8_t kRightMouseButtonKey = 0xF1;
inline constexpr std::uint8_t kMiddleMouseButtonKey = 0xF2;

// The 108 rows in table order.
std::span<const KeyNameRow> KeyNameTable();
// The 8 rows, bit 0x01 ("Left Ctrl") to 0x80 ("Right Win").
std::span<const ModifierRow> ModifierTable();

std::uint8_t KeyCodeFromName(std::string_view name);
// As KeyCodeFromName, but macros do not know the "Application" key: it gives 0.
std::uint8_t MacroKeyCodeFromName(std::string_view name);
std::uint8_t ModifierBitFromName(std::string_view name);

// The same lookups for a name the system may have reported in another language or
// layout: the table first, then the key the system reported under that name. Macros know
// no Application key under any name.
std::uint8_t KeyCodeFromName(std::string_view name, const KeyNameMap& reportedNames);
std::uint8_t MacroKeyCodeFromName(std::string_view name, const KeyNameMap& reportedNames);

// The key name of a code, empty for a code that has no row.
std::string_view KeyNameFromCode(std::uint8_t code);
// The modifier name of a single bit, empty for anything else.
std::string_view ModifierNameFromBit(std::uint8_t bit);

}  // namespace zalvane::assign
