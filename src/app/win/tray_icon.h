#pragma once
// The notification-area icon of the main window: added at start-up, modified in place to
// show a balloon, deleted at exit, and added again when the shell restarts.

#include <windows.h>

#include <shellapi.h>

#include <string_view>

#include "app/win/shell_trace.h"

namespace zalvane::app::win {

class TrayIcon {
public:
    // The one icon's id, shared by add, modify and delete.
    static constexpr UINT kIconId = 1;

    explicit TrayIcon(ShellTrace* trace = nullptr) noexcept : m_trace(trace) {}

    // Each call is traced first when there is a trace (which only running out of memory can
    // make throw).
    bool Add(HWND window, UINT callbackMessage, HICON icon, std::wstring_view tip);
    // After the shell restarted: the same icon again.
    bool AddAgain();
    // Title up to 63 and text up to 255 UTF-16 units; longer ones are cut.
    bool ShowBalloon(std::wstring_view title, std::wstring_view text, UINT timeoutMs);
    bool Delete();

    bool Added() const noexcept { return m_added; }

private:
    void Trace(std::string_view action, std::wstring_view title, std::wstring_view text, UINT timeoutMs);

    ShellTrace* m_trace;
    NOTIFYICONDATAW m_data{};
    bool m_added = false;
};

}  // namespace zalvane::app::win
