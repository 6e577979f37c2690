#include "device/linux/hidapi_port.h"

#include <algorithm>
#include <climits>

namespace zalvane::device {
namespace {

// How long an event read blocks before it looks whether it was cancelled.
constexpr std::chrono::milliseconds kEventReadSlice{100};

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

std::optional<std::size_t> HidapiCommandPort::ReadInputReport(std::span<std::uint8_t> buffer,
                                                              std::chrono::milliseconds timeout)
{
    const int read = ReadReport(m_device.get(), m_numbered, buffer, timeout);
    if (read < 0) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(read);
}

bool HidapiEventPort::StartRead(std::size_t reportLength, platform::WakeEvent& wake)
{
    if (m_reader.joinable()) {
        return false;
    }
    m_report.assign(std::max<std::size_t>(reportLength, 1), 0);
    m_cancel = false;
    m_ended = false;
    m_count.reset();
    m_reader = std::thread([this, &wake] {
        int read = 0;
        while (read == 0 && !m_cancel.load()) {
            read = ReadReport(m_device.get(), m_numbered, m_report, kEventReadSlice);
        }
        if (read >= 0) {
            m_count = static_cast<std::size_t>(read);
        }
        m_ended = true;
        wake.Set();
    });
    return true;
}

std::optional<std::size_t> HidapiEventPort::FinishRead(std::span<std::uint8_t> buffer)
{
    if (!m_reader.joinable()) {
        return std::nullopt;
    }
    m_reader.join();
    if (!m_count) {
        return std::nullopt;
    }
    const std::size_t count = std::min({*m_count, m_report.size(), buffer.size()});
    std::copy_n(m_report.begin(), count, buffer.begin());
    return count;
}

void HidapiEventPort::CancelRead()
{
    if (!m_reader.joinable()) {
        return;
    }
    m_cancel = true;
    m_reader.join();
}

}  // namespace zalvane::device
