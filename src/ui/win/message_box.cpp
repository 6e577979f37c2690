#include "ui/win/message_box.h"

#include <string>

namespace zalvane::ui::win {

int ShowMessage(HWND owner, std::wstring_view text, const wchar_t* caption, UINT type) noexcept
{
    const std::wstring terminated(text);
    return ::MessageBoxW(owner, terminated.c_str(), caption ? caption : kApplicationName, type);
}

}  // namespace zalvane::ui::win
