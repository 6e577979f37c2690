#pragma once
// The mouse as the window thread reaches it: the HID bus that the find-mouse search walks,
// the connection state that the search fills (shared with the event listener), and the
// command link over the open command interface.

#include <functional>
#include <memory>
#include <optional>

#include "device/connection_state.h"
#include "device/find_mouse.h"
#include "device/hid_bus.h"
#include "device/protocol.h"
#include "platform/pacer.h"

namespace zalvane::app {

class DeviceLink {
public:
    // Takes each command interface the search opens and gives what the link uses in its
    // place: the same port behind a trace, or a test's misbehaving mouse.
    using PortWrapper = std::function<std::unique_ptr<platform::HidPort>(std::unique_ptr<platform::HidPort>)>;

    // `wake` wakes the event listener (its wake event on Windows); it is called on the
    // window thread.
    DeviceLink(device::HidBus& bus, platform::Pacer& pacer, std::function<void()> wake, PortWrapper wrapPort = {});
    DeviceLink(const DeviceLink&) = delete;
    DeviceLink& operator=(const DeviceLink&) = delete;

    device::ConnectionState& Connection() { return m_connection; }
    bool Connected() const { return m_connection.Connected(); }

    // Runs the find-mouse search and sets the connected flag to its answer. The search
    // wakes the listener when it opens the event interface, which is before the flag is
    // set; a listener that looked at the flag in between would sleep through the new
    // connection, so a successful search wakes it once more.
    device::SearchResult Search();

    // The command link over the command interface; nothing while not connected.
    device::CommandLink* Link();

private:
    device::HidBus& m_bus;
    platform::Pacer& m_pacer;
    std::function<void()> m_wake;
    PortWrapper m_wrapPort;
    device::ConnectionState m_connection;
    std::optional<device::CommandLink> m_link;
};

}  // namespace zalvane::app
