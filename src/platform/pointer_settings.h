#pragma once
// The operating system's pointer settings as the program sets them: pointer acceleration,
// pointer speed, wheel scroll lines and the double-click time. The system's settings on
// Windows, a printout in the command-line tool.

#include <array>
#include <cstdint>

namespace zalvane::platform {

// Wheel scroll lines that mean one screen per notch.
inline constexpr std::uint32_t kScrollOneScreen = 0xFFFFFFFF;
// The system's pointer speed range.
inline constexpr std::uint32_t kMinPointerSpeed = 1;
inline constexpr std::uint32_t kMaxPointerSpeed = 20;

// Each call returns whether the setting was taken.
class PointerSettingsPort {
public:
    virtual ~PointerSettingsPort() = default;
    // Two thresholds and the acceleration.
    virtual bool SetMouse(const std::array<int, 3>& thresholdsAndAcceleration) = 0;
    virtual bool SetMouseSpeed(std::uint32_t speed) = 0;
    virtual bool SetWheelScrollLines(std::uint32_t lines) = 0;
    virtual bool SetDoubleClickTime(std::uint32_t milliseconds) = 0;
};

}  // namespace zalvane::platform
