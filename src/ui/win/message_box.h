#pragma once
// Message boxes with the program's fixed texts. A box without a caption of its own
// carries the application's name.

#include <windows.h>

#include <string_view>

namespace zalvane::ui::win {

inline constexpr wchar_t kApplicationName[] = L"Zalvane";

int ShowMessage(HWND owner, std::wstring_view text, const wchar_t* caption = nullptr, UINT type = MB_OK) noexcept;

}  // namespace zalvane::ui::win
