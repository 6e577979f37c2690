// Commands that drive a virtual mouse from outside, as a hand on the cable and the
// mouse's own buttons would: they take effect in a program that has the mouse open the
// next time it looks at the mouse's control folder.

#include <array>
#include <charconv>

#include "cli/command_table.h"
#include "device/virtual_bus.h"

namespace zalvane::cli {
namespace {

// The state folder, or the usage error when --virtual-mouse was not given.
const std::string* VirtualFolder(const CommandContext& context, std::string_view command)
{
    if (!context.options.virtualMouse) {
        context.Fail(kExitUsage, std::string(command) + " works on a virtual mouse only (give --virtual-mouse DIR)");
        return nullptr;
    }
    return &*context.options.virtualMouse;
}

int SetPlugged(CommandContext& context, bool plugged)
{
    const std::string* folder = VirtualFolder(context, plugged ? "plug" : "unplug");
    if (folder == nullptr) {
        return kExitUsage;
    }
    if (auto posted = device::PostPlugged(*folder, plugged); !posted) {
        return context.Fail(kExitBadInput, posted.error());
    }
    context.out << "virtual mouse in " << *folder << (plugged ? " plugged in\n" : " unplugged\n");
    return kExitDone;
}

int Plug(CommandContext& context) { return SetPlugged(context, true); }
int Unplug(CommandContext& context) { return SetPlugged(context, false); }

// A byte in decimal or, with 0x, in hex.
std::optional<std::uint8_t> ParseByte(std::string_view text)
{
    int base = 10;
    if (text.starts_with("0x") || text.starts_with("0X")) {
        text.remove_prefix(2);
        base = 16;
    }
    unsigned value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || value > 0xFF) {
        return std::nullopt;
    }
    return static_cast<std::uint8_t>(value);
}

int Event(CommandContext& context)
{
    const std::string* folder = VirtualFolder(context, "event");
    if (folder == nullptr) {
        return kExitUsage;
    }
    const auto code = ParseByte(context.args[0]);
    const auto value = ParseByte(context.args[1]);
    if (!code || !value) {
        return context.Fail(kExitUsage, "event CODE VALUE: both are numbers from 0 to 255 (decimal, or hex with 0x)");
    }
    if (auto posted = device::PostEvent(*folder, *code, *value); !posted) {
        return context.Fail(kExitBadInput, posted.error());
    }
    context.out << "event code " << unsigned{*code} << ", value " << unsigned{*value}
                << " queued for the program that has the virtual mouse open\n";
    return kExitDone;
}

constexpr std::array<CommandRow, 3> kCommands = {{
    {"plug",
     "",
     0,
     "plug the virtual mouse in (needs --virtual-mouse)",
     Plug,
     0,
     {},
     "Plugs the virtual mouse in: later commands find it, and a program that has it open (Zalvane.exe, "
     "zalvane-cli watch) is told."},
    {"unplug",
     "",
     0,
     "unplug the virtual mouse (needs --virtual-mouse)",
     Unplug,
     0,
     {},
     "Unplugs the virtual mouse, as a pulled cable: a command that has it open stops at its next transfer."},
    {"event",
     "CODE VALUE",
     2,
     "make the virtual mouse send an event report (needs --virtual-mouse)",
     Event,
     0,
     {},
     "Leaves an event report for the program that has the virtual mouse open: CODE 1 to 3 with a stage 1 to 7 "
     "switches the DPI stage, CODE 9 with a macro number switches the macro. Numbers are decimal or 0x hex.",
     "- -"},
}};

}  // namespace

std::span<const CommandRow> VirtualMouseCommands() { return kCommands; }

}  // namespace zalvane::cli
