#include "assign/scan_codes.h"

#include <array>
#include <cstddef>

namespace zalvane::assign {
namespace {

constexpr ScanCodeRow Plain(std::uint8_t code, std::uint8_t usage) { return {{code, false}, usage}; }
constexpr ScanCodeRow Extended(std::uint8_t code, std::uint8_t usage) { return {{code, true}, usage}; }

// Where two usages share one scan code (0x31 "\" and 0x32, the non-US "#", both sit at
// 0x2B), the US one is taken: every system treats the two alike. The E0 codes of media
// keys are left out: they are consumer-page usages, offered in the multimedia list.
constexpr std::array kRows = {
    Plain(0x01, 0x29),  // Esc
    Plain(0x02, 0x1E),  // 1
    Plain(0x03, 0x1F),    Plain(0x04, 0x20), Plain(0x05, 0x21), Plain(0x06, 0x22), Plain(0x07, 0x23),
    Plain(0x08, 0x24),    Plain(0x09, 0x25), Plain(0x0A, 0x26), Plain(0x0B, 0x27),  // 0
    Plain(0x0C, 0x2D),                                                              // -
    Plain(0x0D, 0x2E),                                                              // =
    Plain(0x0E, 0x2A),                                                              // Backspace
    Plain(0x0F, 0x2B),                                                              // Tab
    Plain(0x10, 0x14),                                                              // Q
    Plain(0x11, 0x1A),                                                              // W
    Plain(0x12, 0x08),                                                              // E
    Plain(0x13, 0x15),                                                              // R
    Plain(0x14, 0x17),                                                              // T
    Plain(0x15, 0x1C),                                                              // Y
    Plain(0x16, 0x18),                                                              // U
    Plain(0x17, 0x0C),                                                              // I
    Plain(0x18, 0x12),                                                              // O
    Plain(0x19, 0x13),                                                              // P
    Plain(0x1A, 0x2F),                                                              // [
    Plain(0x1B, 0x30),                                                              // ]
    Plain(0x1C, 0x28),                                                              // Enter
    Plain(0x1D, 0xE0),                                                              // left Ctrl
    Plain(0x1E, 0x04),                                                              // A
    Plain(0x1F, 0x16),                                                              // S
    Plain(0x20, 0x07),                                                              // D
    Plain(0x21, 0x09),                                                              // F
    Plain(0x22, 0x0A),                                                              // G
    Plain(0x23, 0x0B),                                                              // H
    Plain(0x24, 0x0D),                                                              // J
    Plain(0x25, 0x0E),                                                              // K
    Plain(0x26, 0x0F),                                                              // L
    Plain(0x27, 0x33),                                                              // ;
    Plain(0x28, 0x34),                                                              // '
    Plain(0x29, 0x35),                                                              // `
    Plain(0x2A, 0xE1),                                                              // left Shift
    Plain(0x2B, 0x31),                                                              // backslash
    Plain(0x2C, 0x1D),                                                              // Z
    Plain(0x2D, 0x1B),                                                              // X
    Plain(0x2E, 0x06),                                                              // C
    Plain(0x2F, 0x19),                                                              // V
    Plain(0x30, 0x05),                                                              // B
    Plain(0x31, 0x11),                                                              // N
    Plain(0x32, 0x10),                                                              // M
    Plain(0x33, 0x36),                                                              // ,
    Plain(0x34, 0x37),                                                              // .
    Plain(0x35, 0x38),                                                              // /
    Plain(0x36, 0xE5),                                                              // right Shift
    Plain(0x37, 0x55),                                                              // keypad *
    Plain(0x38, 0xE2),                                                              // left Alt
    Plain(0x39, 0x2C),                                                              // Space
    Plain(0x3A, 0x39),                                                              // Caps Lock
    Plain(0x3B, 0x3A),                                                              // F1
    Plain(0x3C, 0x3B),    Plain(0x3D, 0x3C), Plain(0x3E, 0x3D), Plain(0x3F, 0x3E), Plain(0x40, 0x3F),
    Plain(0x41, 0x40),    Plain(0x42, 0x41), Plain(0x43, 0x42), Plain(0x44, 0x43),  // F10
    Plain(0x45, 0x48),                                                              // Pause
    Plain(0x46, 0x47),                                                              // Scroll Lock
    Plain(0x47, 0x5F),                                                              // keypad 7
    Plain(0x48, 0x60),                                                              // keypad 8
    Plain(0x49, 0x61),                                                              // keypad 9
    Plain(0x4A, 0x56),                                                              // keypad -
    Plain(0x4B, 0x5C),                                                              // keypad 4
    Plain(0x4C, 0x5D),                                                              // keypad 5
    Plain(0x4D, 0x5E),                                                              // keypad 6
    Plain(0x4E, 0x57),                                                              // keypad +
    Plain(0x4F, 0x59),                                                              // keypad 1
    Plain(0x50, 0x5A),                                                              // keypad 2
    Plain(0x51, 0x5B),                                                              // keypad 3
    Plain(0x52, 0x62),                                                              // keypad 0
    Plain(0x53, 0x63),                                                              // keypad .
    Plain(0x54, 0x46),                                                              // Alt + Print Screen
    Plain(0x56, 0x64),                                                              // the ISO key left of Z
    Plain(0x57, 0x44),                                                              // F11
    Plain(0x58, 0x45),                                                              // F12
    Plain(0x59, 0x67),                                                              // keypad =
    Plain(0x5C, 0x8C),                                                              // international 6
    Plain(0x64, 0x68),                                                              // F13
    Plain(0x65, 0x69),    Plain(0x66, 0x6A), Plain(0x67, 0x6B), Plain(0x68, 0x6C), Plain(0x69, 0x6D),
    Plain(0x6A, 0x6E),    Plain(0x6B, 0x6F), Plain(0x6C, 0x70), Plain(0x6D, 0x71), Plain(0x6E, 0x72),  // F23
    Plain(0x70, 0x88),     // Katakana/Hiragana
    Plain(0x71, 0x91),     // Hanja
    Plain(0x72, 0x90),     // Hangul
    Plain(0x73, 0x87),     // Ro
    Plain(0x76, 0x73),     // F24
    Plain(0x77, 0x93),     // Hiragana
    Plain(0x78, 0x92),     // Katakana
    Plain(0x79, 0x8A),     // Henkan
    Plain(0x7B, 0x8B),     // Muhenkan
    Plain(0x7D, 0x89),     // Yen
    Plain(0x7E, 0x85),     // keypad , (Brazil)
    Extended(0x1C, 0x58),  // keypad Enter
    Extended(0x1D, 0xE4),  // right Ctrl
    Extended(0x35, 0x54),  // keypad /
    Extended(0x37, 0x46),  // Print Screen
    Extended(0x38, 0xE6),  // right Alt (AltGr)
    Extended(0x45, 0x53),  // Num Lock
    Extended(0x46, 0x48),  // Ctrl + Pause (Break)
    Extended(0x47, 0x4A),  // Home
    Extended(0x48, 0x52),  // Up
    Extended(0x49, 0x4B),  // Page Up
    Extended(0x4B, 0x50),  // Left
    Extended(0x4D, 0x4F),  // Right
    Extended(0x4F, 0x4D),  // End
    Extended(0x50, 0x51),  // Down
    Extended(0x51, 0x4E),  // Page Down
    Extended(0x52, 0x49),  // Insert
    Extended(0x53, 0x4C),  // Delete
    Extended(0x5B, 0xE3),  // left Windows
    Extended(0x5C, 0xE7),  // right Windows
    Extended(0x5D, 0x65),  // Application
    Extended(0x5E, 0x66),  // Power
};

constexpr std::size_t IndexOf(ScanCode scan) { return (scan.extended ? 0x100u : 0u) + scan.code; }

constexpr std::array<std::uint8_t, 0x200> kUsages = [] {
    std::array<std::uint8_t, 0x200> usages{};
    for (const ScanCodeRow& row : kRows) {
        usages[IndexOf(row.scan)] = row.usage;
    }
    return usages;
}();

}  // namespace

std::span<const ScanCodeRow> ScanCodeTable() { return kRows; }

std::uint8_t UsageFromScanCode(ScanCode scan) { return kUsages[IndexOf(scan)]; }

}  // namespace zalvane::assign
