#include "app/event_listener.h"

#include <algorithm>

namespace zalvane::app {

void RunEventListener(const device::ConnectionState& connection, ListenerPort& port, const EventHandOver& handOver,
                      const std::atomic<bool>& stop)
{
    std::array<std::uint8_t, kListenerBufferSize> buffer{};
    while (!stop.load()) {
        port.ResetWake();
        const device::EventInterface events = connection.Events();
        if (!connection.Connected() || !events.port) {
            port.WaitWake();
            continue;
        }
        if (!port.StartRead(*events.port, events.inputReportLength)) {
            port.WaitWake();
            continue;
        }
        port.WaitWake();
        // The wake may be a new search: a read on an interface that is no longer the
        // current one, or after the mouse went away, is given up rather than waited for.
        if (stop.load() || !connection.Connected() || connection.Events().port != events.port) {
            port.CancelRead();
            continue;
        }
        // A report longer than the buffer is cut, never written past it.
        const std::size_t count = std::min(port.FinishRead(buffer), buffer.size());
        if (count > device::kEventValueAt && buffer[0] == device::kEventReportId && buffer[1] == device::kEventClass)
            handOver(buffer[device::kEventCodeAt], buffer[device::kEventValueAt]);
    }
}

}  // namespace zalvane::app
