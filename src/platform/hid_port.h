#pragma once
// The command interface of the mouse as the protocol sees it: feature reports out and
// back, output reports out, input reports in. Implemented over the HID class driver on
// Windows, over hidraw (hidapi) on Linux and by the virtual mouse.

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <span>

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

    // Reads one input report into `buffer`, waiting at most `timeout`. Returns the number
    // of bytes stored (never more than the buffer holds); 0 when nothing came in time.
    virtual std::size_t ReadInputReport(std::span<std::uint8_t> buffer, std::chrono::milliseconds timeout) = 0;
};

}  // namespace zalvane::platform
