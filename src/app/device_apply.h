#pragma once
// The device apply: translates the profile record into the settings image and sends it
// to the mouse block by block. Always addressed to the mouse's profile 0.

#include <cstdint>

#include "device/protocol.h"
#include "settings/profile_record.h"
#include "settings/settings_image.h"

namespace zalvane::app {

// The mouse profile every apply selects; the profile record keeps it in its byte 0, so a
// saved profile file holds it there too.
inline constexpr std::uint8_t kAppliedProfileNumber = 0;

// Selects profile 0, sets the report rate, reads the config block, patches and writes it
// back, then writes the button block and the nineteen macro blocks. Sets profile record
// byte 0 and settings image byte 0 to 0. Writes no files.
//
// Stops at the first transfer the mouse did not take and gives it: nothing more is sent
// to a mouse that is gone, and a config block that was not read whole is never patched
// and written back over the mouse's own bytes.
[[nodiscard]] device::TransferResult RunDeviceApply(device::CommandLink& link, settings::ProfileRecord& record,
                                                    settings::SettingsImage& image);

}  // namespace zalvane::app
