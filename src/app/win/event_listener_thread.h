#pragma once
// The event listener's thread and its wake event. The thread is created suspended and
// runs once a mouse is connected; every event it reads goes to the main window as the
// device notice, sent (not posted), so that it is handled on the window thread before
// the next read starts.

#include <windows.h>

#include <atomic>
#include <memory>

#include "app/event_listener.h"
#include "platform/win/unique_handle.h"
#include "platform/win/wake_event.h"

namespace zalvane::app::win {

class EventListenerThread {
public:
    EventListenerThread() = default;
    // Ends the thread (the program itself ends with the process instead).
    ~EventListenerThread();
    EventListenerThread(const EventListenerThread&) = delete;
    EventListenerThread& operator=(const EventListenerThread&) = delete;

    // The wake event: manual reset, not signalled. False when it cannot be made.
    bool CreateWakeEvent() noexcept;
    // Signals the wake event, when there is one.
    void Wake() noexcept;

    // Creates the thread, suspended; events go to `window`.
    bool Create(device::ConnectionState& connection, HWND window) noexcept;
    bool Exists() const noexcept { return static_cast<bool>(m_thread); }
    void Resume() noexcept;
    bool Suspended() const noexcept { return m_suspended; }

private:
    static DWORD WINAPI ThreadProc(void* self) noexcept;

    std::unique_ptr<platform::win::WinWakeEvent> m_wake;
    platform::win::UniqueKernelHandle m_thread;
    device::ConnectionState* m_connection = nullptr;
    HWND m_window = nullptr;
    std::atomic<bool> m_stop{false};
    bool m_suspended = false;
};

}  // namespace zalvane::app::win
