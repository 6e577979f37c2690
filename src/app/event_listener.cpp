#include "app/event_listener.h"

#include <algorithm>
#include <memory>

namespace zalvane::app {
namespace {

// Waits for the started read to end. False when the wake was a new search, the mouse
// going away or the stop instead: then the read is given up rather than waited for.
bool WaitForTheRead(const device::ConnectionState& connection, platform::HidEventPort& port, platform::WakeEvent& wake,
                    const std::atomic<bool>& stop)
{
    for (;;) {
        wake.Wait();
        // Cleared before anything is looked at, so that what happens from here on wakes
        // the next wait.
        wake.Reset();
        if (stop.load() || !connection.Connected() || connection.Events().port.get() != &port) {
            port.CancelRead();
            return false;
        }
        if (port.ReadEnded()) {
            return true;
        }
        // A search that kept this interface: the read goes on.
    }
}

}  // namespace

void RunEventListener(const device::ConnectionState& connection, platform::WakeEvent& wake,
                      const EventHandOver& handOver, const std::atomic<bool>& stop)
{
    std::array<std::uint8_t, kListenerBufferSize> buffer{};
    while (!stop.load()) {
        wake.Reset();
        // The listener's own reference: a search may store a new interface meanwhile.
        const device::EventInterface events = connection.Events();
        if (!connection.Connected() || !events.port || !events.port->StartRead(events.inputReportLength, wake)) {
            // Only a search (or the stop) wakes it now.
            wake.Wait();
            continue;
        }
        if (!WaitForTheRead(connection, *events.port, wake, stop)) {
            continue;
        }
        // A report longer than the buffer is cut, never written past it; a failed read
        // is ignored and the next one started.
        const std::size_t count = std::min(events.port->FinishRead(buffer).value_or(0), buffer.size());
        if (const auto event = device::EventOfReport(std::span(buffer).first(count))) {
            handOver(event->code, event->value);
        }
    }
}

}  // namespace zalvane::app
