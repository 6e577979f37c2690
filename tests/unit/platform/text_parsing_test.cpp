#include "platform/text_parsing.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string_view>

namespace zalvane::platform {
namespace {

// One reading serves the slider rows, the skin colour, the profile count and the macro
// file's numbers; these are the texts each of them has to read right.
TEST(TextParsingTest, LeadingDecimalAsEveryReaderTakesIt)
{
    constexpr auto kMax = std::numeric_limits<std::int64_t>::max();
    const struct {
        std::string_view text;
        std::int64_t value;
        int lowByte;
    } cases[] = {
        {"", 0, 0},
        {"x1", 0, 0},
        {"abc", 0, 0},
        {"0x10", 0, 0},
        {"0", 0, 0},
        {"1", 1, 1},
        {"  437", 437, 181},
        {"437px", 437, 181},
        {"12abc", 12, 12},
        {"1.9", 1, 1},
        {"1e9", 1, 1},
        {" 7", 7, 7},
        {"\t\r\n 5", 5, 5},
        {"+7", 7, 7},
        {"-12", -12, 244},
        {"-1", -1, 255},
        {"-256", -256, 0},
        {"255", 255, 255},
        {"256", 256, 0},
        {"300", 300, 44},
        {"65535", 65535, 255},
        {"4294967296", 4294967296, 0},
        {"4294967297", 4294967297, 1},
        {"99999999999", 99999999999, 255},
        {"-99999999999", -99999999999, 1},
        // Past 64 bits the value holds at its largest magnitude while the low byte is
        // still that of the number written (10^20 mod 256 = 0).
        {"100000000000000000000", kMax, 0},
        {"99999999999999999999", kMax, 255},
        {"-99999999999999999999", -kMax, 1},
    };
    for (const auto& c : cases) {
        const LeadingDecimal number = ReadLeadingDecimal(c.text);
        EXPECT_EQ(number.Saturated(), c.value) << '"' << c.text << '"';
        EXPECT_EQ(DecimalValue(c.text), c.value) << '"' << c.text << '"';
        EXPECT_EQ(number.LowByte(), c.lowByte) << '"' << c.text << '"';
    }
}

TEST(TextParsingTest, TrimTakesBlanksFromBothEndsOnly)
{
    EXPECT_EQ(Trim(" \t\r\v\fa b\f\v\r\t "), "a b");
    EXPECT_EQ(Trim("   "), "");
    EXPECT_EQ(Trim("x"), "x");
}

}  // namespace
}  // namespace zalvane::platform
