#include "platform/win/message_box.h"

#include <string>

#include "platform/win/wide_text.h"

namespace zalvane::platform::win {

int ShowMessage(HWND owner, std::wstring_view text, const wchar_t* caption, UINT type) noexcept
{
    const std::wstring terminated(text);
    return ::MessageBoxW(owner, terminated.c_str(), caption ? caption : kApplicationName, type);
}

// The window shows the fixed text only; the subject and the system's words are for a
// terminal's line.
void WinMessageBox::Show(const MessageText& message)
{
    const std::wstring caption = Widen(message.caption);
    ShowMessage(m_owner, Widen(message.text), caption.empty() ? nullptr : caption.c_str());
}

}  // namespace zalvane::platform::win
