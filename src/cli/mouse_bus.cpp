#include "cli/mouse_bus.h"

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

std::expected<MouseBus, std::string> MouseBus::Open(const std::optional<std::string>& virtualFolder)
{
    MouseBus bus;
    if (virtualFolder) {
        auto opened = device::VirtualBus::Open(*virtualFolder);
        if (!opened) {
            return std::unexpected(opened.error());
        }
        bus.m_folder = virtualFolder;
        bus.m_virtual.emplace(std::move(*opened));
    }
    return bus;
}

device::HidBus& MouseBus::Bus()
{
    if (m_virtual) {
        return *m_virtual;
    }
    return m_hidapi;
}

std::string MouseBus::Description(const device::SearchResult& found) const
{
    return m_folder ? "virtual mouse in " + *m_folder : "mouse at " + found.path;
}

std::string MouseBus::NoMouseMessage(const device::SearchResult& result) const
{
    if (!m_folder || !m_virtual) {
        return cli::NoMouseMessage(result, "this machine");
    }
    std::string message = cli::NoMouseMessage(result, "the virtual bus of " + *m_folder);
    if (!m_virtual->Plugged()) {
        message += ": the virtual mouse is unplugged (zalvane-cli --virtual-mouse " + *m_folder + " plug plugs it in)";
    }
    return message;
}

std::optional<std::string> MouseBus::Problem() const { return m_virtual ? m_virtual->Problem() : std::nullopt; }

}  // namespace zalvane::cli
