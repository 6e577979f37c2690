#pragma once
// The mouse's interfaces opened through hidapi. hidraw leaves the report ID byte out of
// what it reads when the interface has no numbered reports; these ports put the 0 back,
// so that byte 0 of every input report is its report ID on Linux as on Windows.

#include <hidapi/hidapi.h>

#include <atomic>
#include <memory>
#include <optional>
#include <span>
#include <thread>
#include <utility>
#include <vector>

#include "platform/hid_port.h"

namespace zalvane::device {

// Reads one input report with its report ID in byte 0. `read` fills a buffer as hidraw
// does (unnumbered reports without their ID) and returns the byte count, 0 when nothing
// came in time, -1 when the device failed.
template <typename Read>
int ReadReportWithId(bool numberedReports, std::span<std::uint8_t> buffer, Read&& read)
{
    if (buffer.empty()) {
        return 0;
    }
    if (numberedReports) {
        return std::forward<Read>(read)(buffer);
    }
    buffer[0] = 0;
    const int count = std::forward<Read>(read)(buffer.subspan(1));
    return count > 0 ? count + 1 : count;
}

struct HidDeviceCloser {
    void operator()(hid_device* device) const { hid_close(device); }
};
using UniqueHidDevice = std::unique_ptr<hid_device, HidDeviceCloser>;

class HidapiCommandPort final : public platform::HidPort {
public:
    HidapiCommandPort(UniqueHidDevice device, bool numberedReports)
        : m_device(std::move(device)), m_numbered(numberedReports)
    {
    }

    bool SendFeatureReport(std::span<const std::uint8_t> report) override;
    bool GetFeatureReport(std::span<std::uint8_t> report) override;
    bool WriteOutputReport(std::span<const std::uint8_t> report) override;
    std::optional<std::size_t> ReadInputReport(std::span<std::uint8_t> buffer,
                                               std::chrono::milliseconds timeout) override;

private:
    UniqueHidDevice m_device;
    bool m_numbered;
};

// hidapi's reads block: each event read runs on a thread of its own, which sets the wake
// event when a report came or the device failed.
class HidapiEventPort final : public platform::HidEventPort {
public:
    HidapiEventPort(UniqueHidDevice device, bool numberedReports)
        : m_device(std::move(device)), m_numbered(numberedReports)
    {
    }
    ~HidapiEventPort() override { CancelRead(); }
    HidapiEventPort(const HidapiEventPort&) = delete;
    HidapiEventPort& operator=(const HidapiEventPort&) = delete;

    bool StartRead(std::size_t reportLength, platform::WakeEvent& wake) override;
    bool ReadEnded() override { return m_reader.joinable() && m_ended.load(); }
    std::optional<std::size_t> FinishRead(std::span<std::uint8_t> buffer) override;
    void CancelRead() override;

private:
    UniqueHidDevice m_device;
    bool m_numbered;
    std::thread m_reader;
    std::atomic<bool> m_cancel{false};
    std::atomic<bool> m_ended{false};
    std::vector<std::uint8_t> m_report;
    std::optional<std::size_t> m_count;  // the reader's answer, read after joining it
};

}  // namespace zalvane::device
