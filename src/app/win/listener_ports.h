#pragma once
// The event listener's reads, both over the listener's wake event: overlapped ReadFile on
// the HID class driver's event interface, or the virtual mouse's event queue in the demo
// mode (which has no handle to read from and is polled while the listener waits).

#include <windows.h>

#include <vector>

#include "app/event_listener.h"

namespace zalvane::app::win {

class OverlappedListenerPort final : public ListenerPort {
public:
    explicit OverlappedListenerPort(HANDLE wake) noexcept : m_wake(wake) {}
    ~OverlappedListenerPort() override { CancelRead(); }

    void ResetWake() override;
    void WaitWake() override;
    // Takes the system's event interfaces (WinHidEventPort) only.
    bool StartRead(device::HidEventPort& port, std::size_t reportLength) override;
    std::size_t FinishRead(std::span<std::uint8_t> buffer) override;
    void CancelRead() override;

private:
    HANDLE m_wake;
    HANDLE m_file = nullptr;  // of the read under way; its port outlives the read
    OVERLAPPED m_overlapped{};
    std::vector<std::uint8_t> m_report;
    bool m_pending = false;
};

class VirtualListenerPort final : public ListenerPort {
public:
    explicit VirtualListenerPort(HANDLE wake) noexcept : m_wake(wake) {}

    void ResetWake() override;
    // While a read is under way, takes the virtual mouse's next event report as soon as it
    // is queued, and signals the wake event like a completed overlapped read.
    void WaitWake() override;
    bool StartRead(device::HidEventPort& port, std::size_t reportLength) override;
    std::size_t FinishRead(std::span<std::uint8_t> buffer) override;
    void CancelRead() override;

private:
    enum class Read { kNone, kWaiting, kDone };
    HANDLE m_wake;
    device::HidEventPort* m_port = nullptr;
    std::vector<std::uint8_t> m_report;
    std::size_t m_count = 0;
    Read m_read = Read::kNone;
};

}  // namespace zalvane::app::win
