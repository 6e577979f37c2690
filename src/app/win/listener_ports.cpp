#include "app/win/listener_ports.h"

#include <algorithm>
#include <chrono>

#include "device/win/win_hid_ports.h"

namespace zalvane::app::win {
namespace {

// How long one look at the virtual mouse's queue waits before the wake event is checked.
constexpr std::chrono::milliseconds kVirtualPollStep{20};

}  // namespace

void OverlappedListenerPort::ResetWake() { ::ResetEvent(m_wake); }

void OverlappedListenerPort::WaitWake() { ::WaitForSingleObject(m_wake, INFINITE); }

bool OverlappedListenerPort::StartRead(device::HidEventPort& port, std::size_t reportLength)
{
    auto* eventPort = dynamic_cast<device::win::WinHidEventPort*>(&port);
    if (!eventPort || m_pending)
        return false;
    // The driver takes only whole reports; the listener's buffer gets what fits.
    m_report.assign(std::max<std::size_t>(reportLength, 1), 0);
    m_file = eventPort->Handle();
    m_overlapped = OVERLAPPED{};
    m_overlapped.hEvent = m_wake;
    if (!::ReadFile(m_file, m_report.data(), static_cast<DWORD>(m_report.size()), nullptr, &m_overlapped) &&
        ::GetLastError() != ERROR_IO_PENDING)
        return false;
    m_pending = true;
    return true;
}

std::size_t OverlappedListenerPort::FinishRead(std::span<std::uint8_t> buffer)
{
    if (!m_pending)
        return 0;
    m_pending = false;
    DWORD transferred = 0;
    if (!::GetOverlappedResult(m_file, &m_overlapped, &transferred, TRUE))
        return 0;
    const std::size_t count = std::min({static_cast<std::size_t>(transferred), m_report.size(), buffer.size()});
    std::copy_n(m_report.begin(), count, buffer.begin());
    return count;
}

void OverlappedListenerPort::CancelRead()
{
    if (!m_pending)
        return;
    m_pending = false;
    ::CancelIoEx(m_file, &m_overlapped);
    DWORD transferred = 0;
    ::GetOverlappedResult(m_file, &m_overlapped, &transferred, TRUE);
}

void VirtualListenerPort::ResetWake() { ::ResetEvent(m_wake); }

void VirtualListenerPort::WaitWake()
{
    while (m_read == Read::kWaiting) {
        if (::WaitForSingleObject(m_wake, 0) == WAIT_OBJECT_0)
            return;
        const std::optional<std::size_t> count = m_port->ReadInputReport(m_report, kVirtualPollStep);
        if (!count) {
            // The mouse was unplugged: like a failed read, this wakes nobody.
            m_read = Read::kNone;
        } else if (*count > 0) {
            m_count = *count;
            m_read = Read::kDone;
            ::SetEvent(m_wake);
            return;
        }
    }
    ::WaitForSingleObject(m_wake, INFINITE);
}

bool VirtualListenerPort::StartRead(device::HidEventPort& port, std::size_t reportLength)
{
    m_port = &port;
    m_report.assign(std::max<std::size_t>(reportLength, 1), 0);
    m_count = 0;
    m_read = Read::kWaiting;
    return true;
}

std::size_t VirtualListenerPort::FinishRead(std::span<std::uint8_t> buffer)
{
    const std::size_t count = m_read == Read::kDone ? std::min(m_count, buffer.size()) : 0;
    std::copy_n(m_report.begin(), count, buffer.begin());
    m_read = Read::kNone;
    return count;
}

void VirtualListenerPort::CancelRead() { m_read = Read::kNone; }

}  // namespace zalvane::app::win
