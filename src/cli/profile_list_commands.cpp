// The profile list from the command line, with the configuration dialog's rules: up to
// six names, each one owning its pair of files ("config%d.bin", "str%d.ini"). A command
// opens the list as the dialog opens it, makes one change and closes it with the close
// button's rules, which write the list and move the files so that every name keeps its
// own settings. Only `profile use` changes which profile is current.

#include <algorithm>
#include <array>

#include "app/save_flow.h"
#include "cli/command_table.h"
#include "cli/folder_session.h"
#include "cli/input_files.h"
#include "cli/json.h"
#include "cli/mouse_session.h"
#include "dialogs/dialog_texts.h"
#include "dialogs/profile_list_dialog.h"
#include "dialogs/profile_names.h"
#include "settings/profile_list.h"

namespace zalvane::cli {
namespace {

std::string NoList(const std::string& listFile)
{
    return listFile + ": no valid profile list (section \"Profile\" needs an \"ItemCount\" of 1 to 6)";
}

// The list opened as the configuration dialog opens it, with the files as the main
// window knows them: which profile is current and where its files are.
class ListEdit {
public:
    explicit ListEdit(CommandContext& context) : m_context(context), m_session(context) {}

    std::optional<int> Open()
    {
        if (auto failure = m_session.Failure()) {
            return failure;
        }
        const std::string listFile = m_session.FileInFolder(settings::kListFileName);
        if (auto checked = CheckTextFile(listFile); !checked) {
            return m_context.Fail(kExitBadInput, checked.error());
        }
        settings::ProfileFiles& files = Files();
        files.paths = settings::PathsFromModulePath(files.modulePath);
        const auto current = settings::ReadCurrentProfileIndex(m_session.Ini(), files.paths.listFile, 0);
        files.profileKnown = current.has_value();
        files.profileIndex = current.value_or(0);
        settings::RebuildProfilePaths(files);
        m_language = language::LanguageFromCode(settings::ReadLanguageCode(m_session.Ini(), files.paths.textFile));
        m_dialog = dialogs::ProfileListDialog::Open(m_session.Ini(), files.paths.listFile);
        if (m_dialog.Items().empty()) {
            return m_context.Fail(kExitBadInput, NoList(listFile));
        }
        m_current = m_dialog.Selected();
        return std::nullopt;
    }

    dialogs::ProfileListDialog& Dialog() { return m_dialog; }
    language::Language Language() const { return m_language; }
    // The current profile's place when the list was opened, as the dialog selected it.
    std::optional<std::size_t> Current() const { return m_current; }
    settings::ProfileFiles& Files() { return m_session.State().files; }
    FolderSession& Session() { return m_session; }

    // The position of the profile named exactly `name`; the exit status otherwise.
    std::expected<std::size_t, int> Find(const std::string& name)
    {
        const std::vector<std::string> names = m_dialog.Names();
        const auto found = std::find(names.begin(), names.end(), name);
        if (found == names.end()) {
            return std::unexpected(m_context.Fail(kExitBadInput, name + ": no profile of that name (zalvane-cli "
                                                                        "profile list)"));
        }
        return static_cast<std::size_t>(found - names.begin());
    }

    // The close button: the list and the files written, `selected` the current profile.
    int Close(std::optional<std::size_t> selected, std::string_view done)
    {
        m_dialog.Select(selected);
        const dialogs::CloseOutcome closed = m_dialog.Close(m_session.Ini(), Files());
        if (closed.failure) {
            dialogs::ShowFileFailure(m_session.Ports().messages, *closed.failure);
            return kExitBadInput;
        }
        if (!closed.listWritten) {
            return m_context.Fail(kExitBadInput, m_session.FileInFolder(settings::kListFileName) +
                                                     ": the profile list could not be written");
        }
        m_context.out << done << '\n';
        return kExitDone;
    }

private:
    CommandContext& m_context;
    FolderSession m_session;
    dialogs::ProfileListDialog m_dialog;
    language::Language m_language = language::Language::kEnglish;
    std::optional<std::size_t> m_current;
};

std::string Quoted(std::string_view name) { return "\"" + std::string(name) + "\""; }

// A rename the dialog's editor would not keep, in words.
std::string RenameRefusal(std::span<const std::string> names, std::size_t position, std::string_view typed)
{
    const std::string trimmed = dialogs::RenamedProfileName(names, position, typed).value_or(std::string(typed));
    if (dialogs::ProfileNameTaken(names, trimmed, position)) {
        return Quoted(typed) + ": refused: there is a profile of that name already";
    }
    return Quoted(typed) + ": refused: a profile name holds no line break or other control character";
}

int List(CommandContext& context)
{
    FolderSession session(context);
    if (auto failure = session.Failure()) {
        return *failure;
    }
    const std::string listFile = session.FileInFolder(settings::kListFileName);
    if (auto checked = CheckTextFile(listFile); !checked) {
        return context.Fail(kExitBadInput, checked.error());
    }
    platform::IniStore& ini = session.Ini();
    const auto count = settings::ReadProfileCount(ini, listFile);
    if (!count) {
        return context.Fail(kExitBadInput, NoList(listFile));
    }
    // The loader's rule picks the current profile: the last name equal to the saved one.
    const auto current = settings::ReadCurrentProfileIndex(ini, listFile, 0);
    const std::string currentName = ini.GetString(listFile, settings::kProfileSection, settings::kCurrentProfileKey);
    bool named = false;
    if (context.options.json) {
        context.out << '[';
    }
    for (std::size_t position = 0; position < *count; ++position) {
        const std::string name = ini.GetString(listFile, settings::kProfileSection, settings::ProfileItemKey(position));
        named = named || name == currentName;
        if (context.options.json) {
            context.out << (position == 0 ? "" : ",") << "{\"position\":" << position
                        << ",\"name\":" << JsonString(name)
                        << ",\"current\":" << (position == current ? "true" : "false") << '}';
        } else {
            context.out << (position == current ? "* " : "  ") << position << ' ' << name << '\n';
        }
    }
    if (context.options.json) {
        context.out << "]\n";
    }
    if (!named) {
        context.Warn("no profile is named \"" + currentName + "\" (CurProfileName); the program starts with profile 0");
    }
    return kExitDone;
}

int Use(CommandContext& context)
{
    ListEdit list(context);
    if (auto failure = list.Open()) {
        return *failure;
    }
    const auto position = list.Find(context.args[0]);
    if (!position) {
        return position.error();
    }
    // Nothing is written while the mouse that --apply asks for is missing.
    std::optional<MouseSession> mouse;
    app::AppState& state = list.Session().State();
    if (context.options.apply) {
        mouse.emplace(context, state);
        if (auto failure = mouse->Failure()) {
            return *failure;
        }
    }
    if (const int status = list.Close(*position, "profile " + Quoted(context.args[0]) + " is the current profile");
        status != kExitDone || !mouse) {
        return status;
    }
    // As the main window loads the profile the closed dialog made current, then Save.
    if (auto failure = list.Session().LoadAtStartUp()) {
        return *failure;
    }
    const app::SaveResult saved = app::RunSaveFlow(state, list.Session().Ports(), &mouse->Command());
    if (const int status = FinishFlow(*mouse, saved.mouse, saved.files); status != kExitDone) {
        return status;
    }
    context.out << "saved " << list.Session().ProfileLabel() << " to the mouse and to "
                << state.files.paths.profileFile.value_or("") << '\n';
    return kExitDone;
}

std::string Limit(language::Language language)
{
    return std::string(dialogs::DialogTextIn(dialogs::DialogText::kProfileLimit, language));
}

int New(CommandContext& context)
{
    ListEdit list(context);
    if (auto failure = list.Open()) {
        return *failure;
    }
    dialogs::ProfileListDialog& dialog = list.Dialog();
    if (dialog.New() == dialogs::NewOutcome::kLimitReached) {
        return context.Fail(kExitBadInput, "profile new: refused: " + Limit(list.Language()));
    }
    const std::size_t added = dialog.Items().size() - 1;
    if (!context.args.empty() && dialog.Rename(added, context.args[0]) != dialogs::RenameOutcome::kRenamed) {
        return context.Fail(kExitBadInput, RenameRefusal(dialog.Names(), added, context.args[0]));
    }
    const std::string name = dialog.Names()[added];
    return list.Close(list.Current(), "added profile " + Quoted(name) + " at position " + std::to_string(added) +
                                          " with the factory settings");
}

int Copy(CommandContext& context)
{
    ListEdit list(context);
    if (auto failure = list.Open()) {
        return *failure;
    }
    const auto source = list.Find(context.args[0]);
    if (!source) {
        return source.error();
    }
    dialogs::ProfileListDialog& dialog = list.Dialog();
    dialog.Select(*source);
    if (!dialog.Copy(dialogs::DialogTextIn(dialogs::DialogText::kCopy, list.Language()))) {
        return context.Fail(kExitBadInput, "profile copy: refused: " + Limit(list.Language()));
    }
    const std::size_t copy = dialog.Items().size() - 1;
    if (context.args.size() > 1 && dialog.Rename(copy, context.args[1]) != dialogs::RenameOutcome::kRenamed) {
        return context.Fail(kExitBadInput, RenameRefusal(dialog.Names(), copy, context.args[1]));
    }
    return list.Close(list.Current(), "copied profile " + Quoted(context.args[0]) + " to " +
                                          Quoted(dialog.Names()[copy]) + " at position " + std::to_string(copy));
}

int Rename(CommandContext& context)
{
    ListEdit list(context);
    if (auto failure = list.Open()) {
        return *failure;
    }
    const auto position = list.Find(context.args[0]);
    if (!position) {
        return position.error();
    }
    dialogs::ProfileListDialog& dialog = list.Dialog();
    if (dialog.Rename(*position, context.args[1]) != dialogs::RenameOutcome::kRenamed) {
        return context.Fail(kExitBadInput, RenameRefusal(dialog.Names(), *position, context.args[1]));
    }
    return list.Close(list.Current(),
                      "renamed profile " + Quoted(context.args[0]) + " to " + Quoted(dialog.Names()[*position]));
}

int Delete(CommandContext& context)
{
    ListEdit list(context);
    if (auto failure = list.Open()) {
        return *failure;
    }
    const auto position = list.Find(context.args[0]);
    if (!position) {
        return position.error();
    }
    dialogs::ProfileListDialog& dialog = list.Dialog();
    dialog.Select(*position);
    if (!dialog.Delete()) {
        return context.Fail(kExitBadInput, "profile delete: refused: the last profile stays");
    }
    // The current profile keeps its place in the list, one up when it came after the
    // deleted one; deleting the current profile makes the first one current.
    std::optional<std::size_t> current = list.Current();
    if (current && *current == *position) {
        current.reset();
    } else if (current && *current > *position) {
        --*current;
    }
    return list.Close(current, "deleted profile " + Quoted(context.args[0]) + "; the profiles after it moved up");
}

constexpr std::array<CommandRow, 7> kCommands = {{
    {"profile list", "", 0, "list the profiles, * marks the current one (--json)", List, 0, "--json",
     "The names of the profile list (\"str.ini\") in order: a profile's position picks its files, "
     "\"config<position>.bin\" and \"str<position>.ini\"."},
    {"profiles", "", 0, "the same as profile list", List, 0, "--json", {}},
    {"profile use", "NAME", 1, "make NAME the current profile (--apply: and send it to the mouse)", Use, 0, "--apply",
     "Makes NAME the current profile, as selecting it and closing the configuration dialog does. With --apply the "
     "profile is then sent to the mouse and saved, as the main window's Save does.",
     "profile"},
    {"profile new",
     "[NAME]",
     0,
     "add a profile with the factory settings",
     New,
     1,
     {},
     "Appends a profile named NAME, or PROFILE_<n> as the dialog's New names it, with the factory settings. At "
     "most six profiles; names are unique.",
     "-"},
    {"profile copy",
     "NAME [NEW_NAME]",
     1,
     "add a copy of a profile",
     Copy,
     1,
     {},
     "Appends a copy of NAME with its settings and captions, named NEW_NAME or \"Copy NAME\".",
     "profile -"},
    {"profile rename",
     "NAME NEW_NAME",
     2,
     "rename a profile; its settings stay with it",
     Rename,
     0,
     {},
     "Renames NAME; surrounding blanks are dropped, the name must be free.",
     "profile -"},
    {"profile delete",
     "NAME",
     1,
     "delete a profile; the ones after it move up with their files",
     Delete,
     0,
     {},
     "Deletes NAME and its files; the profiles after it move up a position and take their files along. The last "
     "profile stays. Deleting the current profile makes the first one current.",
     "profile"},
}};

}  // namespace

std::span<const CommandRow> ProfileListCommands() { return kCommands; }

}  // namespace zalvane::cli
