// Commands that edit a profile as the main window's panels and function lists do: set
// a setting, assign a button, and the list of functions `assign` knows.

#include <array>

#include "assign/button_assignment.h"
#include "assign/key_codes.h"
#include "cli/command_table.h"
#include "cli/function_names.h"
#include "cli/profile_edit.h"
#include "cli/setting_names.h"

namespace zalvane::cli {
namespace {

std::string Joined(std::span<const std::string> args)
{
    std::string joined;
    for (const auto& arg : args) {
        joined.append(joined.empty() ? "" : " ").append(arg);
    }
    return joined;
}

int Set(CommandContext& context)
{
    // Every value is checked before anything is loaded or written: one refused value
    // leaves every file as it was.
    std::vector<RecordEdit> edits;
    for (const auto& argument : context.args) {
        auto parsed = ParseSetting(argument);
        if (!parsed) {
            return context.Fail(parsed.error().status, parsed.error().message);
        }
        edits.insert(edits.end(), parsed->begin(), parsed->end());
    }
    ProfileEdit edit(context);
    if (auto failure = edit.Open()) {
        return *failure;
    }
    return edit.Commit(
        [&](app::AppState& state) {
            for (const RecordEdit& change : edits) {
                state.record[change.offset] = change.value;
            }
            return kExitDone;
        },
        "set " + Joined(context.args));
}

int Assign(CommandContext& context)
{
    if (context.args.size() % 2 != 0) {
        return context.Fail(kExitUsage,
                            "assign takes pairs of BUTTON FUNCTION; usage: zalvane-cli assign BUTTON "
                            "FUNCTION [BUTTON FUNCTION]...");
    }
    ProfileEdit edit(context);
    if (auto failure = edit.Open()) {
        return *failure;
    }
    const app::AppState& state = edit.State();
    const std::vector<std::string> macroNames = edit.MacroNames();

    // The choices are made in order on a copy, so that the left-click rule sees each
    // button as the earlier choices left it.
    settings::ProfileRecord record = state.record;
    settings::ButtonCaptions captions = state.text.captions;
    std::vector<std::pair<std::size_t, assign::Assignment>> choices;
    for (std::size_t i = 0; i < context.args.size(); i += 2) {
        const std::string& buttonName = context.args[i];
        const auto button = ButtonFromName(buttonName);
        if (!button) {
            return context.Fail(kExitUsage, "no button " + buttonName + " (buttons: 1 to 7, S1 to S12)");
        }
        auto assignment = ParseFunction(context.args[i + 1], state.language, macroNames);
        if (!assignment) {
            return context.Fail(assignment.error().status, assignment.error().message);
        }
        if (assign::IsLastLeftClick(record, *button) && assignment->type != assign::ActionType::kClick) {
            return context.Fail(kExitBadInput, std::string("assign ")
                                                   .append(buttonName)
                                                   .append(" ")
                                                   .append(context.args[i + 1])
                                                   .append(": refused: Left key must be selected! (button ")
                                                   .append(buttonName)
                                                   .append(" is the only button on click)"));
        }
        assign::ApplyAssignment(*assignment, *button, record, captions);
        choices.emplace_back(*button, std::move(*assignment));
    }
    return edit.Commit(
        [&](app::AppState& edited) {
            for (const auto& [button, assignment] : choices) {
                assign::ApplyAssignment(assignment, button, edited.record, edited.text.captions);
            }
            return kExitDone;
        },
        "assign " + Joined(context.args));
}

int Functions(CommandContext& context)
{
    std::ostream& out = context.out;
    out << "functions (zalvane-cli assign BUTTON FUNCTION):\n";
    std::string group;
    for (const auto& function : FixedFunctionNames()) {
        if (function.group != group) {
            group = function.group;
            if (!group.empty()) {
                out << "  " << group << ":\n";
            }
        }
        std::string line = (group.empty() ? "  " : "    ") + function.name;
        line.resize(std::max<std::size_t>(line.size() + 2, 24), ' ');
        out << line << function.text << '\n';
    }
    out << "  key:KEY               Single Key: one key of the list below\n"
           "  combo:[MODIFIER+]KEY[+KEY]\n"
           "                        Combo Key: at most one modifier and two keys (combo:ctrl+shift+a)\n"
           "  macro:NAME[:MODE]     Macro Key: a macro of zalvane-cli macro list; MODE is ";
    const auto modes = RepeatModeNames();
    for (std::size_t mode = 0; mode < modes.size(); ++mode) {
        out << (mode == 0 ? "" : mode + 1 == modes.size() ? " or " : ", ") << modes[mode];
    }
    out << " (default " << modes.front() << ")\n\nmodifiers: ctrl, shift, alt, win (the left keys), ";
    for (const auto& row : assign::ModifierTable()) {
        out << row.name << (&row == &assign::ModifierTable().back() ? "\n" : ", ");
    }
    out << "keys (any case, \"-\" for a blank):";
    for (const auto& row : assign::KeyNameTable()) {
        out << ' ' << row.name << (&row == &assign::KeyNameTable().back() ? "\n" : ",");
    }
    out << "buttons: 1 to 7 (front), S1 to S12 (side)\n";
    return kExitDone;
}

constexpr std::string_view kEditOptions = "--profile --apply";

constexpr std::array<CommandRow, 3> kCommands = {{
    {"set", "NAME=VALUE...", 1, "change settings of the current profile (--profile NAME for another)", Set, kAnyNumber,
     kEditOptions,
     "Changes settings as the main window's panels do, and writes the profile's files as Save writes them. "
     "A value the window could not set is refused with the values allowed (status 3) and nothing is written. "
     "With --apply the profile is also sent to the mouse.\n\n"
     "The names and their values are listed under SETTINGS in the manual page; for example dpi.3=2400, "
     "dpi.2.colour=#ff8000, lighting=neon, report-rate=500, scroll=one-screen, gesture-correction=-1.",
     "setting"},
    {"assign", "BUTTON FUNCTION...", 2, "assign a function to a button of the current profile", Assign, kAnyNumber,
     kEditOptions,
     "Assigns each BUTTON (1 to 7, S1 to S12) the FUNCTION named as zalvane-cli functions lists them, with the "
     "caption the window gives it, and writes the profile's files as Save writes them. The last button on click "
     "keeps it (\"Left key must be selected!\", status 3). With --apply the profile is also sent to the mouse.",
     "button function ..."},
    {"functions",
     "",
     0,
     "list the functions, keys and modifiers assign takes",
     Functions,
     0,
     {},
     "Every function of the window's function list and its second lists, by the name assign takes, then the key "
     "names of key: and combo:, the modifiers and the macro repeat modes."},
}};

}  // namespace

std::span<const CommandRow> EditCommands() { return kCommands; }

}  // namespace zalvane::cli
