#pragma once
// Starts the firmware updater for the processor the system runs on natively, from the
// "Update" folder beside the executable, and does not wait for it.

namespace zalvane::app::win {

void StartFirmwareUpdater();

}  // namespace zalvane::app::win
