#pragma once
// The mouse's two interfaces as the core sees them, implemented over the HID class driver
// on Windows, over hidraw (hidapi) on Linux and by the virtual mouse:
//
// - the command interface: feature reports out and back, output reports out, input
//   reports in (the chunks of a block read);
// - the event interface: input reports in, read one at a time by the event listener.
//
// Every read follows one convention: the bytes stored (never more than the buffer holds,
// byte 0 the report ID), 0 when nothing came in time, nullopt when the interface failed
// (the mouse was unplugged).

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

#include "platform/wake_event.h"

namespace zalvane::platform {

class HidPort {
public:
    virtual ~HidPort() = default;

    // Sends one feature report; byte 0 is the report ID. True when the system took it.
    virtual bool SendFeatureReport(std::span<const std::uint8_t> report) = 0;

    // Fetches one feature report into `report` (byte 0 holds the report ID to ask for).
    virtual bool GetFeatureReport(std::span<std::uint8_t> report) = 0;

    // Writes one output report; byte 0 is the report ID.
    virtual bool WriteOutputReport(std::span<const std::uint8_t> report) = 0;

    // Reads one input report into `buffer`, waiting at most `timeout`.
    [[nodiscard]] virtual std::optional<std::size_t> ReadInputReport(std::span<std::uint8_t> buffer,
                                                                     std::chrono::milliseconds timeout) = 0;
};

// The event interface, opened for reading only. Its reads are the listener's: one at a
// time, started, waited for with the listener's wake event, then finished or cancelled.
//
//   port.StartRead(length, wake);      // the read's end will set `wake`
//   wake.Wait();                       // a read that ended, or a new search
//   if (port.ReadEnded()) count = port.FinishRead(buffer); else port.CancelRead();
class HidEventPort {
public:
    virtual ~HidEventPort() = default;

    // Starts reading one report of `reportLength` bytes (the interface's input report
    // length, which the driver insists on). The read's end, with a report or failed,
    // sets `wake`, which must outlive the read. False when no read could start (the
    // interface is gone, or a read is under way); `wake` is then left alone.
    virtual bool StartRead(std::size_t reportLength, WakeEvent& wake) = 0;

    // Whether the started read has ended, without waiting.
    virtual bool ReadEnded() = 0;

    // Copies the ended read's report into `buffer`, cut to the buffer's size; nullopt
    // when the read failed or none was started. Meant for a read that ReadEnded says is
    // over; a read still under way is waited for (on Windows, on the wake event).
    [[nodiscard]] virtual std::optional<std::size_t> FinishRead(std::span<std::uint8_t> buffer) = 0;

    // Gives the started read up; returns once nothing touches the read's buffer any more.
    // Nothing happens when no read is under way.
    virtual void CancelRead() = 0;
};

}  // namespace zalvane::platform
