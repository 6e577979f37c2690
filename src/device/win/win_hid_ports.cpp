#include "device/win/win_hid_ports.h"

#include <algorithm>
#include <array>

extern "C" {  // mingw's HID headers lack their own extern "C"
#include <hidsdi.h>
}

namespace zalvane::device::win {
namespace {

// An output report to a mouse that has stopped answering is given up after this.
constexpr std::chrono::milliseconds kWriteTimeout{1000};
constexpr std::size_t kLargestFeatureReport = 80;

}  // namespace

bool WinHidCommandPort::SendFeatureReport(std::span<const std::uint8_t> report)
{
    // HidD_SetFeature takes a writable buffer.
    std::array<std::uint8_t, kLargestFeatureReport> buffer{};
    const std::size_t length = std::min(report.size(), buffer.size());
    std::copy_n(report.begin(), length, buffer.begin());
    return ::HidD_SetFeature(m_file.get(), buffer.data(), static_cast<ULONG>(length)) != FALSE;
}

bool WinHidCommandPort::GetFeatureReport(std::span<std::uint8_t> report)
{
    return ::HidD_GetFeature(m_file.get(), report.data(), static_cast<ULONG>(report.size())) != FALSE;
}

bool WinHidCommandPort::WriteOutputReport(std::span<const std::uint8_t> report)
{
    const TransferResult result = m_io.Write(m_file.get(), report, kWriteTimeout);
    return result.status == TransferResult::Status::kDone;
}

std::size_t WinHidCommandPort::ReadInputReport(std::span<std::uint8_t> buffer, std::chrono::milliseconds timeout)
{
    const TransferResult result = m_io.Read(m_file.get(), buffer, timeout);
    return result.status == TransferResult::Status::kDone ? std::min(result.bytes, buffer.size()) : 0;
}

std::optional<std::size_t> WinHidEventPort::ReadInputReport(std::span<std::uint8_t> buffer,
                                                            std::chrono::milliseconds timeout)
{
    m_report.assign(std::max<std::size_t>(m_reportLength, 1), 0);
    const TransferResult result = m_io.Read(m_file.get(), m_report, timeout);
    switch (result.status) {
        case TransferResult::Status::kTimedOut:
            return 0;
        case TransferResult::Status::kFailed:
            // A read the driver refuses will not work the next time either.
            return std::nullopt;
        case TransferResult::Status::kDone:
            break;
    }
    const std::size_t count = std::min({result.bytes, m_report.size(), buffer.size()});
    std::copy_n(m_report.begin(), count, buffer.begin());
    return count;
}

}  // namespace zalvane::device::win
