#pragma once
// How the settings files' texts are read: the blanks around names and values, and the
// number a value starts with. One reading for every file and every caller.

#include <cstdint>
#include <string_view>

namespace zalvane::platform {

// Space, tab, line feed, vertical tab, form feed and carriage return.
constexpr bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

// `text` without the blanks at either end.
std::string_view Trim(std::string_view text);

// The number a text starts with: leading blanks, an optional sign, then the decimal digits
// up to the first other character ("12abc" is 12, "1.9" is 1, "0x10" is 0). Text without
// digits reads as 0.
struct LeadingDecimal {
    bool negative = false;
    std::string_view digits;  // the digits as written, leading zeros included

    // The value, held at the largest magnitude of std::int64_t instead of overflowing.
    std::int64_t Saturated() const;
    // The low 8 bits of the value as written (two's complement: "-1" is 255), however
    // long the digits run.
    std::uint8_t LowByte() const;
};

LeadingDecimal ReadLeadingDecimal(std::string_view text);

// ReadLeadingDecimal(text).Saturated(): how counts, options and delays are read.
std::int64_t DecimalValue(std::string_view text);

}  // namespace zalvane::platform
