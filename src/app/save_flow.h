#pragma once
// The "Save" button: the device apply sends the profile record to the mouse, then the
// current profile's files are written, the record becomes the applied copy and the
// pointer settings are set.

#include <string>
#include <string_view>

#include "app/app_state.h"
#include "device/protocol.h"

namespace zalvane::app {

inline constexpr std::string_view kWriteErrorCaption = "NULL ==fp ";

// "Error Code is: %d \n" with `code`.
std::string WriteErrorText(int code);

enum class ProfileWrite {
    kWritten,
    kMissing,  // "Config file is not exist." was shown: the program never creates one
    kFailed,   // the error box was shown; the old file is as it was
};

// Write profile file: rebuilds the current profile's paths, then replaces the existing
// profile file with the saved flag and the record.
ProfileWrite WriteProfileFile(AppState& state, platform::MessageBoxPort& messages);

struct FileWrites {
    ProfileWrite profile = ProfileWrite::kMissing;
    bool captions = false;  // written only with the profile file, so the pair stays matched

    bool Complete() const { return profile == ProfileWrite::kWritten && captions; }
};

// The current profile's files as a save writes them: the profile file with the saved
// flag, then, only when that was written, the captions, so that the pair stays matched.
FileWrites WriteCurrentProfileFiles(AppState& state, FlowPorts& ports);

struct ApplyResult {
    device::TransferResult mouse;  // ok, or the first transfer the mouse did not take
    FileWrites files;
};

// The device apply followed by the current profile's files: what Save and a connected
// Reset both do. The files are written also when the mouse did not take everything: they
// are the profile the user saved, and the window says nothing of device I/O.
[[nodiscard]] ApplyResult ApplyToMouseAndFiles(AppState& state, FlowPorts& ports, device::CommandLink& link);

enum class SaveOutcome { kNotConnected, kSaved };

struct SaveResult {
    SaveOutcome outcome = SaveOutcome::kNotConnected;
    device::TransferResult mouse;  // kSaved: ok, or the first transfer the mouse did not take
    FileWrites files;
    bool pointerSettingsTaken = false;
};

// The save flow. `link` is the connected mouse; without one nothing happens at all.
// The applied copy and the pointer settings follow the saved record even when a file
// could not be written or the mouse did not take it all.
[[nodiscard]] SaveResult RunSaveFlow(AppState& state, FlowPorts& ports, device::CommandLink* link);

}  // namespace zalvane::app
