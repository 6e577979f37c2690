#include "app/win/virtual_mouse_mode.h"

#include <dbt.h>

#include "app/win/device_broadcast.h"
#include "platform/win/folder_watch.h"
#include "platform/win/thread_end.h"
#include "platform/win/unique_handle.h"
#include "platform/win/wide_text.h"

namespace zalvane::app::win {
namespace {

constexpr DWORD kStopWaitMs = 2000;

}  // namespace

struct VirtualMouseMode::Server {
    Server(device::VirtualBus serverBus, const std::wstring& folder, HWND target)
        : bus(std::move(serverBus)), watch(folder), window(target)
    {
    }

    static DWORD WINAPI Run(void* self) noexcept;
    void Notify(const device::VirtualBus::ControlStep& step) const;

    device::VirtualBus bus;  // shares the mouse with the program's own bus
    platform::win::WinFolderWatch watch;
    HWND window;
    platform::win::UniqueKernelHandle thread;
};

DWORD WINAPI VirtualMouseMode::Server::Run(void* self) noexcept
{
    auto& server = *static_cast<Server*>(self);
    try {
        server.bus.ServeControl(server.watch,
                                [&server](const device::VirtualBus::ControlStep& step) { server.Notify(step); });
    } catch (...) {
        // Nothing it runs throws but the allocator; requests stop, the program lives on.
        return 1;
    }
    return 0;
}

// Events went out on the event interface already; a plug state that changed is told as
// the system tells it.
void VirtualMouseMode::Server::Notify(const device::VirtualBus::ControlStep& step) const
{
    using Kind = device::ControlRequest::Kind;
    if (!step.changed || step.request.kind == Kind::kEvent) {
        return;
    }
    DeviceInterfaceRecord record(platform::win::Widen(device::VirtualBus::MouseInterfacePath()));
    const WPARAM event = step.request.kind == Kind::kPlug ? DBT_DEVICEARRIVAL : DBT_DEVICEREMOVECOMPLETE;
    ::SendMessageW(window, WM_DEVICECHANGE, event, record.AsLParam());
}

std::expected<VirtualMouseMode, std::string> VirtualMouseMode::Open(const std::string& folder)
{
    auto bus = device::VirtualBus::Open(folder);
    if (!bus) {
        return std::unexpected(bus.error());
    }
    bus->DiscardControlRequests();
    auto control = bus->PrepareControlFolder();
    if (!control) {
        return std::unexpected(control.error());
    }
    return VirtualMouseMode(std::move(*bus), std::move(*control));
}

VirtualMouseMode::VirtualMouseMode(device::VirtualBus bus, std::string controlFolder)
    : m_bus(std::move(bus)), m_controlFolder(std::move(controlFolder))
{
}

VirtualMouseMode::VirtualMouseMode(VirtualMouseMode&&) noexcept = default;

VirtualMouseMode::~VirtualMouseMode() { StopServing(); }

bool VirtualMouseMode::StartServing(HWND window)
{
    if (m_server) {
        return false;
    }
    // The watch begins before the first look, so that nothing left in between is missed.
    auto server = std::make_unique<Server>(m_bus, platform::win::Widen(m_controlFolder), window);
    server->thread.reset(::CreateThread(nullptr, 0, &Server::Run, server.get(), 0, nullptr));
    if (!server->thread) {
        return false;
    }
    m_server = std::move(server);
    return true;
}

void VirtualMouseMode::StopServing() noexcept
{
    if (!m_server) {
        return;
    }
    m_server->watch.Stop();
    if (!platform::win::WaitForThreadAnsweringSends(m_server->thread.get(), kStopWaitMs)) {
        // Still inside a request that will not end: what it uses must outlive it.
        static_cast<void>(m_server.release());
        return;
    }
    m_server.reset();
}

}  // namespace zalvane::app::win
