#pragma once
// What zalvane-cli says about itself, all made from its command and option tables: the
// usage, each command's help, the manual page and the bash completion script.

#include <ostream>
#include <span>
#include <string_view>
#include <vector>

#include "cli/command_table.h"

namespace zalvane::cli {

inline constexpr std::string_view kProgram = "zalvane-cli";

// An option and the member of GlobalOptions it fills: a value, or a flag.
struct OptionRow {
    // cppcheck-suppress unusedStructMember ; read through `auto`, which cppcheck 2.10 does not follow
    std::string_view name;
    std::string_view valueName;  // empty for a flag
    std::optional<std::string> GlobalOptions::*field;
    bool GlobalOptions::*flag;
    bool global;  // goes with every command
    std::string_view help;
};

std::span<const OptionRow> OptionTable();
const OptionRow* FindOption(std::string_view name);

// Whether `command` takes option `name` (a global one, or one of its own).
bool CommandTakesOption(const CommandRow& command, std::string_view name);

// The commands of a group ("macro" for "macro add" ...); empty when `group` is none.
std::vector<CommandRow> CommandsOfGroup(std::span<const CommandRow> table, std::string_view group);

// "name ARGUMENTS", as a usage line shows a command.
std::string CommandSynopsis(const CommandRow& command);

void PrintUsage(std::ostream& out, std::span<const CommandRow> table);
void PrintCommandHelp(std::ostream& out, const CommandRow& command);
void PrintGroupHelp(std::ostream& out, std::string_view group, std::span<const CommandRow> commands);

// The manual page zalvane-cli(1), in man(7) format.
void WriteManPage(std::ostream& out, std::span<const CommandRow> table, std::string_view version);
// The bash completion script.
void WriteBashCompletion(std::ostream& out, std::span<const CommandRow> table);

}  // namespace zalvane::cli
