#pragma once
// UTF-8 <-> UTF-16 at the boundaries: the core keeps every text in UTF-8, the Windows
// functions and the shipped text files speak UTF-16. Invalid input never stops a
// conversion: each bad sequence becomes U+FFFD.

#include <cstddef>
#include <string>
#include <string_view>

namespace zalvane::platform {

inline constexpr char32_t kReplacementCharacter = 0xFFFD;

// The code point starting at `pos` (< text.size()), moving `pos` past it. An invalid,
// overlong or cut sequence yields U+FFFD and moves past its lead byte and the
// continuation bytes that follow it.
char32_t DecodeUtf8(std::string_view text, std::size_t& pos);

// Appends the UTF-8 form of `codePoint` (surrogates and values past U+10FFFF as U+FFFD).
void AppendUtf8(std::string& out, char32_t codePoint);

std::u16string Utf8ToUtf16(std::string_view text);
std::string Utf16ToUtf8(std::u16string_view text);

// `text` with every invalid sequence replaced by U+FFFD.
std::string SanitizeUtf8(std::string_view text);

// Number of UTF-16 code units `text` takes (texts are bounded in these units).
std::size_t Utf16Length(std::string_view text);

// The longest prefix of `text` that takes at most `maxUnits` UTF-16 code units; never
// splits a character (a pair of surrogates is kept whole or left out).
std::string_view CutToUtf16Units(std::string_view text, std::size_t maxUnits);

}  // namespace zalvane::platform
