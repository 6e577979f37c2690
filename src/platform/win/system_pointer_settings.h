#pragma once
// The pointer-settings port over the system's own settings (SystemParametersInfoW):
// acceleration, speed and wheel lines are sent to every window; the double-click time is
// also stored in the user's profile.

#include "platform/pointer_settings.h"

namespace zalvane::platform::win {

class SystemPointerSettings final : public PointerSettingsPort {
public:
    bool SetMouse(const std::array<int, 3>& thresholdsAndAcceleration) override;
    bool SetMouseSpeed(std::uint32_t speed) override;
    bool SetWheelScrollLines(std::uint32_t lines) override;
    bool SetDoubleClickTime(std::uint32_t milliseconds) override;
};

}  // namespace zalvane::platform::win
