#include "app/win/event_listener_thread.h"

#include "platform/win/thread_end.h"
#include "ui/win/private_messages.h"

namespace zalvane::app::win {
namespace {

constexpr DWORD kStopWaitMs = 2000;

}  // namespace

EventListenerThread::~EventListenerThread()
{
    if (!m_thread) {
        return;
    }
    m_stop = true;
    Wake();
    if (m_suspended) {
        ::ResumeThread(m_thread.get());
    }
    // The thread may be sending a notice to a window of this thread.
    if (platform::win::WaitForThreadAnsweringSends(m_thread.get(), kStopWaitMs)) {
        return;
    }
    // Still inside a read that will not end: the event it completes into must outlive it.
    static_cast<void>(m_wake.release());
}

bool EventListenerThread::CreateWakeEvent() noexcept
{
    m_wake = std::make_unique<platform::win::WinWakeEvent>();
    if (*m_wake) {
        return true;
    }
    m_wake.reset();
    return false;
}

void EventListenerThread::Wake() noexcept
{
    if (m_wake) {
        m_wake->Set();
    }
}

bool EventListenerThread::Create(device::ConnectionState& connection, HWND window) noexcept
{
    if (!m_wake || m_thread) {
        return false;
    }
    m_connection = &connection;
    m_window = window;
    m_thread.reset(::CreateThread(nullptr, 0, &EventListenerThread::ThreadProc, this, CREATE_SUSPENDED, nullptr));
    m_suspended = static_cast<bool>(m_thread);
    return m_suspended;
}

void EventListenerThread::Resume() noexcept
{
    if (!m_thread) {
        return;
    }
    if (m_suspended) {
        ::ResumeThread(m_thread.get());
    }
    m_suspended = false;
}

DWORD WINAPI EventListenerThread::ThreadProc(void* self) noexcept
{
    auto& listener = *static_cast<EventListenerThread*>(self);
    try {
        RunEventListener(
            *listener.m_connection, *listener.m_wake,
            [&listener](std::uint8_t code, std::uint8_t value) {
                ::SendMessageW(listener.m_window, ui::win::kDeviceNoticeMessage, code, value);
            },
            listener.m_stop);
    } catch (...) {
        // Nothing it runs throws but the allocator; the thread ends, the window lives on.
        return 1;
    }
    return 0;
}

}  // namespace zalvane::app::win
