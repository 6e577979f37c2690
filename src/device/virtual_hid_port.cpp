#include "device/virtual_hid_port.h"

#include <utility>

namespace zalvane::device {

VirtualHidPort::VirtualHidPort(VirtualMouse& mouse, PersistFunction persist)
    : m_mouse(mouse), m_persist(std::move(persist)), m_keptRevision(mouse.Revision())
{
}

bool VirtualHidPort::SendFeatureReport(std::span<const std::uint8_t> report)
{
    const bool taken = m_mouse.SetFeature(report);
    PersistIfChanged();
    return taken;
}

bool VirtualHidPort::GetFeatureReport(std::span<std::uint8_t> report) { return m_mouse.GetFeature(report); }

bool VirtualHidPort::WriteOutputReport(std::span<const std::uint8_t> report)
{
    const bool taken = m_mouse.Output(report);
    PersistIfChanged();
    return taken;
}

std::optional<std::size_t> VirtualHidPort::ReadInputReport(std::span<std::uint8_t> buffer, std::chrono::milliseconds)
{
    return m_mouse.Input(buffer);
}

void VirtualHidPort::PersistIfChanged()
{
    if (m_mouse.Revision() == m_keptRevision) {
        return;
    }
    m_keptRevision = m_mouse.Revision();
    if (m_persist && !m_persist(m_mouse.Memory())) {
        m_persisted = false;
    }
}

}  // namespace zalvane::device
