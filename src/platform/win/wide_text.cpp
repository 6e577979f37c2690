#include "platform/win/wide_text.h"

#include "platform/text_encoding.h"

namespace zalvane::platform::win {

// wchar_t is a UTF-16 code unit on Windows; the conversion itself is the core's.
static_assert(sizeof(wchar_t) == sizeof(char16_t));

std::wstring Widen(std::string_view utf8)
{
    const std::u16string units = Utf8ToUtf16(utf8);
    return std::wstring(units.begin(), units.end());
}

std::string Narrow(std::wstring_view utf16)
{
    const std::u16string units(utf16.begin(), utf16.end());
    return Utf16ToUtf8(units);
}

}  // namespace zalvane::platform::win
