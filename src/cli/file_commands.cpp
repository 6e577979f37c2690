// Commands that only encode files, with no mouse involved.

#include <array>

#include "assign/button_block.h"
#include "assign/macro_encoding.h"
#include "cli/command_table.h"
#include "cli/input_files.h"
#include "device/trace.h"
#include "platform/portable_ini_store.h"

namespace zalvane::cli {
namespace {

int ButtonBlock(CommandContext& context)
{
    const auto profile = settings::ReadProfileFile(context.args[0]);
    if (!profile) {
        return context.Fail(kExitBadInput, ProfileFileMessage(context.args[0], profile.error()));
    }
    context.out << device::HexBytes(assign::BuildButtonBlock(profile->record), 16) << '\n';
    return kExitDone;
}

int EncodeMacros(CommandContext& context)
{
    const std::string& path = context.args[0];
    if (auto checked = CheckTextFile(path); !checked) {
        return context.Fail(kExitBadInput, checked.error());
    }
    platform::PortableIniStore store;
    const assign::MacroAreaEncoding encoding = assign::EncodeMacroArea(store, path);
    context.out << device::HexBytes(encoding.area, 16) << '\n';
    for (const auto& cut : encoding.cuts) {
        context.err << "zalvane-cli: warning: " << path << ": macro " << cut.position + 1 << " \"" << cut.name
                    << "\" does not fit its block; " << cut.eventsLeftOut << " event(s) at its end left out\n";
    }
    if (encoding.macrosLeftOut > 0) {
        context.err << "zalvane-cli: warning: " << path << ": " << encoding.macrosLeftOut
                    << " macro(s) after the nineteenth have no block and were left out\n";
    }
    return kExitDone;
}

constexpr std::array<CommandRow, 2> kCommands = {{
    {"button-block",
     "PROFILE",
     1,
     "print the button block built from a profile file",
     ButtonBlock,
     0,
     {},
     "The 128 bytes the mouse's button block gets from the profile file, in hex.",
     "file"},
    {"encode-macros",
     "RECORD_INI",
     1,
     "print the macro area encoded from a macro file",
     EncodeMacros,
     0,
     {},
     "The 2432 bytes of the nineteen macro blocks encoded from the macro file, in hex, with a warning for each "
     "macro that had to be cut.",
     "file"},
}};

}  // namespace

std::span<const CommandRow> FileCommands() { return kCommands; }

}  // namespace zalvane::cli
