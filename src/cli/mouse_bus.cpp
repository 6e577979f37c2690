#include "cli/mouse_bus.h"

#include "device/linux/hidapi_bus.h"

namespace zalvane::cli {
namespace {

constexpr std::string_view kPermissionHint =
    " (no permission? install packaging/linux/70-zalvane.rules as README.md says under \"The real mouse on "
    "Linux\")";

}  // namespace

std::string NoMouseMessage(const device::SearchResult& result, const std::string& where)
{
    using device::SearchEnd;
    std::string prefix = "no mouse found (USB 04d9:a11b) on " + where;
    switch (result.end) {
        case SearchEnd::kFound:
            return {};
        case SearchEnd::kNoMouse:
            return prefix;
        case SearchEnd::kListFailed:
            return prefix + ": the HID devices cannot be listed";
        case SearchEnd::kEnumFailed:
            return prefix + ": listing the HID devices failed part-way";
        case SearchEnd::kQueryOpenFailed:
            return prefix + ": the HID device " + result.path + " cannot be opened, and the search stops there";
        case SearchEnd::kCapabilitiesFailed:
            return prefix + ": the mouse's interface " + result.path + " does not say what it is";
        case SearchEnd::kEventOpenFailed:
            return prefix + ": the mouse's event interface " + result.path + " cannot be opened for reading" +
                   std::string(kPermissionHint);
        case SearchEnd::kCommandOpenFailed:
            return prefix + ": the mouse's command interface " + result.path +
                   " cannot be opened for reading and writing" + std::string(kPermissionHint);
    }
    return prefix;
}

std::expected<FoundMouse, FindFailure> SearchBus(device::HidBus& bus, const std::string& where)
{
    device::ConnectionState state;
    const device::SearchResult result = device::FindMouse(bus, state);
    if (!result.Found()) {
        return std::unexpected(FindFailure{FindFailure::Kind::kNoMouse, NoMouseMessage(result, where)});
    }
    const device::EventInterface events = state.Events();
    FoundMouse found;
    found.description = "mouse at " + result.path;
    found.commandPort = std::move(state.command.port);
    found.featureReportLength = state.command.featureReportLength;
    found.inputReportLength = state.command.inputReportLength;
    found.eventPort = events.port;
    found.eventReportLength = events.inputReportLength;
    return found;
}

std::expected<FoundMouse, FindFailure> RealMouseBus::Find()
{
    device::HidapiBus bus;
    return SearchBus(bus, "this machine");
}

std::expected<FoundMouse, FindFailure> VirtualMouseBus::Find()
{
    auto bus = device::VirtualBus::Open(m_folder);
    if (!bus) {
        return std::unexpected(FindFailure{FindFailure::Kind::kBadState, bus.error()});
    }
    m_bus.emplace(std::move(*bus));
    auto found = SearchBus(*m_bus, "the virtual bus of " + m_folder);
    if (!found) {
        if (!m_bus->Plugged()) {
            found.error().message +=
                ": the virtual mouse is unplugged (zalvane-cli --virtual-mouse " + m_folder + " plug plugs it in)";
        }
        return found;
    }
    found->description = "virtual mouse in " + m_folder;
    return found;
}

std::optional<std::string> VirtualMouseBus::Problem() const { return m_bus ? m_bus->Problem() : std::nullopt; }

}  // namespace zalvane::cli
