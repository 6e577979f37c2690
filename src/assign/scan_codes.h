#pragma once
// A keyboard reports each key by its scan code (PC set 1) and an extended flag (the E0
// prefix), whatever the layout; the mouse wants the key's HID keyboard usage. This table
// links the two, so that a captured key gets its code from where it sits on the
// keyboard, not from the name the layout gives it.

#include <cstdint>
#include <span>

namespace zalvane::assign {

struct ScanCode {
    std::uint8_t code = 0;
    bool extended = false;
    friend constexpr bool operator==(const ScanCode&, const ScanCode&) = default;
};

struct ScanCodeRow {
    ScanCode scan;
    std::uint8_t usage = 0;
};

// The keystroke flags word of a key message or keyboard hook call: scan code in bits
// 16-23, extended flag in bit 24, release in bit 31. The name of a key is asked for with
// the same word.
inline constexpr std::uint32_t kExtendedKeyFlag = 1u << 24;
inline constexpr std::uint32_t kKeyReleaseFlag = 1u << 31;

constexpr ScanCode ScanCodeFromKeyFlags(std::uint32_t flags)
{
    return {static_cast<std::uint8_t>((flags >> 16) & 0xFF), (flags & kExtendedKeyFlag) != 0};
}

constexpr std::uint32_t KeyFlagsFromScanCode(ScanCode scan)
{
    return (std::uint32_t{scan.code} << 16) | (scan.extended ? kExtendedKeyFlag : 0);
}

constexpr bool IsKeyRelease(std::uint32_t flags) { return (flags & kKeyReleaseFlag) != 0; }

// Every scan code that stands for a key of the HID keyboard page, the plain ones first,
// each group in code order. Scan codes are those of key messages: 0x45 is Pause and
// extended 0x45 is Num Lock.
std::span<const ScanCodeRow> ScanCodeTable();

// The keyboard usage of `scan`; 0 for a scan code that is no keyboard-page key (media
// keys, the E0 prefixes of letters a layout driver may report, unknown codes).
std::uint8_t UsageFromScanCode(ScanCode scan);

}  // namespace zalvane::assign
