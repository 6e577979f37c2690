#pragma once
// The program on a virtual mouse (--virtual-mouse FOLDER): the virtual mouse's bus stands
// in for the system's HID devices, and the requests that another process leaves in the
// mouse's control folder reach the program as they would from real hardware: plugging
// and unplugging as the system's device-change notice to the main window (through its
// own handler), events as reports on the event interface.

#include <windows.h>

#include <expected>
#include <string>

#include "device/virtual_bus.h"

namespace zalvane::app::win {

class VirtualMouseMode {
public:
    // The main window's timer that looks at the control folder (clear of timers 1-4).
    static constexpr UINT_PTR kPollTimer = 0x5A11;
    static constexpr UINT kPollPeriodMs = 50;

    // The virtual mouse of `folder` (UTF-8); requests left for an earlier run are dropped.
    static std::expected<VirtualMouseMode, std::string> Open(const std::string& folder);

    device::HidBus& Bus() { return m_bus; }

    // Carries out the requests waiting now.
    void Poll(HWND window);

private:
    VirtualMouseMode(device::VirtualBus bus, const std::string& folder) : m_bus(std::move(bus)), m_control(folder) {}

    // An interface path of the mouse as the bus lists it now; empty when unplugged.
    std::wstring MousePath();

    device::VirtualBus m_bus;
    device::VirtualControlFolder m_control;
};

}  // namespace zalvane::app::win
