#include "app/save_flow.h"

#include "app/device_apply.h"
#include "platform/file_io.h"

namespace zalvane::app {

std::string WriteErrorText(int code) { return "Error Code is: " + std::to_string(code) + " \n"; }

ProfileWrite WriteProfileFile(AppState& state, platform::MessageBoxPort& messages)
{
    settings::RebuildProfilePaths(state.files);
    const std::optional<std::string>& path = state.files.paths.profileFile;
    if (!path || !platform::PathExists(*path)) {
        messages.Show({settings::kConfigFileMissingText, {}, path.value_or("")});
        return ProfileWrite::kMissing;
    }
    const auto written = settings::WriteProfileFileContent(*path, state.record);
    if (!written) {
        const std::string text = WriteErrorText(written.error().value());
        const std::string reason = written.error().message();
        messages.Show({text, kWriteErrorCaption, *path, reason});
        return ProfileWrite::kFailed;
    }
    return ProfileWrite::kWritten;
}

FileWrites WriteCurrentProfileFiles(AppState& state, FlowPorts& ports)
{
    FileWrites writes;
    writes.profile = WriteProfileFile(state, ports.messages);
    if (writes.profile == ProfileWrite::kWritten) {
        writes.captions =
            settings::WriteCaptions(ports.ini, state.files.paths.textFile, state.language, state.text.captions);
    }
    return writes;
}

ApplyResult ApplyToMouseAndFiles(AppState& state, FlowPorts& ports, device::CommandLink& link)
{
    ApplyResult result;
    result.mouse = RunDeviceApply(link, state.record, state.image);
    result.files = WriteCurrentProfileFiles(state, ports);
    return result;
}

SaveResult RunSaveFlow(AppState& state, FlowPorts& ports, device::CommandLink* link)
{
    SaveResult result;
    if (link == nullptr) {
        return result;
    }
    ports.ui.ShowWait(WaitReason::kSave);
    result.outcome = SaveOutcome::kSaved;
    const ApplyResult applied = ApplyToMouseAndFiles(state, ports, *link);
    result.mouse = applied.mouse;
    result.files = applied.files;
    state.applied = state.record;
    result.pointerSettingsTaken = ApplyPointerSettings(ports.pointer, ports.messages, state.record);
    return result;
}

}  // namespace zalvane::app
