#pragma once
// The commands of zalvane-cli: each group of commands (one source file per group) hands
// its rows to the table that Run looks commands up in, and that the usage, each
// command's --help, the manual page and the shell completion are made from.

#include <cstddef>
#include <limits>
#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "app/device_link.h"
#include "platform/pacer.h"

namespace zalvane::cli {

enum ExitStatus : int {
    kExitDone = 0,
    kExitNoMouse = 1,
    kExitUsage = 2,
    kExitBadInput = 3,  // a bad input file, or a value the program refuses
    kExitNotTaken = 4,  // the mouse did not take what was sent
};

// Options given before, among or after the command's arguments.
struct GlobalOptions {
    std::optional<std::string> virtualMouse;  // state folder of the virtual mouse
    std::optional<std::string> trace;         // file that receives the transfer trace
    std::optional<std::string> folder;        // program folder of the profile commands
    std::optional<std::string> profile;       // the profile an edit works on, by name
    std::optional<std::string> loop;          // a macro's loop count
    bool force = false;                       // init-folder may overwrite
    bool json = false;                        // JSON instead of text
    bool apply = false;                       // an edit is also sent to the mouse (the save flow)
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

    // Writes one error line naming the program and returns `status`; the message's
    // control characters are written as escapes, so it stays one line.
    int Fail(int status, std::string_view message) const;
    // Writes one warning line on standard error.
    void Warn(std::string_view message) const;
};

// `text` for a message line: control characters written as escapes ("\n", "\x01"), so
// that what a user typed can never break the line or play with the terminal.
std::string Printable(std::string_view text);

// A command takes any number of arguments past its required ones.
inline constexpr std::size_t kAnyNumber = std::numeric_limits<std::size_t>::max();

struct CommandRow {
    std::string_view name;       // "show", or a group and its command: "macro add"
    std::string_view arguments;  // as shown in the usage, e.g. "PROFILE"
    std::size_t argumentCount;
    std::string_view summary;
    int (*run)(CommandContext& context);
    std::size_t optionalArgumentCount = 0;  // taken after the required ones
    // The command's own options, blank-separated ("--json --apply"); the global ones
    // (--folder, --virtual-mouse, --trace) go with every command.
    std::string_view options = {};
    // More about the command for its --help and the manual page; paragraphs separated by
    // blank lines.
    std::string_view details = {};
    // What each argument is, blank-separated, for the shell's completion: "file",
    // "folder", "profile", "macro", "button", "function", "setting"; "-" for none. The
    // last one stands for every further argument; a last "..." repeats the list.
    std::string_view completion = {};
};

// The command groups.
std::span<const CommandRow> MouseCommands();
std::span<const CommandRow> FileCommands();
std::span<const CommandRow> VirtualMouseCommands();
std::span<const CommandRow> ProfileCommands();
std::span<const CommandRow> FlowCommands();
std::span<const CommandRow> EditCommands();
std::span<const CommandRow> MacroCommands();
std::span<const CommandRow> ProfileListCommands();
std::span<const CommandRow> WatchCommands();

// Every command, in the order the usage lists them.
std::vector<CommandRow> CommandTable();

}  // namespace zalvane::cli
