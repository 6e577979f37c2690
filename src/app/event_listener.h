#pragma once
// The event listener: a thread of its own that reads the mouse's event reports from the
// event interface and hands each one the program acts on (report ID 6, class 7) to the
// window thread, waiting until the window has handled it.
//
// It sleeps on one wake event, which is also where its reads end: a read that ends sets
// it, and so does every search that opens an event interface. After every wake it looks
// at the connected flag and the event interface again. The reads are the event port's
// (platform/hid_port.h): overlapped ReadFile on Windows, the virtual mouse's event queue
// in the demo mode, a script in tests.

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>

#include "device/connection_state.h"
#include "device/event_report.h"
#include "platform/wake_event.h"

namespace zalvane::app {

inline constexpr std::size_t kListenerBufferSize = 40;

// Hands one event (code, value) to the window thread and returns once it was handled.
using EventHandOver = std::function<void(std::uint8_t code, std::uint8_t value)>;

// Runs until `stop` is set and the wake event signalled (the program itself never stops
// it: the thread ends with the process).
void RunEventListener(const device::ConnectionState& connection, platform::WakeEvent& wake,
                      const EventHandOver& handOver, const std::atomic<bool>& stop);

}  // namespace zalvane::app
