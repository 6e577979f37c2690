#pragma once
// The event listener: a thread of its own that reads the mouse's event reports from the
// event interface and hands each one the program acts on (report ID 6, class 7) to the
// window thread, waiting until the window has handled it.
//
// It sleeps on one wake event, which is also the completion event of its reads: a read
// that ends wakes it, and so does every search that opens an event interface. After
// every wake it looks at the connected flag and the event interface again. The reads go
// through a port: overlapped ReadFile on Windows, the virtual mouse's event queue in the
// demo mode, a script in tests.

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>

#include "device/connection_state.h"
#include "device/hid_bus.h"

namespace zalvane::app {

inline constexpr std::size_t kListenerBufferSize = 40;
inline constexpr std::uint8_t kEventReportId = 6;
inline constexpr std::uint8_t kEventClass = 7;

struct DeviceEvent {
    std::uint8_t code = 0;
    std::uint8_t value = 0;
    friend bool operator==(const DeviceEvent&, const DeviceEvent&) = default;
};

// The event an input report of the event interface carries: report ID 6, class 7, then
// the code and the value. Nothing for any other report, or one too short.
std::optional<DeviceEvent> EventOfReport(std::span<const std::uint8_t> report);

class ListenerPort {
public:
    virtual ~ListenerPort() = default;
    virtual void ResetWake() = 0;
    // Waits without time limit until the wake event is signalled.
    virtual void WaitWake() = 0;
    // Starts reading one report of `reportLength` bytes (the interface's input report
    // length) from `port`; the read's end signals the wake event. False when no read
    // could be started (then only a new search wakes the listener).
    virtual bool StartRead(device::HidEventPort& port, std::size_t reportLength) = 0;
    // Waits for the started read to end and copies the report into `buffer`, cut to its
    // size. Returns the bytes stored, 0 when the read failed.
    virtual std::size_t FinishRead(std::span<std::uint8_t> buffer) = 0;
    // Gives the started read up; returns once the read is over.
    virtual void CancelRead() = 0;
};

// Hands one event (code, value) to the window thread and returns once it was handled.
using EventHandOver = std::function<void(std::uint8_t code, std::uint8_t value)>;

// Runs until `stop` is set and the wake event signalled (the program itself never stops
// it: the thread ends with the process).
void RunEventListener(const device::ConnectionState& connection, ListenerPort& port, const EventHandOver& handOver,
                      const std::atomic<bool>& stop);

}  // namespace zalvane::app
