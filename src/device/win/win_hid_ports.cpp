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

std::optional<std::size_t> WinHidCommandPort::ReadInputReport(std::span<std::uint8_t> buffer,
                                                              std::chrono::milliseconds timeout)
{
    const TransferResult result = m_io.Read(m_file.get(), buffer, timeout);
    switch (result.status) {
        case TransferResult::Status::kTimedOut:
            return 0;
        case TransferResult::Status::kFailed:
            return std::nullopt;
        case TransferResult::Status::kDone:
            break;
    }
    return std::min(result.bytes, buffer.size());
}

bool WinHidEventPort::StartRead(std::size_t reportLength, platform::WakeEvent& wake)
{
    const HANDLE completion = wake.SystemEvent();
    if (!completion || m_pending) {
        return false;
    }
    m_report.assign(std::max<std::size_t>(reportLength, 1), 0);
    m_overlapped = OVERLAPPED{};
    m_overlapped.hEvent = completion;
    if (!::ReadFile(m_file.get(), m_report.data(), static_cast<DWORD>(m_report.size()), nullptr, &m_overlapped) &&
        ::GetLastError() != ERROR_IO_PENDING) {
        return false;
    }
    m_pending = true;
    return true;
}

bool WinHidEventPort::ReadEnded() { return m_pending && HasOverlappedIoCompleted(&m_overlapped); }

std::optional<std::size_t> WinHidEventPort::FinishRead(std::span<std::uint8_t> buffer)
{
    if (!m_pending) {
        return std::nullopt;
    }
    m_pending = false;
    // Waits on the wake event while the read is under way, so ReadEnded comes first.
    DWORD transferred = 0;
    if (!::GetOverlappedResult(m_file.get(), &m_overlapped, &transferred, TRUE)) {
        return std::nullopt;
    }
    const std::size_t count = std::min({static_cast<std::size_t>(transferred), m_report.size(), buffer.size()});
    std::copy_n(m_report.begin(), count, buffer.begin());
    return count;
}

void WinHidEventPort::CancelRead()
{
    if (!m_pending) {
        return;
    }
    m_pending = false;
    ::CancelIoEx(m_file.get(), &m_overlapped);
    // Waits for the cancelled read to end: the buffer is free after this. The record, not
    // the wake event, says so: a search may have set the event already.
    while (!HasOverlappedIoCompleted(&m_overlapped)) {
        ::Sleep(1);
    }
}

}  // namespace zalvane::device::win
