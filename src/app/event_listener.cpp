#include "app/event_listener.h"

#include <algorithm>

namespace zalvane::app {

std::optional<DeviceEvent> EventOfReport(std::span<const std::uint8_t> report)
{
    if (report.size() < 4 || report[0] != kEventReportId || report[1] != kEventClass)
        return std::nullopt;
    return DeviceEvent{report[2], report[3]};
}

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
        if (const auto event = EventOfReport(std::span(buffer).first(count)))
            handOver(event->code, event->value);
    }
}

}  // namespace zalvane::app
