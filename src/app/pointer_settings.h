#pragma once
// The pointer settings that the save flow and Reset give the operating system, worked out
// from the profile record.

#include <array>
#include <cstdint>
#include <string_view>

#include "platform/message_box.h"
#include "platform/pointer_settings.h"
#include "settings/profile_record.h"

namespace zalvane::app {

struct PointerValues {
    // Thresholds and acceleration: 6, 10, 1 with enhanced pointer precision, else 0, 0, 0.
    std::array<int, 3> mouse{};
    std::uint32_t speed = 0;             // 1-20
    std::uint32_t wheelScrollLines = 0;  // platform::kScrollOneScreen: one screen per notch
    std::uint32_t doubleClickTime = 0;   // milliseconds

    friend bool operator==(const PointerValues&, const PointerValues&) = default;
};

// Speed step k gives 1 for k = 1, else 2k - 2, kept within the system's range 1-20.
// Double-click step k gives 900 - 70 (k - 1) ms; the page's steps end at 12, and a step
// past it from a damaged file counts as 12 rather than wrapping to a huge time.
PointerValues PointerValuesFor(const settings::ProfileRecord& record);

inline constexpr std::string_view kPointerWarningCaption = "Warning";
inline constexpr std::string_view kSetMouseFailedText = "SETMOUSE failed.";
inline constexpr std::string_view kSetMouseSpeedFailedText = "SETMOUSESPEED failed.";
inline constexpr std::string_view kSetWheelScrollLinesFailedText = "SETWHEELSCROLLLINES failed.";
inline constexpr std::string_view kSetDoubleClickTimeFailedText = "SPI_SETDOUBLECLICKTIME failed.";

// Sets the four values in order. A refused setting shows its box (caption "Warning")
// and the rest are still tried. True when all four were taken.
bool ApplyPointerSettings(platform::PointerSettingsPort& port, platform::MessageBoxPort& messages,
                          const settings::ProfileRecord& record);

}  // namespace zalvane::app
