#include "assign/win/system_key_names.h"

#include <windows.h>

#include <array>

#include "platform/win/wide_text.h"

namespace zalvane::assign::win {

std::string SystemKeyName(std::uint32_t keyFlags)
{
    std::array<wchar_t, 32> name{};
    const int length = ::GetKeyNameTextW(static_cast<LONG>(keyFlags), name.data(), static_cast<int>(name.size()));
    if (length <= 0) {
        return {};
    }
    return platform::win::Narrow(std::wstring_view(name.data(), static_cast<std::size_t>(length)));
}

KeyNameMap BuildSystemKeyNameMap()
{
    return BuildKeyNameMap([](ScanCode scan) { return SystemKeyName(KeyFlagsFromScanCode(scan)); });
}

}  // namespace zalvane::assign::win
