#include "app/device_link.h"

#include <utility>

namespace zalvane::app {

DeviceLink::DeviceLink(device::HidBus& bus, platform::Pacer& pacer, std::function<void()> wake, PortWrapper wrapPort)
    : m_bus(bus), m_pacer(pacer), m_wake(wake), m_wrapPort(std::move(wrapPort)), m_connection(std::move(wake))
{
}

device::SearchResult DeviceLink::Search()
{
    // The command handle of an earlier connection is closed before the search opens a new
    // one; an event interface stays until the search opens another (a search that meets
    // the command interface first does not reach it).
    m_link.reset();
    m_connection.command = {};
    const device::SearchResult result = device::FindMouse(m_bus, m_connection);
    m_connection.SetConnected(result.Found());
    if (result.Found()) {
        device::CommandInterface& command = m_connection.command;
        if (m_wrapPort) {
            command.port = m_wrapPort(std::move(command.port));
        }
        if (command.port) {
            m_link.emplace(
                device::CommandLink{*command.port, m_pacer, command.featureReportLength, command.inputReportLength});
        }
        if (m_wake) {
            m_wake();
        }
    }
    return result;
}

device::CommandLink* DeviceLink::Link()
{
    if (!Connected() || !m_connection.command.port || !m_link) {
        return nullptr;
    }
    return &*m_link;
}

}  // namespace zalvane::app
