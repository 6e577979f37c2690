// The main window's flows on a program folder: Save, Reset, Import and Export, as the
// buttons and the profile dialog run them. The mouse is found as for the other mouse
// commands; the pointer settings are printed instead of set.

#include <array>
#include <expected>
#include <initializer_list>
#include <optional>

#include "app/import_export.h"
#include "app/reset_flow.h"
#include "app/save_flow.h"
#include "cli/command_table.h"
#include "cli/folder_session.h"
#include "cli/input_files.h"
#include "cli/mouse_session.h"

namespace zalvane::cli {
namespace {

// Loads the folder as the program does at start-up, then opens the mouse in `mouse` and
// takes the state its connection left, as the program holds it after start-up. Gives the
// opened mouse, or the exit status; without a mouse only `mouseOptional` goes on, with
// no mouse (`mouse` empty).
std::expected<MouseSession*, int> OpenFolderAndMouse(
    CommandContext& context, FolderSession& session, std::optional<MouseSession>& mouse,
    std::initializer_list<settings::LoadOutcome> accepted = {settings::LoadOutcome::kLoaded},
    bool mouseOptional = false)
{
    if (auto failure = session.Failure())
        return std::unexpected(*failure);
    if (auto failure = session.LoadAtStartUp(accepted))
        return std::unexpected(*failure);
    MouseSession& opened = mouse.emplace(context);
    if (auto failure = opened.Failure()) {
        if (*failure != kExitNoMouse || !mouseOptional)
            return std::unexpected(*failure);
        mouse.reset();
        return nullptr;
    }
    session.State().image = opened.Image();
    return &opened;
}

// The end of a flow that wrote to the mouse and the files; the boxes said what went wrong.
int FinishFlow(MouseSession& mouse, const app::FileWrites& writes)
{
    if (const int status = mouse.Finish(); status != kExitDone)
        return status;
    return writes.Complete() ? kExitDone : kExitBadInput;
}

std::string ProfileLabel(FolderSession& session)
{
    return "profile " + std::to_string(session.State().files.profileIndex) + " \"" + session.CurrentProfileName() +
           "\"";
}

int Save(CommandContext& context)
{
    FolderSession session(context);
    std::optional<MouseSession> mouse;
    const auto opened = OpenFolderAndMouse(context, session, mouse);
    if (!opened)
        return opened.error();
    MouseSession& found = **opened;  // the mouse is not optional here
    app::AppState& state = session.State();
    const app::SaveResult saved = app::RunSaveFlow(state, session.Ports(), &found.Link());
    if (const int status = FinishFlow(found, saved.files); status != kExitDone)
        return status;
    context.out << "saved " << ProfileLabel(session) << " to the mouse and to "
                << state.files.paths.profileFile.value_or("") << '\n';
    return kExitDone;
}

int Reset(CommandContext& context)
{
    FolderSession session(context);
    std::optional<MouseSession> mouse;
    // The current profile's macros are what Reset keeps, so they must be there to keep.
    const auto opened = OpenFolderAndMouse(context, session, mouse, {settings::LoadOutcome::kLoaded}, true);
    if (!opened)
        return opened.error();
    MouseSession* const found = *opened;
    const app::ResetResult reset =
        app::RunResetFlow(session.State(), session.Ports(), found ? &found->Link() : nullptr);
    switch (reset.outcome) {
        case app::ResetOutcome::kNoFactoryProfile: {
            const std::string factory = session.FileInFolder(settings::kFactoryProfileFileName);
            if (session.Messages().Count() == 0) {
                const auto read = ReadProfileFile(factory);
                return context.Fail(kExitBadInput, read ? factory + ": cannot be read" : read.error());
            }
            return kExitBadInput;
        }
        case app::ResetOutcome::kPageOnly:
            context.err << "zalvane-cli: without a mouse Reset changes nothing: nothing was written\n";
            return kExitNoMouse;
        case app::ResetOutcome::kApplied:
            break;
    }
    if (const int status = FinishFlow(*found, reset.files); status != kExitDone)
        return status;
    context.out << "reset " << ProfileLabel(session) << " to the factory settings, macros kept\n";
    return kExitDone;
}

int Import(CommandContext& context)
{
    const std::string& file = context.args[0];
    if (!app::TextFileBeside(file))
        return context.Fail(kExitBadInput, file + ": not a profile file (its name has no \".bin\")");
    if (auto checked = ReadProfileFile(file); !checked)
        return context.Fail(kExitBadInput, checked.error());
    FolderSession session(context);
    std::optional<MouseSession> mouse;
    // A current profile file of the wrong size is what an import can repair.
    const auto opened = OpenFolderAndMouse(context, session, mouse,
                                           {settings::LoadOutcome::kLoaded, settings::LoadOutcome::kWrongSize});
    if (!opened)
        return opened.error();
    MouseSession& found = **opened;  // the mouse is not optional here
    session.FileDialog().answer = file;
    if (app::RunImportFlow(session.State(), session.Ports()) != app::ImportOutcome::kImported)
        return context.Fail(kExitBadInput, file + ": changed while it was read; nothing imported");
    const app::SaveResult saved = app::RunSaveFlow(session.State(), session.Ports(), &found.Link());
    if (const int status = FinishFlow(found, saved.files); status != kExitDone)
        return status;
    context.out << "imported " << file << " into " << ProfileLabel(session) << " and saved it\n";
    return kExitDone;
}

int Export(CommandContext& context)
{
    FolderSession session(context);
    if (auto failure = session.Failure())
        return *failure;
    if (auto failure = session.LoadAtStartUp())
        return *failure;
    const std::string label = ProfileLabel(session);
    session.FileDialog().answer = context.args[0];
    const app::ExportResult exported = app::RunExportFlow(session.State(), session.Ports());
    if (exported.outcome != app::ExportOutcome::kExported)
        return kExitBadInput;
    if (exported.textFileSkipped)
        context.err << "zalvane-cli: warning: the captions were not written: their file would be the macro file\n";
    context.out << "exported " << label << " to " << exported.profilePath;
    if (exported.copiedToProgramFolder)
        context.out << " and to " << session.State().files.paths.profileFile.value_or("");
    context.out << '\n';
    return kExitDone;
}

constexpr std::array<CommandRow, 4> kCommands = {{
    {"save", "", 0, "save the current profile: mouse, profile files, pointer settings", Save},
    {"reset", "", 0, "reset the current profile to the factory settings, keeping the macros", Reset},
    {"import", "FILE", 1, "import a profile file into the current profile and save it", Import},
    {"export", "FILE", 1, "export the current profile (FILE and FILE's .ini, copies in the folder)", Export},
}};

}  // namespace

std::span<const CommandRow> FlowCommands() { return kCommands; }

}  // namespace zalvane::cli
