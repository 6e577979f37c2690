#pragma once
// The event listener's wake event: a manual-reset signal that the end of an event read
// sets, and so does every search that opens an event interface. On Windows it is an
// event object, into which the system completes the listener's overlapped reads; where
// reads end on a thread of their own (the virtual mouse, hidapi) a condition variable.

#include <chrono>
#include <condition_variable>
#include <mutex>

namespace zalvane::platform {

class WakeEvent {
public:
    virtual ~WakeEvent() = default;
    virtual void Set() = 0;
    virtual void Reset() = 0;
    // Waits without time limit until it is set; it stays set.
    virtual void Wait() = 0;
    // The system's event object behind it (a Windows event handle), for reads that the
    // system itself completes into it; null when there is none.
    virtual void* SystemEvent() const noexcept { return nullptr; }
};

class PortableWakeEvent final : public WakeEvent {
public:
    void Set() override;
    void Reset() override;
    void Wait() override;
    // Waits at most `timeout`; true when it is set.
    bool WaitFor(std::chrono::milliseconds timeout);

private:
    std::mutex m_mutex;
    std::condition_variable m_changed;
    bool m_set = false;
};

}  // namespace zalvane::platform
