#include "cli/mouse_bus.h"

#include "device/virtual_hid_port.h"

namespace zalvane::cli {

std::expected<FoundMouse, FindFailure> RealMouseBus::Find()
{
    return std::unexpected(FindFailure{FindFailure::Kind::kNoMouse, "no mouse found (USB 04d9:a11b)"});
}

std::expected<FoundMouse, FindFailure> VirtualMouseBus::Find()
{
    auto memory = m_store.Load();
    if (!memory) {
        return std::unexpected(FindFailure{FindFailure::Kind::kBadState, memory.error()});
    }
    m_mouse.emplace(*memory);
    auto persist = [this](const device::VirtualMouseMemory& changed) {
        auto saved = m_store.Save(changed);
        if (!saved && !m_problem) {
            m_problem = saved.error();
        }
        return saved.has_value();
    };
    FoundMouse found;
    found.description = "virtual mouse in " + m_folder;
    found.commandPort = std::make_unique<device::VirtualHidPort>(*m_mouse, persist);
    found.featureReportLength = device::VirtualMouse::kFeatureReportLength;
    found.inputReportLength = device::VirtualMouse::kInputReportLength;
    found.hasEvents = true;
    found.eventReportLength = device::VirtualMouse::kEventReportLength;
    return found;
}

}  // namespace zalvane::cli
