#include "app/win/virtual_mouse_mode.h"

#include <dbt.h>

#include "app/device_change.h"
#include "app/win/device_broadcast.h"
#include "platform/win/wide_text.h"

namespace zalvane::app::win {
namespace {

// Enough for a burst of requests; the rest wait for the next tick.
constexpr int kRequestsPerPoll = 16;

}  // namespace

std::expected<VirtualMouseMode, std::string> VirtualMouseMode::Open(const std::string& folder)
{
    auto bus = device::VirtualBus::Open(folder);
    if (!bus)
        return std::unexpected(bus.error());
    bus->DiscardControlRequests();
    return VirtualMouseMode(std::move(*bus), folder);
}

void VirtualMouseMode::Poll(HWND window)
{
    for (int taken = 0; taken < kRequestsPerPoll; ++taken) {
        auto next = m_control.TakeNext();
        if (!next)
            return;
        if (!*next)
            continue;  // a file that held no request is gone; the next one may be fine
        const device::ControlRequest request = **next;
        using Kind = device::ControlRequest::Kind;
        // A removal names an interface that was there, an arrival one that is there now.
        std::wstring path = request.kind == Kind::kUnplug ? MousePath() : std::wstring();
        if (!m_bus.Apply(request) || request.kind == Kind::kEvent)
            continue;
        if (request.kind == Kind::kPlug)
            path = MousePath();
        if (path.empty())
            continue;
        DeviceInterfaceRecord record(path);
        const WPARAM event = request.kind == Kind::kPlug ? DBT_DEVICEARRIVAL : DBT_DEVICEREMOVECOMPLETE;
        ::SendMessageW(window, WM_DEVICECHANGE, event, record.AsLParam());
    }
}

std::wstring VirtualMouseMode::MousePath()
{
    const std::unique_ptr<device::HidInterfaceList> list = m_bus.ListInterfaces();
    for (std::size_t index = 0; list; ++index) {
        auto path = list->Path(index);
        if (!path)
            break;
        if (NamesTheMouse(*path))
            return platform::win::Widen(*path);
    }
    return {};
}

}  // namespace zalvane::app::win
