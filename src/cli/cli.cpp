#include "cli/cli.h"

#include <algorithm>
#include <vector>

#include "cli/command_table.h"
#include "cli/usage.h"

namespace zalvane::cli {
namespace {

std::string CommandNames(std::span<const CommandRow> table)
{
    std::vector<std::string_view> names;
    for (const auto& command : table) {
        const std::string_view first = command.name.substr(0, command.name.find(' '));
        if (std::find(names.begin(), names.end(), first) == names.end()) {
            names.push_back(first);
        }
    }
    std::string text;
    for (const auto name : names) {
        text.append(text.empty() ? "" : ", ").append(name);
    }
    return text;
}

struct ParsedLine {
    std::vector<std::string> positional;
    std::vector<std::string> optionsGiven;
    bool help = false;
};

// Splits the options from the command and its arguments. Options may stand anywhere
// before "--"; what follows "--" is taken as it is.
std::optional<std::string> ParseArguments(std::span<const std::string> args, GlobalOptions& options, ParsedLine& line)
{
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        // "-2" is a value (gesture-correction=-2 never starts with it, but a key name may).
        if (optionsEnded || !arg.starts_with("-") || arg == "-" || (arg.size() > 1 && arg[1] != '-' && arg != "-h")) {
            line.positional.push_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        if (arg == "--help" || arg == "-h") {
            line.help = true;
            continue;
        }
        const std::size_t equals = arg.find('=');
        const std::string name = arg.substr(0, equals);
        const OptionRow* option = FindOption(name);
        if (option == nullptr) {
            return "unknown option " + name;
        }
        line.optionsGiven.push_back(name);
        if (option->flag != nullptr) {
            if (equals != std::string::npos) {
                return "option " + name + " takes no value";
            }
            options.*(option->flag) = true;
            continue;
        }
        std::string value;
        if (equals != std::string::npos) {
            value = arg.substr(equals + 1);
        } else if (i + 1 < args.size()) {
            value = args[++i];
        }
        if (value.empty()) {
            return "option " + name + " needs a value (" + std::string(option->valueName) + ")";
        }
        options.*(option->field) = value;
    }
    return std::nullopt;
}

// The row the positional words name: a group's command ("macro add") before a command of
// one word.
const CommandRow* FindCommand(std::span<const CommandRow> table, std::span<const std::string> words,
                              std::size_t& wordsUsed)
{
    const auto named = [&](std::string_view name) {
        const auto found = std::ranges::find(table, name, &CommandRow::name);
        return found != table.end() ? &*found : nullptr;
    };
    if (words.size() >= 2) {
        if (const CommandRow* command = named(words[0] + " " + words[1])) {
            wordsUsed = 2;
            return command;
        }
    }
    const CommandRow* command = words.empty() ? nullptr : named(words[0]);
    wordsUsed = command != nullptr ? 1 : 0;
    return command;
}

int CheckArgumentCount(const CommandContext& context, const CommandRow& command)
{
    const std::size_t count = context.args.size();
    const std::size_t most = command.optionalArgumentCount == kAnyNumber
                                 ? kAnyNumber
                                 : command.argumentCount + command.optionalArgumentCount;
    if (count >= command.argumentCount && count <= most) {
        return kExitDone;
    }
    std::string message = std::string(command.name) + " takes ";
    if (most == kAnyNumber) {
        message += "at least " + std::to_string(command.argumentCount);
    } else if (most > command.argumentCount) {
        message += std::to_string(command.argumentCount) + " to " + std::to_string(most);
    } else {
        message += std::to_string(command.argumentCount);
    }
    message += " argument(s), " + std::to_string(count) + " given; usage: " + std::string(kProgram) + " " +
               CommandSynopsis(command);
    return context.Fail(kExitUsage, message);
}

}  // namespace

std::vector<CommandRow> CommandTable()
{
    std::vector<CommandRow> table;
    for (auto group : {MouseCommands(), VirtualMouseCommands(), ProfileCommands(), EditCommands(), MacroCommands(),
                       ProfileListCommands(), FlowCommands(), WatchCommands(), FileCommands()}) {
        table.insert(table.end(), group.begin(), group.end());
    }
    return table;
}

int CommandContext::Fail(int status, std::string_view message) const
{
    err << kProgram << ": " << Printable(message) << '\n';
    return status;
}

std::string Printable(std::string_view text)
{
    std::string printable;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\n') {
            printable += "\\n";
        } else if (c == '\t') {
            printable += "\\t";
        } else if (byte < 0x20 || byte == 0x7F) {
            printable += "\\x" + std::string(1, "0123456789abcdef"[byte >> 4]) + "0123456789abcdef"[byte & 0xF];
        } else {
            printable += c;
        }
    }
    return printable;
}

void CommandContext::Warn(std::string_view message) const
{
    err << kProgram << ": warning: " << Printable(message) << '\n';
}

int Run(std::span<const std::string> args, std::ostream& out, std::ostream& err, platform::Pacer& pacer,
        app::DeviceLink::PortWrapper wrapPort)
{
    const std::vector<CommandRow> table = CommandTable();
    GlobalOptions options;
    ParsedLine line;
    CommandContext context{options, {}, out, err, pacer, std::move(wrapPort)};

    const std::optional<std::string> problem = ParseArguments(args, options, line);
    std::span<const std::string> words = line.positional;
    // "help COMMAND" is "COMMAND --help".
    if (!words.empty() && words.front() == "help") {
        words = words.subspan(1);
        line.help = true;
    }
    std::size_t wordsUsed = 0;
    const CommandRow* command = FindCommand(table, words, wordsUsed);
    const std::vector<CommandRow> group = words.empty() ? std::vector<CommandRow>{} : CommandsOfGroup(table, words[0]);

    if (line.help) {
        if (command != nullptr) {
            PrintCommandHelp(out, *command);
        } else if (!group.empty()) {
            PrintGroupHelp(out, words[0], group);
        } else if (words.empty()) {
            PrintUsage(out, table);
        } else {
            return context.Fail(kExitUsage, "no command " + words[0] + "; commands: " + CommandNames(table));
        }
        return kExitDone;
    }
    if (problem) {
        return context.Fail(kExitUsage, *problem + " (try: " + std::string(kProgram) + " help)");
    }
    if (words.empty()) {
        return context.Fail(kExitUsage, "no command given; commands: " + CommandNames(table));
    }
    if (command == nullptr) {
        if (!group.empty()) {
            std::string names;
            for (const auto& row : group) {
                names.append(names.empty() ? "" : ", ").append(row.name.substr(words[0].size() + 1));
            }
            const std::string what =
                words.size() > 1 ? "unknown " + words[0] + " command " + words[1] : words[0] + " needs a command";
            return context.Fail(kExitUsage, what + "; " + words[0] + " commands: " + names);
        }
        return context.Fail(kExitUsage, "unknown command " + words[0] + "; commands: " + CommandNames(table));
    }
    const auto refused = std::ranges::find_if(
        line.optionsGiven, [&](const std::string& given) { return !CommandTakesOption(*command, given); });
    if (refused != line.optionsGiven.end()) {
        return context.Fail(kExitUsage, std::string(command->name) + " takes no option " + *refused + " (try: " +
                                            std::string(kProgram) + " " + std::string(command->name) + " --help)");
    }
    context.args = words.subspan(wordsUsed);
    if (const int status = CheckArgumentCount(context, *command); status != kExitDone) {
        return status;
    }
    return command->run(context);
}

int Run(std::span<const std::string> args, std::ostream& out, std::ostream& err)
{
    platform::SleepingPacer pacer;
    return Run(args, out, err, pacer);
}

}  // namespace zalvane::cli
