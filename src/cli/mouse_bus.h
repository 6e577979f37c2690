#pragma once
// Where zalvane-cli finds the mouse. The virtual mouse lives in a state folder; the real
// mouse will be found through hidapi behind the same interface (RealMouseBus).

#include <cstdint>
#include <expected>
#include <memory>
#include <optional>
#include <string>

#include "device/virtual_mouse.h"
#include "device/virtual_mouse_store.h"
#include "platform/hid_port.h"

namespace zalvane::cli {

// A mouse that was found and opened: its command interface and what discovery learnt.
struct FoundMouse {
    std::string description;
    std::unique_ptr<platform::HidPort> commandPort;
    std::uint16_t featureReportLength = 0;
    std::uint16_t inputReportLength = 0;
    bool hasEvents = false;
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

// The real mouse on this machine. Not wired yet: it finds none.
class RealMouseBus final : public MouseBus {
public:
    std::expected<FoundMouse, FindFailure> Find() override;
};

// The virtual mouse of a state folder, created with factory state when missing. Every
// change the host makes is stored in the folder at once.
class VirtualMouseBus final : public MouseBus {
public:
    explicit VirtualMouseBus(const std::string& folder) : m_folder(folder), m_store(folder) {}

    std::expected<FoundMouse, FindFailure> Find() override;
    std::optional<std::string> Problem() const override { return m_problem; }

private:
    std::string m_folder;
    device::VirtualMouseStore m_store;
    std::optional<device::VirtualMouse> m_mouse;
    std::optional<std::string> m_problem;
};

}  // namespace zalvane::cli
