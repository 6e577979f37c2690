#pragma once
// The commands of zalvane-cli: each group of commands (one source file per group) hands
// its rows to the table that Run looks commands up in.

#include <cstddef>
#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <string_view>

#include "app/device_link.h"
#include "platform/pacer.h"

namespace zalvane::cli {

enum ExitStatus : int {
    kExitDone = 0,
    kExitNoMouse = 1,
    kExitUsage = 2,
    kExitBadInput = 3,
    kExitNotTaken = 4,  // the mouse did not take what was sent
};

// Options given before (or among) the command's arguments.
struct GlobalOptions {
    std::optional<std::string> virtualMouse;  // state folder of the virtual mouse
    std::optional<std::string> trace;         // file that receives the transfer trace
    std::optional<std::string> folder;        // program folder of the profile commands
    bool force = false;                       // init-folder may overwrite
    bool json = false;                        // show prints JSON
};

// What one command gets to work with.
struct CommandContext {
    const GlobalOptions& options;
    std::span<const std::string> args;  // the command's own arguments
    std::ostream& out;
    std::ostream& err;
    platform::Pacer& pacer;
    // Each command interface opened passes through it (tests make the mouse misbehave).
    app::DeviceLink::PortWrapper wrapPort;

    // Writes one error line naming the program and returns `status`.
    int Fail(int status, std::string_view message) const;
};

struct CommandRow {
    std::string_view name;
    std::string_view arguments;  // as shown in the usage, e.g. "PROFILE"
    std::size_t argumentCount;
    std::string_view summary;
    int (*run)(CommandContext& context);
    std::size_t optionalArgumentCount = 0;  // taken after the required ones
};

// The command groups.
std::span<const CommandRow> MouseCommands();
std::span<const CommandRow> FileCommands();
std::span<const CommandRow> VirtualMouseCommands();
std::span<const CommandRow> ProfileCommands();
std::span<const CommandRow> FlowCommands();

}  // namespace zalvane::cli
