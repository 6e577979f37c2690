#include "app/win/event_listener_thread.h"

#include "app/win/listener_ports.h"
#include "ui/win/private_messages.h"

namespace zalvane::app::win {
namespace {

constexpr DWORD kStopWaitMs = 2000;

}  // namespace

EventListenerThread::~EventListenerThread()
{
    if (!m_thread)
        return;
    m_stop = true;
    Wake();
    if (m_suspended)
        ::ResumeThread(m_thread.get());
    // The thread may be sending a notice to a window of this thread: answer sent messages
    // while waiting for it to end.
    const DWORD deadline = ::GetTickCount() + kStopWaitMs;
    HANDLE thread = m_thread.get();
    for (;;) {
        const DWORD now = ::GetTickCount();
        const DWORD left = now < deadline ? deadline - now : 0;
        const DWORD woken = ::MsgWaitForMultipleObjects(1, &thread, FALSE, left, QS_SENDMESSAGE);
        if (woken == WAIT_OBJECT_0)
            return;
        if (woken != WAIT_OBJECT_0 + 1)
            break;
        MSG message;
        ::PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
    // Still inside a read that will not end: its port must outlive it.
    static_cast<void>(m_port.release());
}

bool EventListenerThread::CreateWakeEvent() noexcept
{
    m_wake.reset(::CreateEventW(nullptr, TRUE, FALSE, nullptr));
    return static_cast<bool>(m_wake);
}

void EventListenerThread::Wake() noexcept
{
    if (m_wake)
        ::SetEvent(m_wake.get());
}

bool EventListenerThread::Create(device::ConnectionState& connection, ListenerReads reads, HWND window) noexcept
{
    if (!m_wake || m_thread)
        return false;
    if (reads == ListenerReads::kOverlapped)
        m_port = std::make_unique<OverlappedListenerPort>(m_wake.get());
    else
        m_port = std::make_unique<VirtualListenerPort>(m_wake.get());
    m_connection = &connection;
    m_window = window;
    m_thread.reset(::CreateThread(nullptr, 0, &EventListenerThread::ThreadProc, this, CREATE_SUSPENDED, nullptr));
    m_suspended = static_cast<bool>(m_thread);
    return m_suspended;
}

void EventListenerThread::Resume() noexcept
{
    if (!m_thread)
        return;
    if (m_suspended)
        ::ResumeThread(m_thread.get());
    m_suspended = false;
}

DWORD WINAPI EventListenerThread::ThreadProc(void* self) noexcept
{
    auto& listener = *static_cast<EventListenerThread*>(self);
    try {
        RunEventListener(
            *listener.m_connection, *listener.m_port,
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
