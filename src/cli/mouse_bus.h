#pragma once
// Where zalvane-cli finds the mouse: on this machine's HID bus through hidapi, or on the
// bus of a virtual mouse in a state folder. Both run the program's own find-mouse search.

#include <cstdint>
#include <expected>
#include <memory>
#include <optional>
#include <string>

#include "device/find_mouse.h"
#include "device/hid_bus.h"
#include "device/virtual_bus.h"
#include "platform/hid_port.h"

namespace zalvane::cli {

// A mouse that was found and opened: its command interface and what discovery learnt.
struct FoundMouse {
    std::string description;
    std::unique_ptr<platform::HidPort> commandPort;
    std::uint16_t featureReportLength = 0;
    std::uint16_t inputReportLength = 0;
    // The event interface, when the search met it before the command interface.
    std::shared_ptr<platform::HidEventPort> eventPort;
    std::uint16_t eventReportLength = 0;
};

struct FindFailure {
    enum class Kind { kNoMouse, kBadState };
    Kind kind = Kind::kNoMouse;
    std::string message;
};

class MouseBus {
public:
    virtual ~MouseBus() = default;
    virtual std::expected<FoundMouse, FindFailure> Find() = 0;
    // What went wrong while the mouse was in use (for the virtual mouse: its state could
    // not be kept), if anything.
    virtual std::optional<std::string> Problem() const { return std::nullopt; }
};

// The real mouse on this machine, through hidapi's hidraw backend.
class RealMouseBus final : public MouseBus {
public:
    std::expected<FoundMouse, FindFailure> Find() override;
};

// The virtual mouse of a state folder, created with factory state when missing. Every
// change the host makes is stored in the folder at once.
class VirtualMouseBus final : public MouseBus {
public:
    explicit VirtualMouseBus(const std::string& folder) : m_folder(folder) {}

    std::expected<FoundMouse, FindFailure> Find() override;
    std::optional<std::string> Problem() const override;

private:
    std::string m_folder;
    std::optional<device::VirtualBus> m_bus;
};

// Runs the search on `bus`; `where` names the bus in messages.
std::expected<FoundMouse, FindFailure> SearchBus(device::HidBus& bus, const std::string& where);

// The line that tells the user why a search found no mouse.
std::string NoMouseMessage(const device::SearchResult& result, const std::string& where);

}  // namespace zalvane::cli
