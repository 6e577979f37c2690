#include "app/reset_flow.h"

namespace zalvane::app {

using settings::ProfileRecord;

ResetResult RunResetFlow(AppState& state, FlowPorts& ports, device::CommandLink* link)
{
    ResetResult result;
    ports.ui.ShowWait(WaitReason::kReset);
    const std::uint8_t deviceProfile = state.record[ProfileRecord::kDeviceProfileNumber];
    state.files.resetMode = true;
    const settings::LoadResult load = settings::LoadProfile(ports.ini, ports.messages, state.files, state.record);
    if (load.outcome != settings::LoadOutcome::kLoaded) {
        state.files.resetMode = false;
        result.factoryProblem = load.problem;
        return result;
    }
    state.text = settings::ReadTextSettings(ports.ini, state.files.paths.textFile, state.language);
    state.record[ProfileRecord::kDeviceProfileNumber] = deviceProfile;

    result.outcome = ResetOutcome::kPageOnly;
    if (link != nullptr) {
        result.outcome = ResetOutcome::kApplied;
        const ApplyResult applied = ApplyToMouseAndFiles(state, ports, *link);
        result.mouse = applied.mouse;
        result.files = applied.files;
        state.applied = state.record;
        result.pointerSettingsTaken = ApplyPointerSettings(ports.pointer, ports.messages, state.record);
    }
    ports.ui.RefreshMainPage();
    state.files.resetMode = false;
    return result;
}

}  // namespace zalvane::app
