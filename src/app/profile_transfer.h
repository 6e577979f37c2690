#pragma once
// The main window's part of the profile dialog's Load and Save: the dialog posts the
// message below with the profile's position; the main window points the paths at that
// profile, runs the import or export with that profile's file as the dialog's initial
// name, and goes back to the profile it had when the user cancels or the file operation
// fails, so that a later Save never writes into a profile the user did not pick.

#include <cstdint>
#include <optional>

#include "app/import_export.h"
#include "settings/profile_files.h"

namespace zalvane::app {

inline constexpr unsigned kProfileDialogMessage = 0x0B03;

// The message's first parameter.
enum class ProfileDialogRequest {
    kLoad = 0,    // import into the record; second parameter: the profile's position
    kSave = 1,    // export the record; second parameter: the profile's position
    kClosed = 2,  // the dialog closed; second parameter: kClosedWithNewProfile or 0
};

// The dialog closed and another profile is current now (or the current one is gone): the
// main window loads the current profile before it draws the page again.
inline constexpr std::int64_t kClosedWithNewProfile = 1;

std::optional<ProfileDialogRequest> ProfileDialogRequestFrom(std::uint64_t wParam);

// The profile position of a Load or Save: only 0-5; any other value is ignored.
std::optional<std::uint8_t> ProfileNumberFrom(std::int64_t lParam);

// What the main window had before it pointed at another profile.
struct ProfileChoice {
    std::uint8_t profileIndex = 0;
    bool profileKnown = false;
    settings::ProgramPaths paths;
};

// Makes `number` the current profile and points the profile and text file paths at its
// files ("config%d.bin" is then the file dialog's initial name). Returns what was there
// before.
ProfileChoice ChooseProfileForTransfer(settings::ProfileFiles& files, std::uint8_t number);

// Goes back to the profile and the paths of `previous`.
void RestoreProfileChoice(settings::ProfileFiles& files, const ProfileChoice& previous);

// After the dialog closed with kClosedWithNewProfile: the profile the list now names as
// current into the record and the applied copy, and its text file's settings (captions
// in the run's language), before the page is drawn again.
settings::LoadResult ReloadCurrentProfile(AppState& state, FlowPorts& ports);

// Whether the import or export took place; otherwise the previous choice comes back.
bool TransferTookPlace(const ImportResult& result);
bool TransferTookPlace(const ExportResult& result);

}  // namespace zalvane::app
