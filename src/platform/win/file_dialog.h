#pragma once
// The system's open-file and save-file dialogs (GetOpenFileNameW / GetSaveFileNameW) as
// the file-dialog port of import and export.

#include <windows.h>

#include <string>
#include <string_view>

#include "platform/file_dialog.h"

namespace zalvane::platform::win {

// A filter in the "text|pattern|...||" form as the system wants it: every "|" becomes a
// NUL, and the list ends with two NULs whatever the text ended with.
std::wstring WindowsFilter(std::string_view filter);

class WinFileDialog final : public FileDialogPort {
public:
    explicit WinFileDialog(HWND owner = nullptr) noexcept : m_owner(owner) {}
    void SetOwner(HWND owner) noexcept { m_owner = owner; }

    std::optional<std::string> Choose(const FileDialogRequest& request) override;

private:
    HWND m_owner;
};

}  // namespace zalvane::platform::win
