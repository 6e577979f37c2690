#pragma once
// The operating system's pointer settings that the save flow and Reset set from the
// profile record: pointer acceleration, pointer speed, wheel scroll lines and the
// double-click time.

#include <array>
#include <cstdint>
#include <string_view>

#include "platform/message_box.h"
#include "settings/profile_record.h"

namespace zalvane::app {

struct PointerValues {
    // Thresholds and acceleration: 6, 10, 1 with enhanced pointer precision, else 0, 0, 0.
    std::array<int, 3> mouse{};
    std::uint32_t speed = 0;             // 1-20
    std::uint32_t wheelScrollLines = 0;  // kScrollOneScreen: one screen per notch
    std::uint32_t doubleClickTime = 0;   // milliseconds

    friend bool operator==(const PointerValues&, const PointerValues&) = default;
};

inline constexpr std::uint32_t kScrollOneScreen = 0xFFFFFFFF;
inline constexpr std::uint32_t kMinPointerSpeed = 1;
inline constexpr std::uint32_t kMaxPointerSpeed = 20;

// Speed step k gives 1 for k = 1, else 2k - 2, kept within the system's range 1-20.
// Double-click step k gives 900 - 70 (k - 1) ms; the page's steps end at 12, and a step
// past it from a damaged file counts as 12 rather than wrapping to a huge time.
PointerValues PointerValuesFor(const settings::ProfileRecord& record);

// Where the values go: the system's settings on Windows, a printout in the command-line
// tool. Each call returns whether the setting was taken.
class PointerSettingsPort {
public:
    virtual ~PointerSettingsPort() = default;
    virtual bool SetMouse(const std::array<int, 3>& thresholdsAndAcceleration) = 0;
    virtual bool SetMouseSpeed(std::uint32_t speed) = 0;
    virtual bool SetWheelScrollLines(std::uint32_t lines) = 0;
    virtual bool SetDoubleClickTime(std::uint32_t milliseconds) = 0;
};

inline constexpr std::string_view kPointerWarningCaption = "Warning";
inline constexpr std::string_view kSetMouseFailedText = "SETMOUSE failed.";
inline constexpr std::string_view kSetMouseSpeedFailedText = "SETMOUSESPEED failed.";
inline constexpr std::string_view kSetWheelScrollLinesFailedText = "SETWHEELSCROLLLINES failed.";
inline constexpr std::string_view kSetDoubleClickTimeFailedText = "SPI_SETDOUBLECLICKTIME failed.";

// Sets the four values in order. A refused setting shows its box (caption "Warning")
// and the rest are still tried. True when all four were taken.
bool ApplyPointerSettings(PointerSettingsPort& port, platform::MessageBoxPort& messages,
                          const settings::ProfileRecord& record);

}  // namespace zalvane::app
