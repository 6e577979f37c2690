#pragma once
// The mouse's interfaces opened through hidapi. hidraw leaves the report ID byte out of
// what it reads when the interface has no numbered reports; these ports put the 0 back,
// so that byte 0 of every input report is its report ID on Linux as on Windows.

#include <hidapi/hidapi.h>

#include <memory>
#include <span>
#include <utility>

#include "device/hid_bus.h"
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
    std::size_t ReadInputReport(std::span<std::uint8_t> buffer, std::chrono::milliseconds timeout) override;

private:
    UniqueHidDevice m_device;
    bool m_numbered;
};

class HidapiEventPort final : public HidEventPort {
public:
    HidapiEventPort(UniqueHidDevice device, bool numberedReports)
        : m_device(std::move(device)), m_numbered(numberedReports)
    {
    }

    std::optional<std::size_t> ReadInputReport(std::span<std::uint8_t> buffer,
                                               std::chrono::milliseconds timeout) override;

private:
    UniqueHidDevice m_device;
    bool m_numbered;
};

}  // namespace zalvane::device
