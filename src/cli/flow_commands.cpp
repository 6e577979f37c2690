// The main window's flows on a program folder: Save, Reset, Import and Export, as the
// buttons and the profile dialog run them. The mouse is found as for the other mouse
// commands; the pointer settings are printed instead of set.

#include <array>
#include <initializer_list>
#include <optional>
#include <string_view>

#include "app/import_export.h"
#include "app/reset_flow.h"
#include "app/save_flow.h"
#include "cli/command_table.h"
#include "cli/folder_session.h"
#include "cli/input_files.h"
#include "cli/mouse_session.h"
#include "platform/file_io.h"

namespace zalvane::cli {
namespace {

// Loads the folder as the program does at start-up; the exit status when that fails.
std::optional<int> OpenFolder(FolderSession& session,
                              std::initializer_list<settings::LoadOutcome> accepted = {settings::LoadOutcome::kLoaded})
{
    if (auto failure = session.Failure()) {
        return failure;
    }
    return session.LoadAtStartUp(accepted);
}

// The folder is loaded first and the mouse opened after it, so that a damaged folder
// stops a command before the mouse hears of it. The opening sequence then puts the
// mouse's profile number into record byte 0, where the program has the file's; every
// flow that sends sets that byte to 0 first, so what is sent and written is the same.

int Save(CommandContext& context)
{
    FolderSession session(context);
    if (auto failure = OpenFolder(session)) {
        return *failure;
    }
    app::AppState& state = session.State();
    MouseSession mouse(context, state);
    if (auto failure = mouse.Failure()) {
        return *failure;
    }
    const app::SaveResult saved = app::RunSaveFlow(state, session.Ports(), &mouse.Command());
    if (const int status = FinishFlow(mouse, saved.mouse, saved.files); status != kExitDone) {
        return status;
    }
    context.out << "saved " << session.ProfileLabel() << " to the mouse and to "
                << state.files.paths.profileFile.value_or("") << '\n';
    return kExitDone;
}

int Reset(CommandContext& context)
{
    FolderSession session(context);
    // The current profile's macros are what Reset keeps, so they must be there to keep.
    if (auto failure = OpenFolder(session)) {
        return *failure;
    }
    MouseSession mouse(context, session.State());
    const std::optional<int> failure = mouse.Failure();
    if (failure && *failure != kExitNoMouse) {
        return *failure;
    }
    const app::ResetResult reset =
        app::RunResetFlow(session.State(), session.Ports(), failure ? nullptr : &mouse.Command());
    switch (reset.outcome) {
        case app::ResetOutcome::kNoFactoryProfile:
            if (reset.factoryProblem && session.Messages().Count() == 0) {
                const std::string factory = session.FileInFolder(settings::kFactoryProfileFileName);
                return context.Fail(kExitBadInput, ProfileFileMessage(factory, *reset.factoryProblem));
            }
            return kExitBadInput;
        case app::ResetOutcome::kPageOnly:
            context.err << "zalvane-cli: without a mouse Reset changes nothing: nothing was written\n";
            return kExitNoMouse;
        case app::ResetOutcome::kApplied:
            break;
    }
    if (const int status = FinishFlow(mouse, reset.mouse, reset.files); status != kExitDone) {
        return status;
    }
    context.out << "reset " << session.ProfileLabel() << " to the factory settings, macros kept\n";
    return kExitDone;
}

int Import(CommandContext& context)
{
    const std::string& file = context.args[0];
    if (!app::TextFileBeside(file)) {
        return context.Fail(kExitBadInput, file + ": not a profile file (its name has no \".bin\")");
    }
    if (!platform::PathExists(file)) {
        return context.Fail(kExitBadInput, file + ": no such file");
    }
    FolderSession session(context);
    // A current profile file of the wrong size is what an import can repair.
    if (auto failure = OpenFolder(session, {settings::LoadOutcome::kLoaded, settings::LoadOutcome::kWrongSize})) {
        return *failure;
    }
    // The import changes only the record and the text settings: a file it does not take
    // stops the command before the mouse hears of it.
    session.FileDialog().answer = file;
    const app::ImportResult imported = app::RunImportFlow(session.State(), session.Ports());
    if (imported.outcome != app::ImportOutcome::kImported) {
        if (imported.problem && imported.problem->kind != settings::ProfileFileProblem::Kind::kMissing) {
            return context.Fail(kExitBadInput, ProfileFileMessage(file, *imported.problem));
        }
        return kExitBadInput;  // the box said it
    }
    MouseSession mouse(context, session.State());
    if (auto failure = mouse.Failure()) {
        return *failure;
    }
    const app::SaveResult saved = app::RunSaveFlow(session.State(), session.Ports(), &mouse.Command());
    if (const int status = FinishFlow(mouse, saved.mouse, saved.files); status != kExitDone) {
        return status;
    }
    context.out << "imported " << file << " into " << session.ProfileLabel() << " and saved it\n";
    return kExitDone;
}

int Export(CommandContext& context)
{
    FolderSession session(context);
    if (auto failure = OpenFolder(session)) {
        return *failure;
    }
    const std::string label = session.ProfileLabel();
    session.FileDialog().answer = context.args[0];
    const app::ExportResult exported = app::RunExportFlow(session.State(), session.Ports());
    if (exported.outcome != app::ExportOutcome::kExported) {
        return kExitBadInput;
    }
    if (exported.textFileSkipped) {
        context.err << "zalvane-cli: warning: the captions were not written: their file would be the macro file\n";
    }
    context.out << "exported " << label << " to " << exported.profilePath;
    if (exported.copiedToProgramFolder) {
        context.out << " and to " << session.State().files.paths.profileFile.value_or("");
    }
    context.out << '\n';
    return kExitDone;
}

constexpr std::array<CommandRow, 4> kCommands = {{
    {"save",
     "",
     0,
     "save the current profile: mouse, profile files, pointer settings",
     Save,
     0,
     {},
     "What the main window's Save does: the profile goes to the mouse, its files are written, and the pointer "
     "settings it holds are printed (a terminal has no system pointer settings to set)."},
    {"reset",
     "",
     0,
     "reset the current profile to the factory settings, keeping the macros",
     Reset,
     0,
     {},
     "What the main window's Reset does: the factory settings replace the current profile's, its macros stay, "
     "and the result goes to the mouse and the profile's files. Without a mouse nothing is written."},
    {"import",
     "FILE",
     1,
     "import a profile file into the current profile and save it",
     Import,
     0,
     {},
     "Reads a profile file (and the .ini beside it) into the current profile, then saves it as Save does.",
     "file"},
    {"export",
     "FILE",
     1,
     "export the current profile (FILE and FILE's .ini, copies in the folder)",
     Export,
     0,
     {},
     "Writes the current profile to FILE (\".bin\" added when missing) and its captions beside it, and copies "
     "both into the program folder, as the configuration dialog's Save does.",
     "file"},
}};

}  // namespace

std::span<const CommandRow> FlowCommands() { return kCommands; }

}  // namespace zalvane::cli
