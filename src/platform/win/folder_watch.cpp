#include "platform/win/folder_watch.h"

namespace zalvane::platform::win {

WinFolderWatch::WinFolderWatch(const std::wstring& folder) noexcept
    : m_change(::FindFirstChangeNotificationW(folder.c_str(), FALSE, FILE_NOTIFY_CHANGE_FILE_NAME)),
      m_stop(::CreateEventW(nullptr, TRUE, FALSE, nullptr))
{
}

bool WinFolderWatch::WaitForChange()
{
    if (!m_stop) {
        return false;  // nothing could end the wait: nothing is waited for
    }
    if (!m_change) {
        return ::WaitForSingleObject(m_stop.get(), kFallbackPeriodMs) == WAIT_TIMEOUT;
    }
    const HANDLE handles[] = {m_stop.get(), m_change.get()};
    switch (::WaitForMultipleObjects(2, handles, FALSE, INFINITE)) {
        case WAIT_OBJECT_0:
            return false;
        case WAIT_OBJECT_0 + 1:
            // Armed again before the caller looks, so that what changes while it looks
            // ends the next wait.
            if (!::FindNextChangeNotification(m_change.get())) {
                m_change.reset();
            }
            return true;
        default:
            m_change.reset();
            return true;
    }
}

void WinFolderWatch::Stop()
{
    if (m_stop) {
        ::SetEvent(m_stop.get());
    }
}

}  // namespace zalvane::platform::win
