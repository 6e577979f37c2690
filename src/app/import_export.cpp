#include "app/import_export.h"

#include <filesystem>
#include <system_error>

#include "app/profile_file_pairs.h"
#include "app/save_flow.h"
#include "platform/file_io.h"
#include "settings/program_paths.h"

namespace zalvane::app {
namespace {

std::size_t FileNameStart(std::string_view path) { return path.size() - settings::FileNameOf(path).size(); }

bool NamesProfileFile(std::string_view path)
{
    return settings::FileNameOf(path).find(kProfileExtension) != std::string_view::npos;
}

platform::FileDialogRequest DialogRequest(const AppState& state, platform::FileDialogMode mode)
{
    return {mode, platform::kProfileFileFilter, state.files.paths.profileFile.value_or("")};
}

void ShowWriteError(FlowPorts& ports, const std::string& path, const std::error_code& error)
{
    const std::string text = WriteErrorText(error.value());
    const std::string reason = error.message();
    ports.messages.Show({text, kWriteErrorCaption, path, reason});
}

// Writes the captions beside `profilePath`, then the profile file. A pair whose files
// cannot be written there (a folder, a device, a pipe, a read-only file) is refused
// before either is written. False after the error box.
bool WritePair(AppState& state, FlowPorts& ports, const std::string& profilePath, ExportResult& result)
{
    const auto textPath = ExportTextFile(profilePath, state.files.paths);
    for (const std::optional<std::string>& path : {std::optional<std::string>(profilePath), textPath}) {
        if (!path) {
            continue;
        }
        if (const auto target = platform::WriteTarget(*path); !target) {
            ShowWriteError(ports, *path, target.error());
            return false;
        }
    }
    if (textPath) {
        settings::WriteCaptions(ports.ini, textPath, state.language, state.text.captions);
    } else {
        result.textFileSkipped = true;
    }
    const auto written = settings::WriteProfileFileContent(profilePath, state.record);
    if (!written) {
        ShowWriteError(ports, profilePath, written.error());
        return false;
    }
    return true;
}

}  // namespace

std::optional<std::string> TextFileBeside(std::string_view profilePath)
{
    const std::size_t nameStart = FileNameStart(profilePath);
    const std::size_t extension = profilePath.rfind(kProfileExtension);
    if (extension == std::string_view::npos || extension < nameStart) {
        return std::nullopt;
    }
    std::string text(profilePath);
    text.replace(extension, kProfileExtension.size(), kTextExtension);
    return text;
}

ImportResult RunImportFlow(AppState& state, FlowPorts& ports)
{
    const auto chosen = ports.fileDialog.Choose(DialogRequest(state, platform::FileDialogMode::kOpen));
    if (!chosen) {
        return {ImportOutcome::kCancelled, std::nullopt};
    }
    if (!NamesProfileFile(*chosen)) {
        return {ImportOutcome::kNotProfileFile, std::nullopt};
    }
    if (!platform::PathExists(*chosen)) {
        ports.messages.Show({settings::kConfigFileMissingText, {}, *chosen});
        return {ImportOutcome::kMissing, settings::ProfileFileProblem::Missing()};
    }
    ImportResult result{ImportOutcome::kImported, std::nullopt};
    const auto content = settings::ReadProfileFile(chosen);
    if (content) {
        state.firstRunFlag = content->firstRunFlag;
        state.record = content->record;
    } else {
        const bool wrongSize = content.error().kind == settings::ProfileFileProblem::Kind::kWrongSize;
        result = {wrongSize ? ImportOutcome::kWrongSize : ImportOutcome::kUnreadable, content.error()};
    }
    state.text = settings::ReadTextSettings(ports.ini, PairedTextFile(*chosen, state.files.paths), state.language);
    settings::RebuildProfilePaths(state.files);
    return result;
}

ExportResult RunExportFlow(AppState& state, FlowPorts& ports)
{
    ExportResult result;
    const auto chosen = ports.fileDialog.Choose(DialogRequest(state, platform::FileDialogMode::kSave));
    if (!chosen) {
        return result;
    }
    result.profilePath = *chosen;
    if (!NamesProfileFile(result.profilePath)) {
        result.profilePath += kProfileExtension;
    }

    result.outcome = ExportOutcome::kFailed;
    if (!WritePair(state, ports, result.profilePath, result)) {
        return result;
    }

    // The copies in the program folder; a renamed executable has none and writes none, and
    // no copy writes over the program's own data files.
    const auto copy = ExportCopyTarget(result.profilePath, state.files.paths);
    if (copy) {
        if (!WritePair(state, ports, *copy, result)) {
            return result;
        }
        result.copiedToProgramFolder = true;
        state.files.paths.profileFile = copy;
        state.files.paths.textFile = ExportTextFile(*copy, state.files.paths);
    } else {
        settings::RebuildProfilePaths(state.files);
    }
    result.outcome = ExportOutcome::kExported;
    return result;
}

}  // namespace zalvane::app
