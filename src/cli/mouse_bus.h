#pragma once
// Where zalvane-cli looks for the mouse: on this machine's HID bus through hidapi, or on
// the bus of a virtual mouse in a state folder. Either way the program's own find-mouse
// search walks it.

#include <expected>
#include <optional>
#include <string>

#include "device/find_mouse.h"
#include "device/hid_bus.h"
#include "device/linux/hidapi_bus.h"
#include "device/virtual_bus.h"

namespace zalvane::cli {

class MouseBus {
public:
    // The virtual mouse of `virtualFolder` (created with factory state when missing), or
    // this machine's bus without one. What is wrong with a damaged state folder otherwise.
    static std::expected<MouseBus, std::string> Open(const std::optional<std::string>& virtualFolder);

    device::HidBus& Bus();
    device::VirtualBus* Virtual() { return m_virtual ? &*m_virtual : nullptr; }

    // The mouse a search found, as the user knows it.
    std::string Description(const device::SearchResult& found) const;
    // The line that tells the user why a search found no mouse.
    std::string NoMouseMessage(const device::SearchResult& result) const;
    // What went wrong while the mouse was in use (for the virtual mouse: its state could
    // not be kept), if anything.
    std::optional<std::string> Problem() const;

private:
    MouseBus() = default;

    std::optional<std::string> m_folder;
    std::optional<device::VirtualBus> m_virtual;
    device::HidapiBus m_hidapi;
};

// The line that tells the user why a search on the bus that `where` names found no mouse.
std::string NoMouseMessage(const device::SearchResult& result, const std::string& where);

}  // namespace zalvane::cli
