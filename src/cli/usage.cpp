#include "cli/usage.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <sstream>

#include "assign/key_codes.h"
#include "cli/function_names.h"
#include "cli/setting_names.h"

namespace zalvane::cli {
namespace {

constexpr std::size_t kWidth = 100;

constexpr std::array<OptionRow, 8> kOptions = {{
    {"--folder", "DIR", &GlobalOptions::folder, nullptr, true,
     "the program folder with the profiles and macros (default: the current directory)"},
    {"--virtual-mouse", "DIR", &GlobalOptions::virtualMouse, nullptr, true,
     "the virtual mouse kept in DIR instead of this machine's mouse"},
    {"--trace", "FILE", &GlobalOptions::trace, nullptr, true,
     "every transfer with the mouse and every pause into FILE"},
    {"--profile", "NAME", &GlobalOptions::profile, nullptr, false, "edit the profile NAME instead of the current one"},
    {"--apply", "", nullptr, &GlobalOptions::apply, false,
     "also send the profile to the mouse, as Save does (without a mouse nothing is written)"},
    {"--loop", "N", &GlobalOptions::loop, nullptr, false, "play the macro N times (1 to 65535)"},
    {"--json", "", nullptr, &GlobalOptions::json, false, "JSON instead of text"},
    {"--force", "", nullptr, &GlobalOptions::force, false, "overwrite files that are there"},
}};

constexpr std::string_view kExitStatus =
    "0 done, 1 no mouse found, 2 usage error, 3 bad input file or refused value, 4 the mouse did not take it";

std::vector<std::string_view> Words(std::string_view text)
{
    std::vector<std::string_view> words;
    while (!text.empty()) {
        const std::size_t blank = std::min(text.find(' '), text.size());
        if (blank > 0) {
            words.push_back(text.substr(0, blank));
        }
        text.remove_prefix(std::min(blank + 1, text.size()));
    }
    return words;
}

// `text` wrapped at kWidth with every line indented by `indent`; paragraphs stay apart.
std::string Wrapped(std::string_view text, std::size_t indent)
{
    std::string out;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find("\n\n"), text.size());
        std::string line(indent, ' ');
        for (const auto word : Words(text.substr(0, end))) {
            if (line.size() > indent && line.size() + 1 + word.size() > kWidth) {
                out += line + "\n";
                line.assign(indent, ' ');
            }
            line.append(line.size() > indent ? " " : "").append(word);
        }
        out += line + "\n";
        text.remove_prefix(std::min(end + 2, text.size()));
        if (!text.empty()) {
            out += "\n";
        }
    }
    return out;
}

// "  NAME   text", the text in a column from `column` on.
std::string Row(std::string_view name, std::string_view text, std::size_t column = 32)
{
    std::string line = "  " + std::string(name);
    line.resize(std::max(line.size() + 2, column), ' ');
    return line + std::string(text) + "\n";
}

std::string OptionSynopsis(const OptionRow& option)
{
    return std::string(option.name) + (option.valueName.empty() ? "" : " " + std::string(option.valueName));
}

std::string GlobalSynopsis()
{
    std::string text;
    for (const auto& option : kOptions) {
        if (option.global) {
            text += "[" + OptionSynopsis(option) + "] ";
        }
    }
    return text;
}

std::string OwnOptionsSynopsis(const CommandRow& command)
{
    std::string text;
    for (const auto name : Words(command.options)) {
        if (const OptionRow* option = FindOption(name)) {
            text += " [" + OptionSynopsis(*option) + "]";
        }
    }
    return text;
}

std::string_view GroupOf(const CommandRow& command)
{
    const std::size_t blank = command.name.find(' ');
    return blank == std::string_view::npos ? std::string_view{} : command.name.substr(0, blank);
}

// What some commands add to their help: the names they take.
std::string ExtraHelp(const CommandRow& command)
{
    std::string text;
    if (command.name == "set") {
        text += "\nsettings:\n";
        for (const auto& setting : SettingHelpRows()) {
            text += Row(setting.name + "=", setting.meaning + ": " + setting.values, 26);
        }
    } else if (command.name == "assign") {
        text += "\nbuttons: 1 to 7 (front), S1 to S12 (side); functions: zalvane-cli functions\n";
    }
    return text;
}

// --- the manual page ------------------------------------------------------------------------

// Text for man(7): backslashes escaped, "-" as the minus that options are typed with, and no
// line starting with a control character.
std::string Roff(std::string_view text)
{
    std::string out;
    for (const char c : text) {
        if (c == '\\') {
            out += "\\e";
        } else if (c == '-') {
            out += "\\-";
        } else {
            out += c;
        }
    }
    std::string guarded;
    bool lineStart = true;
    for (const char c : out) {
        if (lineStart && (c == '.' || c == '\'')) {
            guarded += "\\&";
        }
        guarded += c;
        lineStart = c == '\n';
    }
    return guarded;
}

std::string RoffParagraphs(std::string_view text)
{
    std::string out;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find("\n\n"), text.size());
        out += Roff(text.substr(0, end)) + "\n";
        text.remove_prefix(std::min(end + 2, text.size()));
        if (!text.empty()) {
            out += ".IP\n";
        }
    }
    return out;
}

// --- the bash completion --------------------------------------------------------------------

std::string ShellWords(const std::vector<std::string>& words)
{
    std::string text;
    for (const auto& word : words) {
        text.append(text.empty() ? "" : " ").append(word);
    }
    return text;
}

// A word in single quotes for the shell.
std::string ShellQuoted(std::string_view text)
{
    std::string quoted = "'";
    for (const char c : text) {
        if (c == '\'') {
            quoted += "'\\''";
        } else {
            quoted += c;
        }
    }
    return quoted + "'";
}

}  // namespace

std::span<const OptionRow> OptionTable() { return kOptions; }

const OptionRow* FindOption(std::string_view name)
{
    const auto* found = std::find_if(kOptions.begin(), kOptions.end(), [&](const auto& o) { return o.name == name; });
    return found != kOptions.end() ? found : nullptr;
}

bool CommandTakesOption(const CommandRow& command, std::string_view name)
{
    const OptionRow* option = FindOption(name);
    if (option == nullptr) {
        return false;
    }
    const auto own = Words(command.options);
    return option->global || std::find(own.begin(), own.end(), name) != own.end();
}

std::vector<CommandRow> CommandsOfGroup(std::span<const CommandRow> table, std::string_view group)
{
    std::vector<CommandRow> commands;
    std::ranges::copy_if(table, std::back_inserter(commands),
                         [&](const CommandRow& command) { return !group.empty() && GroupOf(command) == group; });
    return commands;
}

std::string CommandSynopsis(const CommandRow& command)
{
    std::string synopsis(command.name);
    if (!command.arguments.empty()) {
        synopsis += " " + std::string(command.arguments);
    }
    return synopsis + OwnOptionsSynopsis(command);
}

void PrintUsage(std::ostream& out, std::span<const CommandRow> table)
{
    out << "usage: " << kProgram << " " << GlobalSynopsis() << "COMMAND [ARGS] [OPTIONS]\n\ncommands:\n";
    for (const auto& command : table) {
        std::string synopsis(command.name);
        if (!command.arguments.empty()) {
            synopsis += " " + std::string(command.arguments);
        }
        out << Row(synopsis, command.summary);
    }
    out << "\nglobal options:\n";
    for (const auto& option : kOptions) {
        if (option.global) {
            out << Row(OptionSynopsis(option), option.help);
        }
    }
    out << "\noptions of some commands:\n";
    for (const auto& option : kOptions) {
        if (!option.global) {
            out << Row(OptionSynopsis(option), option.help);
        }
    }
    out << "\n" << kProgram << " COMMAND --help tells more of a command; man " << kProgram << " tells all.\n";
    out << "\nexit status: " << kExitStatus << "\n";
}

void PrintCommandHelp(std::ostream& out, const CommandRow& command)
{
    out << "usage: " << kProgram << " " << GlobalSynopsis() << CommandSynopsis(command) << "\n\n";
    out << Wrapped(command.summary, 0);
    if (!command.details.empty()) {
        out << "\n" << Wrapped(command.details, 0);
    }
    const auto own = Words(command.options);
    if (!own.empty()) {
        out << "\noptions:\n";
        for (const auto name : own) {
            if (const OptionRow* option = FindOption(name)) {
                out << Row(OptionSynopsis(*option), option->help, 20);
            }
        }
    }
    out << ExtraHelp(command);
    out << "\nexit status: " << kExitStatus << "\n";
}

void PrintGroupHelp(std::ostream& out, std::string_view group, std::span<const CommandRow> commands)
{
    out << "usage: " << kProgram << " " << GlobalSynopsis() << group << " COMMAND [ARGS] [OPTIONS]\n\n"
        << group << " commands:\n";
    for (const auto& command : commands) {
        std::string synopsis(command.name);
        if (!command.arguments.empty()) {
            synopsis += " " + std::string(command.arguments);
        }
        out << Row(synopsis, command.summary);
    }
    out << "\n" << kProgram << " " << group << " COMMAND --help tells more of one.\n";
    out << "\nexit status: " << kExitStatus << "\n";
}

void WriteManPage(std::ostream& out, std::span<const CommandRow> table, std::string_view version)
{
    out << ".\\\" zalvane-cli(1), made from the program's command table; do not edit.\n"
        << ".TH ZALVANE\\-CLI 1 \"\" \"zalvane\\-cli " << Roff(version) << "\" \"User Commands\"\n"
        << ".ad l\n.SH NAME\nzalvane\\-cli \\- configure the Zalvane Gaming Mouse from the command line\n"
        << ".SH SYNOPSIS\n.B zalvane\\-cli\n[\\fIGLOBAL OPTIONS\\fR] \\fICOMMAND\\fR [\\fIARGUMENTS\\fR] "
           "[\\fIOPTIONS\\fR]\n"
        << ".SH DESCRIPTION\n"
        << Roff(
               "zalvane-cli sets everything the Zalvane Gaming Mouse (USB 04d9:a11b) holds: DPI stages, lighting, "
               "report rate, pointer settings, the functions of its nineteen buttons and its macros, in six named "
               "profiles. It keeps them where the Windows program Zalvane.exe keeps them, in a program folder "
               "(--folder, else the current directory): the profile files config0.bin to config5.bin, their "
               "captions str0.ini to str5.ini, the profile list and factory captions str.ini, the factory profile "
               "config.bin and the macros record.ini; zalvane-cli init-folder makes one. It applies the same "
               "rules as the window: a value the window could not set is refused, and a profile it writes is the "
               "one the window writes for the same changes.")
        << "\n.PP\n"
        << Roff(
               "Changes reach the mouse with --apply, save or apply. Without --virtual-mouse the mouse is looked "
               "for on this machine's HID bus (hidraw); the udev rule installed with the package lets the user at "
               "the seat open it.")
        << "\n.SH COMMANDS\n";
    for (const auto& command : table) {
        out << ".TP\n.B " << Roff(command.name);
        if (!command.arguments.empty()) {
            out << " \\fI" << Roff(command.arguments) << "\\fR";
        }
        out << Roff(OwnOptionsSynopsis(command)) << "\n" << Roff(command.summary) << ".\n";
        if (!command.details.empty()) {
            out << ".IP\n" << RoffParagraphs(command.details);
        }
    }
    out << ".SH OPTIONS\n";
    for (const auto& option : kOptions) {
        out << ".TP\n.B " << Roff(option.name);
        if (!option.valueName.empty()) {
            out << " \\fI" << Roff(option.valueName) << "\\fR";
        }
        out << "\n" << Roff(option.help) << (option.global ? " (every command)" : "") << ".\n";
    }
    out << ".TP\n.BR \\-h \", \" \\-\\-help\nThe usage, or with a command its help.\n";
    out << ".SH SETTINGS\nThe names \\fBset\\fR takes, each as \\fINAME\\fB=\\fIVALUE\\fR:\n";
    for (const auto& setting : SettingHelpRows()) {
        out << ".TP\n.B " << Roff(setting.name) << "\n"
            << Roff(setting.meaning) << ": " << Roff(setting.values) << ".\n";
    }
    out << ".SH FUNCTIONS\nThe functions \\fBassign\\fR takes, as the window's function list and its second lists "
           "show them; the buttons are 1 to 7 (front) and S1 to S12 (side).\n";
    for (const auto& function : FixedFunctionNames()) {
        out << ".TP\n.B " << Roff(function.name) << "\n"
            << Roff(function.group.empty() ? function.text : function.group + ": " + function.text) << "\n";
    }
    out << ".TP\n.BI key: KEY\nSingle Key: one of the keys below.\n"
        << ".TP\n.BI combo: \"\\fR[\\fPMODIFIER\\fB+\\fR]\\fPKEY\\fR[\\fB+\\fPKEY\\fR]\"\n"
        << Roff(
               "Combo Key: at most one modifier (ctrl, shift, alt, win for the left ones, or left-ctrl to "
               "right-win) and up to two keys, e.g. combo:ctrl+shift+a.")
        << "\n.TP\n.BI macro: NAME \\fR[\\fB:\\fPMODE\\fR]\n"
        << Roff(
               "Macro Key: one of the first nineteen macros of macro list; MODE is count (repeat the set number "
               "of times or until any key, the default), until-key or while-held.")
        << "\n.PP\nKeys (any case, \\- for a blank):";
    for (const auto& row : assign::KeyNameTable()) {
        out << (&row == &assign::KeyNameTable().front() ? " " : ", ") << "\\fB" << Roff(CommandLineKeyName(row.name))
            << "\\fR";
    }
    out << ".\n.SH MACRO EVENTS\n"
        << Roff(
               "A macro's events are written KEY down, KEY up and N ms, separated by commas or line ends: "
               "\"a down, 120 ms, a up\". A delay follows a key event; a macro with delays plays exactly them "
               "(0 ms where none is written), one without plays its events 50 ms apart. A key name with a comma "
               "or a quote in it goes in quotes: \"\\\",\\\" down\". At most 64 events, delays up to 6553500 ms. "
               "macro show, export and import add \"name: NAME\" and \"loop: N\" (or \"loop: off\") lines; "
               "their JSON form (one line, blanks added here):")
        << "\n.PP\n.nf\n"
        << Roff(
               "{\"name\": \"Hello\", \"loop\": null, \"events\": [\n"
               "  {\"type\": \"press\", \"key\": \"A\"},\n"
               "  {\"type\": \"delay\", \"ms\": 120},\n"
               "  {\"type\": \"release\", \"key\": \"A\"}]}\n")
        << ".fi\n"
        << "\n.SH EXIT STATUS\n"
        << ".TP\n0\nDone.\n.TP\n1\nNo mouse found.\n.TP\n2\nUsage error: an unknown command, option, setting "
           "or function, or the wrong number of arguments.\n.TP\n3\nA bad input file, or a value refused: one line "
           "names it and what is allowed; nothing is written.\n.TP\n4\nThe mouse did not take what was sent: one "
           "line names the transfer.\n"
        << ".SH FILES\n.TP\n.I /usr/lib/udev/rules.d/70\\-zalvane.rules\nGives the user at the seat the mouse's "
           "hidraw nodes.\n.TP\n.I /usr/share/zalvane\\-cli/zalvane\\-cli\\-show.schema.json\nThe JSON schema of "
           "\\fBshow \\-\\-json\\fR.\n"
        << ".SH EXAMPLES\n.nf\n"
        << Roff(
               "zalvane-cli init-folder ~/zalvane && cd ~/zalvane\n"
               "zalvane-cli show\n"
               "zalvane-cli set dpi.3=2400 dpi.3.colour=#00ff00\n"
               "zalvane-cli assign S1 volume-up S2 combo:ctrl+c\n"
               "zalvane-cli macro add Hello \"h down, 40 ms, h up, i down, 40 ms, i up\"\n"
               "zalvane-cli assign S3 macro:Hello\n"
               "zalvane-cli save\n"
               "zalvane-cli watch --json\n")
        << ".fi\n.SH SEE ALSO\n\\fBudev\\fR(7)\n";
}

void WriteBashCompletion(std::ostream& out, std::span<const CommandRow> table)
{
    std::vector<std::string> firstWords;
    std::vector<std::string> groups;
    for (const auto& command : table) {
        const std::string first(command.name.substr(0, command.name.find(' ')));
        if (std::find(firstWords.begin(), firstWords.end(), first) == firstWords.end()) {
            firstWords.push_back(first);
        }
        const std::string group(GroupOf(command));
        if (!group.empty() && std::find(groups.begin(), groups.end(), group) == groups.end()) {
            groups.push_back(group);
        }
    }
    std::vector<std::string> globalOptions;
    for (const auto& option : kOptions) {
        if (option.global) {
            globalOptions.emplace_back(option.name);
        }
    }
    const std::vector<FunctionHelp> fixed = FixedFunctionNames();
    std::vector<std::string> functions(fixed.size());
    std::ranges::transform(fixed, functions.begin(), &FunctionHelp::name);
    std::string quotedKeys;
    for (const auto& row : assign::KeyNameTable()) {
        quotedKeys.append(quotedKeys.empty() ? "" : " ").append(ShellQuoted(CommandLineKeyName(row.name)));
    }
    std::vector<std::string> settingWords;
    for (const auto& setting : SettingNames()) {
        settingWords.push_back(setting.name + "=");
        std::ranges::transform(setting.words, std::back_inserter(settingWords),
                               [&](const std::string& word) { return setting.name + "=" + word; });
    }
    std::vector<std::string> buttons;
    for (std::size_t button = 0; button < settings::kButtonCount; ++button) {
        buttons.push_back(ButtonName(button));
    }

    out << "# bash completion for zalvane-cli, made from its command table; do not edit.\n"
           "\n"
           "# The \"name\" members of the JSON list a zalvane-cli command prints, one a line.\n"
           "_zalvane_cli_names() {\n"
           "    \"$@\" --json 2>/dev/null | grep -o '\"name\":\"\\([^\"\\\\]\\|\\\\.\\)*\"' |\n"
           "        sed -e 's/^\"name\":\"//' -e 's/\"$//' -e 's/\\\\\\(.\\)/\\1/g'\n"
           "}\n"
           "\n"
           "# COMPREPLY: the lines of standard input that begin with $1, quoted for the shell.\n"
           "_zalvane_cli_reply() {\n"
           "    local word\n"
           "    COMPREPLY=()\n"
           "    while IFS= read -r word; do\n"
           "        [[ $word == \"$1\"* ]] && COMPREPLY+=(\"$(printf '%q' \"$word\")\")\n"
           "    done\n"
           "}\n"
           "\n"
           "_zalvane_cli() {\n"
           "    local cur prev words cword\n"
           "    if declare -F _init_completion >/dev/null; then\n"
           "        _init_completion -n =: || return\n"
           "    else\n"
           "        words=(\"${COMP_WORDS[@]}\"); cword=$COMP_CWORD\n"
           "        cur=${COMP_WORDS[COMP_CWORD]}; prev=${COMP_WORDS[COMP_CWORD-1]}\n"
           "    fi\n"
           "    local cli=${words[0]} global=() args=() i\n"
           "    for ((i = 1; i < cword; i++)); do\n"
           "        case ${words[i]} in\n"
           "            --folder | --virtual-mouse) global+=(\"${words[i]}\" \"${words[i+1]}\"); ((i++)) ;;\n"
           "            --folder=* | --virtual-mouse=*) global+=(\"${words[i]}\") ;;\n";
    std::string valued;
    for (const auto& option : kOptions) {
        if (!option.valueName.empty() && option.name != "--folder" && option.name != "--virtual-mouse") {
            valued.append(valued.empty() ? "" : " | ").append(option.name);
        }
    }
    out << "            " << valued << ") ((i++)) ;;\n"
        << "            -*) ;;\n"
           "            *) args+=(\"${words[i]}\") ;;\n"
           "        esac\n"
           "    done\n"
           "    case $prev in\n"
           "        --folder | --virtual-mouse) COMPREPLY=($(compgen -d -- \"$cur\")); return ;;\n"
           "        --trace) COMPREPLY=($(compgen -f -- \"$cur\")); return ;;\n"
           "        --profile) _zalvane_cli_reply \"$cur\" < <(_zalvane_cli_names \"$cli\" \"${global[@]}\" profile "
           "list); return ;;\n"
           "        --loop) return ;;\n"
           "    esac\n"
           "    local name=\"\" used=0\n"
           "    case ${args[0]-} in\n"
           "        \"\") ;;\n";
    for (const auto& group : groups) {
        out << "        " << group << ") if ((${#args[@]} >= 2)); then name=\"${args[0]} ${args[1]}\"; used=2; fi ;;\n";
    }
    out << "        *) name=${args[0]}; used=1 ;;\n"
           "    esac\n"
           "    local options=\""
        << ShellWords(globalOptions) << " --help\" kinds=\"\"\n"
        << "    case $name in\n";
    for (const auto& command : table) {
        const std::vector<std::string_view> optionWords = Words(command.options);
        const std::vector<std::string> own(optionWords.begin(), optionWords.end());
        out << "        " << ShellQuoted(command.name) << ") options+=\"" << (own.empty() ? "" : " ") << ShellWords(own)
            << "\"; kinds=\"" << command.completion << "\" ;;\n";
    }
    out << "    esac\n"
           "    if [[ $cur == -* ]]; then\n"
           "        COMPREPLY=($(compgen -W \"$options\" -- \"$cur\"))\n"
           "        return\n"
           "    fi\n"
           "    if [[ -z $name ]]; then\n"
           "        case ${args[0]-} in\n";
    for (const auto& group : groups) {
        const std::vector<CommandRow> rows = CommandsOfGroup(table, group);
        std::vector<std::string> commands(rows.size());
        std::ranges::transform(rows, commands.begin(), [&](const CommandRow& command) {
            return std::string(command.name.substr(group.size() + 1));
        });
        out << "            " << group << ") COMPREPLY=($(compgen -W \"" << ShellWords(commands)
            << "\" -- \"$cur\")) ;;\n";
    }
    out << "            *) COMPREPLY=($(compgen -W \"" << ShellWords(firstWords) << " help\" -- \"$cur\")) ;;\n"
        << "        esac\n"
           "        return\n"
           "    fi\n"
           "    local -a kindList=($kinds)\n"
           "    local at=$((${#args[@]} - used))\n"
           "    ((${#kindList[@]} == 0)) && return\n"
           "    if [[ ${kindList[-1]} == ... ]]; then\n"
           "        at=$((at % (${#kindList[@]} - 1)))\n"
           "    elif ((at >= ${#kindList[@]})); then\n"
           "        at=$((${#kindList[@]} - 1))\n"
           "    fi\n"
           "    case ${kindList[at]} in\n"
           "        file) COMPREPLY=($(compgen -f -- \"$cur\")) ;;\n"
           "        folder) COMPREPLY=($(compgen -d -- \"$cur\")) ;;\n"
           "        profile) _zalvane_cli_reply \"$cur\" < <(_zalvane_cli_names \"$cli\" \"${global[@]}\" profile "
           "list) ;;\n"
           "        macro) _zalvane_cli_reply \"$cur\" < <(_zalvane_cli_names \"$cli\" \"${global[@]}\" macro list) "
           ";;\n"
           "        button) COMPREPLY=($(compgen -W \""
        << ShellWords(buttons)
        << "\" -- \"$cur\")) ;;\n"
           "        setting)\n"
           "            COMPREPLY=($(compgen -W \""
        << ShellWords(settingWords)
        << "\" -- \"$cur\"))\n"
           "            [[ ${COMPREPLY[0]-} == *= ]] && compopt -o nospace 2>/dev/null\n"
           "            # The shell replaces only what follows a \"=\" it breaks words at.\n"
           "            [[ $cur == *=* && $COMP_WORDBREAKS == *=* ]] && COMPREPLY=(\"${COMPREPLY[@]#*=}\")\n"
           "            [[ ${COMPREPLY[0]-x} == \"\" ]] && COMPREPLY=(\"${COMPREPLY[@]:1}\") ;;\n"
           "        function)\n"
           "            case $cur in\n"
           "                key:* | combo:*)\n"
           "                    local head=${cur%\"${cur##*[:+]}\"}\n"
           "                    local -a keys=("
        << quotedKeys
        << ")\n"
           "                    _zalvane_cli_reply \"$cur\" < <(printf \"%s\\n\" \"${keys[@]/#/$head}\") ;;\n"
           "                macro:*) _zalvane_cli_reply \"$cur\" < <(_zalvane_cli_names \"$cli\" \"${global[@]}\" "
           "macro list | sed 's/^/macro:/') ;;\n"
           "                *) COMPREPLY=($(compgen -W \""
        << ShellWords(functions)
        << " key: combo: macro:\" -- \"$cur\"))\n"
           "                   [[ ${COMPREPLY[0]-} == *: ]] && compopt -o nospace 2>/dev/null ;;\n"
           "            esac ;;\n"
           "    esac\n"
           "    declare -F __ltrim_colon_completions >/dev/null && __ltrim_colon_completions \"$cur\"\n"
           "}\n"
           "complete -F _zalvane_cli zalvane-cli\n";
}

}  // namespace zalvane::cli
