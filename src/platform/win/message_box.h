#pragma once
// Message boxes with the program's fixed texts, owned by a window of the program. A box
// without a caption of its own carries the application's name.

#include <windows.h>

#include <string_view>

#include "platform/message_box.h"

namespace zalvane::platform::win {

inline constexpr wchar_t kApplicationName[] = L"Zalvane";

int ShowMessage(HWND owner, std::wstring_view text, const wchar_t* caption = nullptr, UINT type = MB_OK) noexcept;

// The message-box port of the flows: an OK box owned by `owner`.
class WinMessageBox final : public MessageBoxPort {
public:
    explicit WinMessageBox(HWND owner = nullptr) noexcept : m_owner(owner) {}
    void SetOwner(HWND owner) noexcept { m_owner = owner; }
    void Show(const MessageText& message) override;

private:
    HWND m_owner;
};

}  // namespace zalvane::platform::win
