#pragma once
// The host's command interface connected to a virtual mouse. After every report that
// changed the mouse's memory the port hands the memory to `persist` (the state folder
// keeps it, as flash would), so that what the mouse took survives an interrupted run.

#include <cstdint>
#include <functional>

#include "device/virtual_mouse.h"
#include "platform/hid_port.h"

namespace zalvane::device {

class VirtualHidPort final : public platform::HidPort {
public:
    // Returns false when the memory could not be kept.
    using PersistFunction = std::function<bool(const VirtualMouseMemory&)>;

    explicit VirtualHidPort(VirtualMouse& mouse, PersistFunction persist = {});

    bool SendFeatureReport(std::span<const std::uint8_t> report) override;
    bool GetFeatureReport(std::span<std::uint8_t> report) override;
    bool WriteOutputReport(std::span<const std::uint8_t> report) override;
    // Input reports of the command interface come only in answer to a command, so a
    // read never waits: what is not queued now never comes.
    std::optional<std::size_t> ReadInputReport(std::span<std::uint8_t> buffer,
                                               std::chrono::milliseconds timeout) override;

    // False once the memory could not be kept after a change.
    bool Persisted() const { return m_persisted; }

private:
    void PersistIfChanged();

    VirtualMouse& m_mouse;
    PersistFunction m_persist;
    std::uint64_t m_keptRevision;
    bool m_persisted = true;
};

}  // namespace zalvane::device
