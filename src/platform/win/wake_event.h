#pragma once
// The listener's wake event on Windows: a manual-reset event object, not signalled at
// first, into which the system completes the listener's overlapped reads.

#include <windows.h>

#include "platform/wake_event.h"
#include "platform/win/unique_handle.h"

namespace zalvane::platform::win {

class WinWakeEvent final : public WakeEvent {
public:
    // Empty when the system refuses an event.
    WinWakeEvent() noexcept : m_event(::CreateEventW(nullptr, TRUE, FALSE, nullptr)) {}

    explicit operator bool() const noexcept { return static_cast<bool>(m_event); }

    void Set() override { ::SetEvent(m_event.get()); }
    void Reset() override { ::ResetEvent(m_event.get()); }
    void Wait() override { ::WaitForSingleObject(m_event.get(), INFINITE); }
    void* SystemEvent() const noexcept override { return m_event.get(); }

private:
    UniqueEvent m_event;
};

}  // namespace zalvane::platform::win
