#pragma once
// The reports the mouse sends on its event interface when a button switches something on
// the mouse itself: report ID 6, class 7, then the event's code and value.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace zalvane::device {

inline constexpr std::uint8_t kEventReportId = 6;
inline constexpr std::uint8_t kEventClass = 7;
inline constexpr std::size_t kEventCodeAt = 2;
inline constexpr std::size_t kEventValueAt = 3;
// The event interface's input report length.
inline constexpr std::size_t kEventReportSize = 8;

struct DeviceEvent {
    std::uint8_t code = 0;
    std::uint8_t value = 0;
    friend bool operator==(const DeviceEvent&, const DeviceEvent&) = default;
};

// The event a report carries; nothing for any other report, or one too short.
inline std::optional<DeviceEvent> EventOfReport(std::span<const std::uint8_t> report)
{
    if (report.size() <= kEventValueAt || report[0] != kEventReportId || report[1] != kEventClass) {
        return std::nullopt;
    }
    return DeviceEvent{report[kEventCodeAt], report[kEventValueAt]};
}

}  // namespace zalvane::device
