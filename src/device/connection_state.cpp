#include "device/connection_state.h"

#include <utility>

namespace zalvane::device {

EventInterface ConnectionState::Events() const
{
    std::lock_guard lock(m_eventsMutex);
    return m_events;
}

void ConnectionState::SetEvents(EventInterface events)
{
    {
        std::lock_guard lock(m_eventsMutex);
        m_events = std::move(events);
    }
    if (m_wake) {
        m_wake();
    }
}

}  // namespace zalvane::device
