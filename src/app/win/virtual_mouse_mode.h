#pragma once
// The program on a virtual mouse (--virtual-mouse FOLDER): the virtual mouse's bus stands
// in for the system's HID devices, and the requests that another process leaves in the
// mouse's control folder reach the program as they would from real hardware, as they
// come: plugging and unplugging as the system's device-change notice to the main window
// (through its own handler), events as reports on the event interface.

#include <windows.h>

#include <expected>
#include <memory>
#include <string>

#include "device/virtual_bus.h"

namespace zalvane::app::win {

class VirtualMouseMode {
public:
    // The virtual mouse of `folder` (UTF-8); requests left for an earlier run are dropped.
    static std::expected<VirtualMouseMode, std::string> Open(const std::string& folder);

    VirtualMouseMode(VirtualMouseMode&&) noexcept;
    VirtualMouseMode& operator=(VirtualMouseMode&&) = delete;
    ~VirtualMouseMode();

    device::HidBus& Bus() { return m_bus; }

    // Takes the control folder's requests on a thread of its own, each as soon as it is
    // left there; plugging and unplugging are sent to `window`, so that its thread handles
    // them. False when the thread cannot start.
    bool StartServing(HWND window);
    // Ends that thread. Call it once `window` is gone, or from a thread that answers what
    // is sent to its windows.
    void StopServing() noexcept;

private:
    struct Server;

    VirtualMouseMode(device::VirtualBus bus, std::string controlFolder);

    device::VirtualBus m_bus;
    std::string m_controlFolder;  // UTF-8
    std::unique_ptr<Server> m_server;
};

}  // namespace zalvane::app::win
