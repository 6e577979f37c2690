#include "app/win/tray_icon.h"

#include <algorithm>

#include "platform/win/wide_text.h"

namespace zalvane::app::win {
namespace {

// Copies `text` into a fixed field, cut to leave room for the terminating NUL.
template <std::size_t N>
void CopyField(wchar_t (&field)[N], std::wstring_view text) noexcept
{
    const std::size_t count = std::min(text.size(), N - 1);
    std::copy_n(text.begin(), count, field);
    field[count] = L'\0';
}

}  // namespace

bool TrayIcon::Add(HWND window, UINT callbackMessage, HICON icon, std::wstring_view tip)
{
    m_data = NOTIFYICONDATAW{};
    m_data.cbSize = sizeof m_data;  // the 64-bit record's size
    m_data.hWnd = window;
    m_data.uID = kIconId;
    m_data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    m_data.uCallbackMessage = callbackMessage;
    m_data.hIcon = icon;
    CopyField(m_data.szTip, tip);
    return AddAgain();
}

bool TrayIcon::AddAgain()
{
    if (!m_data.hWnd) {
        return false;
    }
    const UINT flags = m_data.uFlags;
    m_data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    const bool added = ::Shell_NotifyIconW(NIM_ADD, &m_data) != FALSE;
    m_data.uFlags = flags;
    Trace("add", {}, m_data.szTip, 0);
    // A shell that did not really restart refuses the icon it still shows: it is still
    // ours to delete.
    m_added = m_added || added;
    return added;
}

bool TrayIcon::ShowBalloon(std::wstring_view title, std::wstring_view text, UINT timeoutMs)
{
    if (!m_data.hWnd) {
        return false;
    }
    CopyField(m_data.szInfo, text);
    CopyField(m_data.szInfoTitle, title);
    m_data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP | NIF_INFO;
    m_data.dwInfoFlags = NIIF_INFO;
    m_data.uTimeout = timeoutMs;
    Trace("balloon", m_data.szInfoTitle, m_data.szInfo, timeoutMs);
    return ::Shell_NotifyIconW(NIM_MODIFY, &m_data) != FALSE;
}

bool TrayIcon::Delete()
{
    if (!m_added) {
        return false;
    }
    m_added = false;
    Trace("delete", {}, {}, 0);
    return ::Shell_NotifyIconW(NIM_DELETE, &m_data) != FALSE;
}

void TrayIcon::Trace(std::string_view action, std::wstring_view title, std::wstring_view text, UINT timeoutMs)
{
    if (m_trace) {
        m_trace->Write(action, platform::win::Narrow(title), platform::win::Narrow(text), timeoutMs);
    }
}

}  // namespace zalvane::app::win
