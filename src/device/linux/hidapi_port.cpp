#include "device/linux/hidapi_port.h"

#include <algorithm>
#include <climits>

namespace zalvane::device {
namespace {

int Milliseconds(std::chrono::milliseconds timeout)
{
    return static_cast<int>(std::clamp<std::chrono::milliseconds::rep>(timeout.count(), 0, INT_MAX));
}

int ReadReport(hid_device* device, bool numbered, std::span<std::uint8_t> buffer, std::chrono::milliseconds timeout)
{
    return ReadReportWithId(numbered, buffer, [&](std::span<std::uint8_t> into) {
        return hid_read_timeout(device, into.data(), into.size(), Milliseconds(timeout));
    });
}

}  // namespace

bool HidapiCommandPort::SendFeatureReport(std::span<const std::uint8_t> report)
{
    return hid_send_feature_report(m_device.get(), report.data(), report.size()) >= 0;
}

bool HidapiCommandPort::GetFeatureReport(std::span<std::uint8_t> report)
{
    return hid_get_feature_report(m_device.get(), report.data(), report.size()) >= 0;
}

bool HidapiCommandPort::WriteOutputReport(std::span<const std::uint8_t> report)
{
    return hid_write(m_device.get(), report.data(), report.size()) >= 0;
}

std::size_t HidapiCommandPort::ReadInputReport(std::span<std::uint8_t> buffer, std::chrono::milliseconds timeout)
{
    const int read = ReadReport(m_device.get(), m_numbered, buffer, timeout);
    return read > 0 ? static_cast<std::size_t>(read) : 0;
}

std::optional<std::size_t> HidapiEventPort::ReadInputReport(std::span<std::uint8_t> buffer,
                                                            std::chrono::milliseconds timeout)
{
    const int read = ReadReport(m_device.get(), m_numbered, buffer, timeout);
    if (read < 0) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(read);
}

}  // namespace zalvane::device
