#include "platform/wake_event.h"

namespace zalvane::platform {

void PortableWakeEvent::Set()
{
    {
        std::lock_guard lock(m_mutex);
        m_set = true;
    }
    m_changed.notify_all();
}

void PortableWakeEvent::Reset()
{
    std::lock_guard lock(m_mutex);
    m_set = false;
}

void PortableWakeEvent::Wait()
{
    std::unique_lock lock(m_mutex);
    m_changed.wait(lock, [this] { return m_set; });
}

bool PortableWakeEvent::WaitFor(std::chrono::milliseconds timeout)
{
    std::unique_lock lock(m_mutex);
    return m_changed.wait_for(lock, timeout, [this] { return m_set; });
}

}  // namespace zalvane::platform
