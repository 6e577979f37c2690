#include "platform/text_encoding.h"

#include <gtest/gtest.h>

namespace zalvane::platform {
namespace {

TEST(TextEncodingTest, ValidTextRoundTrips)
{
    const struct {
        std::string_view utf8;
        std::u16string_view utf16;
    } cases[] = {
        {"", u""},
        {"Macro_0", u"Macro_0"},
        {"宏管理器", u"宏管理器"},
        {"\xC3\xA9", u"\u00E9"},                // two bytes
        {"\xEF\xBF\xBF", u"\uFFFF"},            // last of the basic plane
        {"\xF0\x9F\x98\x80", u"\xD83D\xDE00"},  // outside it: a surrogate pair
        {"\xF4\x8F\xBF\xBF", u"\xDBFF\xDFFF"},  // the last code point
        {std::string_view("a\0b", 3), std::u16string_view(u"a\0b", 3)},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Utf8ToUtf16(c.utf8), c.utf16);
        EXPECT_EQ(Utf16ToUtf8(c.utf16), c.utf8);
        EXPECT_EQ(Utf16Length(c.utf8), c.utf16.size());
        EXPECT_EQ(SanitizeUtf8(c.utf8), c.utf8);
    }
}

TEST(TextEncodingTest, InvalidSequencesBecomeReplacementCharacters)
{
    const struct {
        std::string_view input;
        std::string_view sanitized;
    } cases[] = {
        {"a\xFF"
         "b",
         "a\xEF\xBF\xBD"
         "b"},
        {"\xC0\x80", "\xEF\xBF\xBD"},          // overlong NUL
        {"\xED\xA0\x80", "\xEF\xBF\xBD"},      // an encoded surrogate
        {"\xF4\x90\x80\x80", "\xEF\xBF\xBD"},  // past U+10FFFF
        {"\xE5\xAE", "\xEF\xBF\xBD"},          // cut at the end
        {"\xE5\xAE"
         "A",
         "\xEF\xBF\xBD"
         "A"},                                     // cut before an ASCII letter, which survives
        {"\x80\x80", "\xEF\xBF\xBD\xEF\xBF\xBD"},  // stray continuation bytes
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SanitizeUtf8(c.input), c.sanitized);
        EXPECT_EQ(Utf16ToUtf8(Utf8ToUtf16(c.input)), c.sanitized);
    }
    // Lone surrogates in UTF-16 cannot become UTF-8.
    EXPECT_EQ(Utf16ToUtf8(u"\xD800x"), "\xEF\xBF\xBDx");
    EXPECT_EQ(Utf16ToUtf8(u"x\xDC00"), "x\xEF\xBF\xBD");
    EXPECT_EQ(Utf16ToUtf8(u"\xDC00\xD800"), "\xEF\xBF\xBD\xEF\xBF\xBD");
}

TEST(TextEncodingTest, CutCountsUtf16UnitsAndNeverSplitsACharacter)
{
    const std::string_view text = "a宏\xF0\x9F\x98\x80z";  // units: 1 + 1 + 2 + 1
    const struct {
        std::size_t units;
        std::string_view expected;
    } cases[] = {
        {0, ""}, {1, "a"}, {2, "a宏"}, {3, "a宏"}, {4, "a宏\xF0\x9F\x98\x80"}, {5, text}, {100, text},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CutToUtf16Units(text, c.units), c.expected) << c.units;
    }
}

}  // namespace
}  // namespace zalvane::platform
