#pragma once
// The mouse's two interfaces over the HID class driver: the command interface (feature
// reports with HidD_SetFeature / HidD_GetFeature, data chunks with WriteFile / ReadFile)
// and the event interface (input reports with ReadFile). Both handles are opened for
// overlapped I/O: no command transfer waits longer than its caller allows, and an event
// read completes into the listener's wake event.

#include <windows.h>

#include <vector>

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
    std::optional<std::size_t> ReadInputReport(std::span<std::uint8_t> buffer,
                                               std::chrono::milliseconds timeout) override;

private:
    platform::win::UniqueFile m_file;
    OverlappedIo m_io;
};

class WinHidEventPort final : public platform::HidEventPort {
public:
    explicit WinHidEventPort(platform::win::UniqueFile file) noexcept : m_file(std::move(file)) {}
    ~WinHidEventPort() override { CancelRead(); }
    WinHidEventPort(const WinHidEventPort&) = delete;
    WinHidEventPort& operator=(const WinHidEventPort&) = delete;

    // Takes only a wake event with an event object behind it (WinWakeEvent).
    bool StartRead(std::size_t reportLength, platform::WakeEvent& wake) override;
    bool ReadEnded() override;
    // Reads one whole report (the driver refuses shorter reads) and cuts it to `buffer`.
    std::optional<std::size_t> FinishRead(std::span<std::uint8_t> buffer) override;
    void CancelRead() override;

private:
    platform::win::UniqueFile m_file;
    OVERLAPPED m_overlapped{};
    std::vector<std::uint8_t> m_report;
    bool m_pending = false;
};

}  // namespace zalvane::device::win
