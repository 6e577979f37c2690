#pragma once
// The mouse's two interfaces over the HID class driver: the command interface (feature
// reports with HidD_SetFeature / HidD_GetFeature, data chunks with WriteFile / ReadFile)
// and the event interface (input reports with ReadFile). Both handles are opened for
// overlapped I/O, so that no transfer waits longer than its caller allows.

#include <windows.h>

#include <vector>

#include "device/hid_bus.h"
#include "device/win/overlapped_io.h"
#include "platform/hid_port.h"
#include "platform/win/unique_handle.h"

namespace zalvane::device::win {

class WinHidCommandPort final : public platform::HidPort {
public:
    explicit WinHidCommandPort(platform::win::UniqueFile file) noexcept : m_file(std::move(file)) {}

    bool SendFeatureReport(std::span<const std::uint8_t> report) override;
    bool GetFeatureReport(std::span<std::uint8_t> report) override;
    bool WriteOutputReport(std::span<const std::uint8_t> report) override;
    std::size_t ReadInputReport(std::span<std::uint8_t> buffer, std::chrono::milliseconds timeout) override;

private:
    platform::win::UniqueFile m_file;
    OverlappedIo m_io;
};

class WinHidEventPort final : public HidEventPort {
public:
    WinHidEventPort(platform::win::UniqueFile file, std::uint16_t reportLength) noexcept
        : m_file(std::move(file)), m_reportLength(reportLength)
    {
    }

    // Reads one whole report (the driver refuses shorter reads) and cuts it to `buffer`.
    std::optional<std::size_t> ReadInputReport(std::span<std::uint8_t> buffer,
                                               std::chrono::milliseconds timeout) override;

    // For the event listener's own overlapped reads.
    HANDLE Handle() const noexcept { return m_file.get(); }

private:
    platform::win::UniqueFile m_file;
    std::uint16_t m_reportLength;
    OverlappedIo m_io;
    std::vector<std::uint8_t> m_report;
};

}  // namespace zalvane::device::win
