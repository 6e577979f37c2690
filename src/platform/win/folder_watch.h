#pragma once
// A folder watched through the system's change notification (FindFirstChangeNotificationW,
// file names only: a file left in the folder, renamed into it or taken out of it). Where
// the system gives no notification for the folder, or stops giving it, the watch looks
// again every kFallbackPeriod instead.

#include <windows.h>

#include <string>

#include "platform/folder_watch.h"
#include "platform/win/unique_handle.h"

namespace zalvane::platform::win {

struct ChangeNotificationTraits {
    using Handle = HANDLE;
    static Handle Invalid() noexcept { return INVALID_HANDLE_VALUE; }
    static void Close(Handle handle) noexcept { ::FindCloseChangeNotification(handle); }
};
using UniqueChangeNotification = UniqueHandle<ChangeNotificationTraits>;

class WinFolderWatch final : public FolderWatch {
public:
    static constexpr DWORD kFallbackPeriodMs = 50;

    // Watches `folder` (UTF-16) from now on.
    explicit WinFolderWatch(const std::wstring& folder) noexcept;

    bool WaitForChange() override;
    void Stop() override;

    // Whether the system notifies this watch; without, it looks every kFallbackPeriodMs.
    bool Notified() const noexcept { return static_cast<bool>(m_change); }

private:
    UniqueChangeNotification m_change;
    UniqueEvent m_stop;
};

}  // namespace zalvane::platform::win
