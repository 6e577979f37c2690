// The macro manager from the command line: the macros of the folder's macro file
// ("record.ini"), listed, shown, added, renamed, deleted, imported and exported. Every
// change goes through the macro manager's rules (names, the limit of nineteen, the
// event lines) and ends as the manager's OK does: every macro encoded into the current
// profile's macro area, cut to fit where it must (with the manager's warning), and every
// button following its macro. The profile is then written as Save writes it.

#include <algorithm>
#include <array>

#include "assign/macro_encoding.h"
#include "assign/macro_file.h"
#include "assign/macro_fit_warning.h"
#include "assign/macro_manager.h"
#include "assign/macro_manager_texts.h"
#include "assign/macro_names.h"
#include "cli/command_table.h"
#include "cli/folder_session.h"
#include "cli/input_files.h"
#include "cli/json.h"
#include "cli/macro_text.h"
#include "cli/profile_edit.h"
#include "platform/file_io.h"
#include "platform/ini_document.h"

namespace zalvane::cli {
namespace {

// Longer than any macro file a person writes by hand; bounds what is read.
constexpr std::uintmax_t kMaxMacroTextSize = 1 << 20;

std::optional<std::size_t> FindMacro(std::span<const std::string> names, std::string_view name)
{
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (platform::IniNamesEqual(names[i], name)) {
            return i;
        }
    }
    return std::nullopt;
}

// The macro file of the folder: readable when it is there (a missing one holds no
// macros); the exit status otherwise.
std::optional<int> CheckMacroFile(const CommandContext& context, const std::string& path)
{
    if (!platform::PathExists(path)) {
        return std::nullopt;
    }
    if (auto checked = CheckTextFile(path); !checked) {
        return context.Fail(kExitBadInput, checked.error());
    }
    return std::nullopt;
}

MacroText TextOf(const assign::MacroRecord& record)
{
    MacroText macro{record.name, record.items, std::nullopt};
    if (record.loopTimeSelStatus == 1) {
        macro.loop =
            record.macroLoopTimes >= 1 && record.macroLoopTimes <= assign::kMaxLoopTimes ? record.macroLoopTimes : 1;
    }
    return macro;
}

std::string NameProblem(assign::MacroNameProblem problem)
{
    switch (problem) {
        case assign::MacroNameProblem::kEmpty:
        case assign::MacroNameProblem::kTooLong:
            return "a macro name has 1 to " + std::to_string(assign::kMaxMacroNameLength) + " characters";
        case assign::MacroNameProblem::kForbiddenCharacter:
            return "a macro name holds no \"[\", \"]\" or control character";
        case assign::MacroNameProblem::kTaken:
            return "there is a macro of that name already";
        case assign::MacroNameProblem::kNone:
            break;
    }
    return {};
}

// The name `typed` may take beside `others`; the refusal line otherwise.
std::expected<std::string, std::string> CheckedName(std::string_view typed, std::span<const std::string> others)
{
    const assign::MacroNameCheck check = assign::CheckMacroName(typed, others);
    if (check.problem != assign::MacroNameProblem::kNone) {
        return std::unexpected("\"" + std::string(typed) + "\": refused: " + NameProblem(check.problem));
    }
    return check.name;
}

// A macro change on the folder's macro file and the current profile.
class MacroEdit {
public:
    explicit MacroEdit(CommandContext& context) : m_context(context), m_edit(context) {}

    std::optional<int> Open()
    {
        if (auto failure = m_edit.Open()) {
            return failure;
        }
        m_path = m_edit.Session().FileInFolder(settings::kRecordFileName);
        if (auto failure = CheckMacroFile(m_context, m_path)) {
            return failure;
        }
        m_names = assign::ReadMacroNames(m_edit.Session().Ini(), m_path);
        return std::nullopt;
    }

    const std::vector<std::string>& Names() const { return m_names; }
    language::Language Language() { return m_edit.State().language; }

    // Opens the manager, lets `change` work on it, and ends it as its OK does.
    int Commit(const std::function<int(assign::MacroManager&)>& change, std::string_view done)
    {
        return m_edit.Commit(
            [&](app::AppState& state) {
                const std::string stem(assign::MacroManagerTextIn(assign::MacroManagerText::kNameStem, state.language));
                assign::MacroManager manager(m_edit.Session().Ini(), m_path, stem);
                const int status = change(manager);
                const assign::MacroManagerOutcome outcome = manager.Finish(true, 0);
                assign::ApplyMacroManagerOutcome(outcome, state.record, state.text.captions, state.language);
                if (const auto warning = assign::MacroFitWarning(outcome.encoding, state.language)) {
                    std::string_view lines = *warning;
                    while (!lines.empty()) {
                        const std::size_t end = std::min(lines.find('\n'), lines.size());
                        if (end > 0) {
                            m_context.Warn(lines.substr(0, end));
                        }
                        lines.remove_prefix(std::min(end + 1, lines.size()));
                    }
                }
                return status;
            },
            done);
    }

    int WriteFailed() const { return m_context.Fail(kExitBadInput, m_path + ": the macro file could not be written"); }

private:
    CommandContext& m_context;
    ProfileEdit m_edit;
    std::string m_path;
    std::vector<std::string> m_names;
};

// Puts `macro` into the manager: over the macro of its name, or as a new one at the end.
int StoreMacro(const MacroEdit& edit, assign::MacroManager& manager, const MacroText& macro)
{
    std::optional<std::size_t> index;
    for (std::size_t i = 0; i < manager.MacroCount(); ++i) {
        if (platform::IniNamesEqual(manager.MacroName(i), macro.name)) {
            index = i;
        }
    }
    if (!index) {
        if (manager.New() != assign::NewMacroResult::kCreated) {
            return edit.WriteFailed();
        }
        index = manager.MacroCount() - 1;
        if (manager.MacroName(*index) != macro.name && !manager.RenameMacro(*index, macro.name)) {
            return edit.WriteFailed();
        }
    }
    const bool selected = manager.Select(*index);
    bool stored = selected && manager.ReplaceEventLines(macro.lines, HasDelayLines(macro.lines));
    if (macro.loop) {
        manager.SetLoopText(std::to_string(*macro.loop));
    }
    if (manager.LoopOption() != macro.loop.has_value()) {
        stored = manager.ToggleLoop() && stored;
    }
    return stored && !manager.SaveFailed() ? kExitDone : edit.WriteFailed();
}

// Whether `macro` may go into the list: a free name, or the name of the one it replaces,
// and room for one more when it is new.
std::optional<std::string> RefuseMacro(const MacroEdit& edit, const MacroText& macro, bool mayReplace,
                                       language::Language language)
{
    const auto existing = FindMacro(edit.Names(), macro.name);
    if (existing && mayReplace) {
        return std::nullopt;
    }
    if (auto name = CheckedName(macro.name, edit.Names()); !name) {
        return name.error();
    }
    if (edit.Names().size() >= settings::kMacroCount) {
        return "\"" + macro.name + "\": refused: " +
               std::string(assign::MacroManagerTextIn(assign::MacroManagerText::kMacroLimit, language));
    }
    return std::nullopt;
}

std::string Joined(std::span<const std::string> args)
{
    std::string joined;
    for (const auto& arg : args) {
        joined.append(joined.empty() ? "" : " ").append(arg);
    }
    return joined;
}

int List(CommandContext& context)
{
    FolderSession session(context);
    if (auto failure = session.Failure()) {
        return *failure;
    }
    const std::string path = session.FileInFolder(settings::kRecordFileName);
    if (auto failure = CheckMacroFile(context, path)) {
        return *failure;
    }
    const std::vector<std::string> names = assign::ReadMacroNames(session.Ini(), path);
    const assign::MacroAreaEncoding encoding = assign::EncodeMacroArea(session.Ini(), path);
    if (context.options.json) {
        context.out << '[';
    }
    for (std::size_t i = 0; i < names.size(); ++i) {
        const MacroText macro = TextOf(assign::ReadMacro(session.Ini(), path, names[i]));
        const auto events = std::ranges::count_if(macro.lines, [](const std::string& line) {
            return assign::ParseEventLine(line).kind != assign::EventKind::kNone;
        });
        const auto cut = std::find_if(encoding.cuts.begin(), encoding.cuts.end(),
                                      [i](const assign::MacroCut& c) { return c.position == i; });
        const std::size_t leftOut = cut != encoding.cuts.end() ? cut->eventsLeftOut : 0;
        const bool hasBlock = i < settings::kMacroCount;
        if (context.options.json) {
            context.out << (i == 0 ? "" : ",") << "{\"position\":" << i + 1 << ",\"name\":" << JsonString(names[i])
                        << ",\"events\":" << events
                        << ",\"loop\":" << (macro.loop ? std::to_string(*macro.loop) : std::string("null"))
                        << ",\"inMouse\":" << (hasBlock ? "true" : "false") << ",\"eventsLeftOut\":" << leftOut << '}';
            continue;
        }
        context.out << i + 1 << ' ' << names[i] << ": " << events << " event(s), loop "
                    << (macro.loop ? std::to_string(*macro.loop) : std::string("off"));
        if (!hasBlock) {
            context.out << "; not in the mouse (it holds the first " << settings::kMacroCount << ")";
        } else if (leftOut > 0) {
            context.out << "; cut to fit the mouse: " << leftOut << " event(s) left out";
        }
        context.out << '\n';
    }
    if (context.options.json) {
        context.out << "]\n";
    }
    return kExitDone;
}

// The macro named by the first argument, as text; the exit status when there is none.
std::expected<MacroText, int> NamedMacro(const CommandContext& context, FolderSession& session)
{
    const std::string path = session.FileInFolder(settings::kRecordFileName);
    if (auto failure = CheckMacroFile(context, path)) {
        return std::unexpected(*failure);
    }
    const std::vector<std::string> names = assign::ReadMacroNames(session.Ini(), path);
    const auto index = FindMacro(names, context.args[0]);
    if (!index) {
        return std::unexpected(
            context.Fail(kExitBadInput, context.args[0] + ": no macro of that name (zalvane-cli macro list)"));
    }
    return TextOf(assign::ReadMacro(session.Ini(), path, names[*index]));
}

std::string Formatted(const CommandContext& context, const MacroText& macro)
{
    return context.options.json ? FormatMacroJson(macro) + "\n" : FormatMacroText(macro);
}

int Show(CommandContext& context)
{
    FolderSession session(context);
    if (auto failure = session.Failure()) {
        return *failure;
    }
    const auto macro = NamedMacro(context, session);
    if (!macro) {
        return macro.error();
    }
    context.out << Formatted(context, *macro);
    return kExitDone;
}

int Export(CommandContext& context)
{
    FolderSession session(context);
    if (auto failure = session.Failure()) {
        return *failure;
    }
    const auto macro = NamedMacro(context, session);
    if (!macro) {
        return macro.error();
    }
    const std::string text = Formatted(context, *macro);
    if (context.args.size() < 2 || context.args[1] == "-") {
        context.out << text;
        return kExitDone;
    }
    const std::string& file = context.args[1];
    std::error_code error;
    if (!platform::WriteFileAtomically(file, std::vector<std::uint8_t>(text.begin(), text.end()), error)) {
        return context.Fail(kExitBadInput, file + ": cannot be written (" + error.message() + ")");
    }
    context.out << "exported macro \"" << macro->name << "\" to " << file << '\n';
    return kExitDone;
}

int Add(CommandContext& context)
{
    MacroEdit edit(context);
    if (auto failure = edit.Open()) {
        return *failure;
    }
    MacroText macro{context.args[0], {}, std::nullopt};
    if (context.options.loop) {
        auto loop = ParseMacro("loop: " + *context.options.loop);
        if (!loop) {
            return context.Fail(kExitBadInput, "--" + loop.error());
        }
        macro.loop = loop->loop;
    }
    auto lines = ParseEvents(Joined(context.args.subspan(1)));
    if (!lines) {
        return context.Fail(kExitBadInput, lines.error());
    }
    macro.lines = std::move(*lines);
    if (auto refused = RefuseMacro(edit, macro, false, edit.Language())) {
        return context.Fail(kExitBadInput, *refused);
    }
    macro.name = *CheckedName(macro.name, edit.Names());
    return edit.Commit([&](assign::MacroManager& manager) { return StoreMacro(edit, manager, macro); },
                       "added macro \"" + macro.name + "\"");
}

int Import(CommandContext& context)
{
    const std::string& file = context.args[0];
    const platform::FileBytes read = platform::ReadFileBytes(file, kMaxMacroTextSize);
    if (read.status != platform::FileStatus::kOk) {
        return context.Fail(kExitBadInput,
                            file + (read.status == platform::FileStatus::kMissing    ? ": no such file"
                                    : read.status == platform::FileStatus::kTooLarge ? ": too large for a macro"
                                                                                     : ": cannot be read"));
    }
    auto macro = ParseMacro(std::string_view(reinterpret_cast<const char*>(read.bytes.data()), read.bytes.size()));
    if (!macro) {
        return context.Fail(kExitBadInput, file + ": " + macro.error());
    }
    if (context.args.size() > 1) {
        macro->name = context.args[1];
    }
    if (macro->name.empty()) {
        return context.Fail(kExitBadInput, file + ": names no macro (give it one: zalvane-cli macro import FILE NAME)");
    }
    MacroEdit edit(context);
    if (auto failure = edit.Open()) {
        return *failure;
    }
    if (auto refused = RefuseMacro(edit, *macro, true, edit.Language())) {
        return context.Fail(kExitBadInput, *refused);
    }
    const bool replaces = FindMacro(edit.Names(), macro->name).has_value();
    if (!replaces) {
        macro->name = *CheckedName(macro->name, edit.Names());
    }
    return edit.Commit([&](assign::MacroManager& manager) { return StoreMacro(edit, manager, *macro); },
                       std::string(replaces ? "replaced" : "imported") + " macro \"" + macro->name + "\"");
}

int Rename(CommandContext& context)
{
    MacroEdit edit(context);
    if (auto failure = edit.Open()) {
        return *failure;
    }
    std::vector<std::string> others = edit.Names();
    const auto index = FindMacro(others, context.args[0]);
    if (!index) {
        return context.Fail(kExitBadInput, context.args[0] + ": no macro of that name (zalvane-cli macro list)");
    }
    others.erase(others.begin() + static_cast<std::ptrdiff_t>(*index));
    auto name = CheckedName(context.args[1], others);
    if (!name) {
        return context.Fail(kExitBadInput, name.error());
    }
    return edit.Commit(
        [&](assign::MacroManager& manager) {
            if (manager.MacroName(*index) == *name || manager.RenameMacro(*index, *name)) {
                return int{kExitDone};
            }
            return edit.WriteFailed();
        },
        "renamed macro \"" + edit.Names()[*index] + "\" to \"" + *name + "\"");
}

int Delete(CommandContext& context)
{
    MacroEdit edit(context);
    if (auto failure = edit.Open()) {
        return *failure;
    }
    const auto index = FindMacro(edit.Names(), context.args[0]);
    if (!index) {
        return context.Fail(kExitBadInput, context.args[0] + ": no macro of that name (zalvane-cli macro list)");
    }
    return edit.Commit(
        [&](assign::MacroManager& manager) {
            return manager.Select(*index) && manager.DeleteSelected() ? int{kExitDone} : edit.WriteFailed();
        },
        "deleted macro \"" + edit.Names()[*index] + "\"");
}

constexpr std::string_view kChangeOptions = "--profile --apply";

constexpr std::array<CommandRow, 7> kCommands = {{
    {"macro list", "", 0, "list the macros of the macro file (--json)", List, 0, "--json",
     "One line per macro in list order: its number (what a button plays), name, events, loop count, and whether "
     "the mouse gets it whole."},
    {"macro show", "NAME", 1, "show a macro in text form (--json)", Show, 0, "--json",
     "The macro as name, loop and events: \"name: Hello\", \"loop: off\", \"A down, 120 ms, A up\". The same text "
     "(or JSON) is what macro export writes and macro import reads.",
     "macro"},
    {"macro add", "NAME EVENTS...", 2, "add a macro from its events, e.g. \"a down, 120 ms, a up\"", Add, kAnyNumber,
     "--loop --profile --apply",
     "Adds a macro at the end of the list. EVENTS (the rest of the line) are KEY down, KEY up and N ms, separated "
     "by commas: a macro with delays plays exactly those (0 ms where none is written), one without any plays its "
     "events 50 ms apart, as the manager does with a recording without delays. At most 64 events and 19 macros; "
     "a name has 1 to 32 characters, no \"[\" or \"]\", and is not taken (case does not count). --loop N plays "
     "the macro N times (1 to 65535).\n\n"
     "Every change of a macro (add, rename, delete, import) ends as the macro manager's OK does: every macro is "
     "encoded into the current profile's macro area (a macro too long for its block is cut where no key is held, "
     "with a warning), every button follows its macro, and the profile's files are written as Save writes them; "
     "--apply also sends the profile to the mouse, --profile NAME takes another profile.",
     "- -"},
    {"macro rename", "NAME NEW_NAME", 2, "rename a macro; buttons keep playing it", Rename, 0, kChangeOptions,
     "Renames the macro in place; buttons that play it keep it, with the new name in their caption. The profile "
     "is written as after macro add.",
     "macro -"},
    {"macro delete", "NAME", 1, "delete a macro; buttons that played it are switched off", Delete, 0, kChangeOptions,
     "Deletes the macro; the macros after it move up and their buttons with them, and a button that played the "
     "deleted macro becomes \"Button Off\". The profile is written as after macro add.",
     "macro"},
    {"macro import", "FILE [NAME]", 1, "add a macro from a file (text or JSON), or replace the one of its name", Import,
     1, kChangeOptions,
     "Reads a macro as macro export writes it, text or JSON; NAME, when given, names it instead of the file. A "
     "macro of that name is replaced in place (its buttons keep it), else the macro is added at the end.",
     "file macro"},
    {"macro export", "NAME [FILE]", 1, "write a macro to FILE (default: standard output) as text (--json)", Export, 1,
     "--json", "Writes the macro as macro show prints it; macro import reads it back.", "macro file"},
}};

}  // namespace

std::span<const CommandRow> MacroCommands() { return kCommands; }

}  // namespace zalvane::cli
