#pragma once
// What the find-mouse search opened: the command interface (used on the window thread
// only), the event interface and the connected flag (shared with the event listener).
// The listener takes its own reference to the event port, so a later search may store a
// new one while a read on the old one is still under way.

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>

#include "device/hid_bus.h"
#include "platform/hid_port.h"

namespace zalvane::device {

struct CommandInterface {
    std::unique_ptr<platform::HidPort> port;
    std::uint16_t featureReportLength = 0;
    std::uint16_t inputReportLength = 0;
};

struct EventInterface {
    std::shared_ptr<platform::HidEventPort> port;
    std::uint16_t inputReportLength = 0;
};

class ConnectionState {
public:
    // `wake` is called each time an event interface has been stored (the listener's wake
    // event on Windows).
    explicit ConnectionState(std::function<void()> wake = {}) : m_wake(std::move(wake)) {}
    ConnectionState(const ConnectionState&) = delete;
    ConnectionState& operator=(const ConnectionState&) = delete;

    // Window thread only. A new search replaces what it opens; what it does not reach
    // stays as the last search left it.
    CommandInterface command;
    std::string devicePath;  // the interface the search examined last

    bool Connected() const { return m_connected.load(); }
    void SetConnected(bool connected) { m_connected.store(connected); }

    EventInterface Events() const;
    // Stores the event interface, then wakes the listener.
    void SetEvents(EventInterface events);

private:
    std::function<void()> m_wake;
    std::atomic<bool> m_connected{false};
    mutable std::mutex m_eventsMutex;
    EventInterface m_events;
};

}  // namespace zalvane::device
