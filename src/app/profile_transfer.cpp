#include "app/profile_transfer.h"

namespace zalvane::app {

std::optional<ProfileDialogRequest> ProfileDialogRequestFrom(std::uint64_t wParam)
{
    switch (wParam) {
        case 0:
            return ProfileDialogRequest::kLoad;
        case 1:
            return ProfileDialogRequest::kSave;
        case 2:
            return ProfileDialogRequest::kClosed;
        default:
            return std::nullopt;
    }
}

std::optional<std::uint8_t> ProfileNumberFrom(std::int64_t lParam)
{
    if (lParam < 0 || lParam >= static_cast<std::int64_t>(settings::kProfileSlotCount)) {
        return std::nullopt;
    }
    return static_cast<std::uint8_t>(lParam);
}

ProfileChoice ChooseProfileForTransfer(settings::ProfileFiles& files, std::uint8_t number)
{
    ProfileChoice previous{files.profileIndex, files.profileKnown, files.paths};
    files.profileIndex = number;
    files.profileKnown = true;
    settings::RebuildProfilePaths(files);
    return previous;
}

void RestoreProfileChoice(settings::ProfileFiles& files, const ProfileChoice& previous)
{
    files.profileIndex = previous.profileIndex;
    files.profileKnown = previous.profileKnown;
    files.paths = previous.paths;
}

settings::LoadResult ReloadCurrentProfile(AppState& state, FlowPorts& ports)
{
    const settings::LoadResult result = LoadCurrentProfile(state, ports);
    if (result.outcome == settings::LoadOutcome::kLoaded) {
        state.applied = state.record;
    }
    state.text = settings::ReadTextSettings(ports.ini, state.files.paths.textFile, state.language);
    return result;
}

bool TransferTookPlace(const ImportResult& result) { return result.outcome == ImportOutcome::kImported; }

bool TransferTookPlace(const ExportResult& result) { return result.outcome == ExportOutcome::kExported; }

}  // namespace zalvane::app
