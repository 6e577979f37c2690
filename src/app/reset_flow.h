#pragma once
// The "Reset" button: the factory settings from "config.bin" replace the settings part
// of the profile record (the macros stay), the captions and skin values come from
// "str.ini", and with a mouse connected everything is saved as by the "Save" button.

#include <optional>

#include "app/app_state.h"
#include "app/save_flow.h"
#include "device/protocol.h"

namespace zalvane::app {

enum class ResetOutcome {
    // The factory profile could not be loaded (missing: its box was shown; wrong size:
    // silently). The record keeps the user's settings, so nothing is sent as if reset.
    kNoFactoryProfile,
    kPageOnly,  // no mouse: the page shows the factory settings; mouse and files untouched
    kApplied,   // sent to the mouse and written to the current profile's files
};

struct ResetResult {
    ResetOutcome outcome = ResetOutcome::kNoFactoryProfile;
    // kNoFactoryProfile: what was wrong with the factory profile file.
    std::optional<settings::ProfileFileProblem> factoryProblem;
    device::TransferResult mouse;  // kApplied: ok, or the first transfer the mouse did not take
    FileWrites files;              // kApplied
    bool pointerSettingsTaken = false;
};

// `link` is the connected mouse, or nothing.
[[nodiscard]] ResetResult RunResetFlow(AppState& state, FlowPorts& ports, device::CommandLink* link);

}  // namespace zalvane::app
