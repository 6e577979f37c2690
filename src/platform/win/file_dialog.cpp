#include "platform/win/file_dialog.h"

#include <commdlg.h>

#include <algorithm>
#include <vector>

#include "platform/win/wide_text.h"

namespace zalvane::platform::win {
namespace {

// Room for the chosen path; the dialog refuses a longer one rather than cutting it.
constexpr std::size_t kPathCapacity = 4096;

}  // namespace

std::wstring WindowsFilter(std::string_view filter)
{
    std::wstring converted = Widen(filter);
    std::replace(converted.begin(), converted.end(), L'|', L'\0');
    while (!converted.empty() && converted.back() == L'\0') {
        converted.pop_back();
    }
    converted.append(2, L'\0');
    return converted;
}

std::optional<std::string> WinFileDialog::Choose(const FileDialogRequest& request)
{
    const std::wstring filter = WindowsFilter(request.filter);
    std::vector<wchar_t> path(kPathCapacity, L'\0');
    const std::wstring initial = Widen(request.initialName);
    // An initial name that does not fit starts the dialog empty rather than cut.
    if (initial.size() < path.size()) {
        std::copy(initial.begin(), initial.end(), path.begin());
    }

    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = m_owner;
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = path.data();
    dialog.nMaxFile = static_cast<DWORD>(path.size());
    dialog.Flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | OFN_FILEMUSTEXIST;
    const BOOL chosen =
        request.mode == FileDialogMode::kOpen ? ::GetOpenFileNameW(&dialog) : ::GetSaveFileNameW(&dialog);
    if (!chosen) {
        return std::nullopt;
    }
    return Narrow(std::wstring(path.data(), wcsnlen(path.data(), path.size())));
}

}  // namespace zalvane::platform::win
