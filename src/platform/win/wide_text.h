#pragma once
// The Win32 boundary: the core's UTF-8 texts to the system's UTF-16 and back.

#include <string>
#include <string_view>

namespace zalvane::platform::win {

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);

}  // namespace zalvane::platform::win
