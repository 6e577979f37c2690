#include "platform/text_parsing.h"

#include <limits>

namespace zalvane::platform {

std::string_view Trim(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

LeadingDecimal ReadLeadingDecimal(std::string_view text)
{
    std::size_t pos = 0;
    while (pos < text.size() && IsBlank(text[pos])) {
        ++pos;
    }
    LeadingDecimal number;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        number.negative = text[pos] == '-';
        ++pos;
    }
    std::size_t end = pos;
    while (end < text.size() && text[end] >= '0' && text[end] <= '9') {
        ++end;
    }
    number.digits = text.substr(pos, end - pos);
    return number;
}

std::int64_t LeadingDecimal::Saturated() const
{
    constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
    std::int64_t value = 0;
    for (const char digit : digits) {
        const int d = digit - '0';
        value = value > (kMax - d) / 10 ? kMax : value * 10 + d;
    }
    return negative ? -value : value;
}

std::uint8_t LeadingDecimal::LowByte() const
{
    // Taken modulo 256 digit by digit: no overflow however long the digits run.
    unsigned value = 0;
    for (const char digit : digits) {
        value = (value * 10 + static_cast<unsigned>(digit - '0')) % 256;
    }
    if (negative) {
        value = (256 - value) % 256;
    }
    return static_cast<std::uint8_t>(value);
}

std::int64_t DecimalValue(std::string_view text) { return ReadLeadingDecimal(text).Saturated(); }

}  // namespace zalvane::platform
