#include "cli/cli.h"

#include <algorithm>
#include <array>
#include <vector>

#include "cli/command_table.h"

namespace zalvane::cli {
namespace {

constexpr std::string_view kProgram = "zalvane-cli";

struct OptionRow {
    // cppcheck-suppress unusedStructMember ; read through `auto`, which cppcheck 2.10 does not follow
    std::string_view name;
    std::string_view valueName;
    std::optional<std::string> GlobalOptions::*field;
    bool GlobalOptions::*flag = nullptr;  // an option without a value
};

constexpr std::array<OptionRow, 5> kOptions = {{
    {"--virtual-mouse", "DIR", &GlobalOptions::virtualMouse},
    {"--trace", "FILE", &GlobalOptions::trace},
    {"--folder", "DIR", &GlobalOptions::folder},
    {"--force", "", nullptr, &GlobalOptions::force},
    {"--json", "", nullptr, &GlobalOptions::json},
}};

std::vector<CommandRow> CommandTable()
{
    std::vector<CommandRow> table;
    for (auto group : {MouseCommands(), VirtualMouseCommands(), FileCommands(), ProfileCommands(), FlowCommands()}) {
        table.insert(table.end(), group.begin(), group.end());
    }
    return table;
}

std::string CommandNames(const std::vector<CommandRow>& table)
{
    std::string names;
    for (const auto& command : table) {
        names += names.empty() ? "" : ", ";
        names += command.name;
    }
    return names;
}

void PrintUsage(std::ostream& out, const std::vector<CommandRow>& table)
{
    out << "usage: " << kProgram;
    for (const auto& option : kOptions) {
        out << " [" << option.name << (option.valueName.empty() ? "" : " ") << option.valueName << "]";
    }
    out << " COMMAND [ARGS]\n\ncommands:\n";
    for (const auto& command : table) {
        std::string line = "  " + std::string(command.name);
        if (!command.arguments.empty()) {
            line += " " + std::string(command.arguments);
        }
        line.resize(std::max<std::size_t>(line.size() + 2, 32), ' ');
        out << line << command.summary << '\n';
    }
    out << "\nexit status: 0 done, 1 no mouse found, 2 usage error, 3 bad input file, 4 the mouse did not take it\n";
}

const OptionRow* FindOption(std::string_view name)
{
    const auto* found = std::find_if(kOptions.begin(), kOptions.end(), [&](const auto& o) { return o.name == name; });
    return found != kOptions.end() ? found : nullptr;
}

// Splits the options from the command and its arguments. Options may stand anywhere
// before "--"; what follows "--" is taken as it is.
std::optional<std::string> ParseArguments(std::span<const std::string> args, GlobalOptions& options,
                                          std::vector<std::string>& positional)
{
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (optionsEnded || !arg.starts_with("--")) {
            positional.push_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        const std::size_t equals = arg.find('=');
        const std::string name = arg.substr(0, equals);
        const OptionRow* option = FindOption(name);
        if (option == nullptr) {
            return "unknown option " + name;
        }
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

}  // namespace

int CommandContext::Fail(int status, std::string_view message) const
{
    err << kProgram << ": " << message << '\n';
    return status;
}

int Run(std::span<const std::string> args, std::ostream& out, std::ostream& err, platform::Pacer& pacer,
        app::DeviceLink::PortWrapper wrapPort)
{
    const std::vector<CommandRow> table = CommandTable();
    GlobalOptions options;
    std::vector<std::string> positional;
    CommandContext context{options, {}, out, err, pacer, std::move(wrapPort)};

    // "--help" and "-h" anywhere ask for the usage, as people expect of a command-line tool.
    if (std::ranges::any_of(args, [](const std::string& arg) { return arg == "--help" || arg == "-h"; })) {
        PrintUsage(out, table);
        return kExitDone;
    }
    if (auto problem = ParseArguments(args, options, positional)) {
        return context.Fail(kExitUsage, *problem + " (try: " + std::string(kProgram) + " help)");
    }
    if (positional.empty()) {
        return context.Fail(kExitUsage, "no command given; commands: " + CommandNames(table));
    }
    const std::string& name = positional.front();
    if (name == "help") {
        PrintUsage(out, table);
        return kExitDone;
    }
    for (const auto& command : table) {
        if (command.name != name) {
            continue;
        }
        context.args = std::span<const std::string>(positional).subspan(1);
        const std::size_t most = command.argumentCount + command.optionalArgumentCount;
        if (context.args.size() < command.argumentCount || context.args.size() > most) {
            std::string usage = std::string(command.name);
            if (!command.arguments.empty()) {
                usage += " " + std::string(command.arguments);
            }
            std::string message = name + " takes " + std::to_string(command.argumentCount);
            if (most > command.argumentCount) {
                message += " to " + std::to_string(most);
            }
            message += " argument(s), " + std::to_string(context.args.size()) + " given; usage: ";
            message += kProgram;
            message += " " + usage;
            return context.Fail(kExitUsage, message);
        }
        return command.run(context);
    }
    return context.Fail(kExitUsage, "unknown command " + name + "; commands: " + CommandNames(table));
}

int Run(std::span<const std::string> args, std::ostream& out, std::ostream& err)
{
    platform::SleepingPacer pacer;
    return Run(args, out, err, pacer);
}

}  // namespace zalvane::cli
