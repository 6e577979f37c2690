#pragma once
// The reports the mouse sends on its event interface when a button switches something on
// the mouse itself: report ID 6, class 7, then the event's code and value.

#include <cstddef>
#include <cstdint>

namespace zalvane::device {

inline constexpr std::uint8_t kEventReportId = 6;
inline constexpr std::uint8_t kEventClass = 7;
inline constexpr std::size_t kEventCodeAt = 2;
inline constexpr std::size_t kEventValueAt = 3;
// The event interface's input report length.
inline constexpr std::size_t kEventReportSize = 8;

}  // namespace zalvane::device
