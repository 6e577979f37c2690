#pragma once
// Which device-change notices concern the mouse: arrivals and removals of a device
// interface whose name carries the mouse's vendor and product IDs.

#include <cstdint>
#include <optional>
#include <string_view>

namespace zalvane::app {

inline constexpr std::uint64_t kDeviceArrival = 0x8000;         // DBT_DEVICEARRIVAL
inline constexpr std::uint64_t kDeviceRemoveComplete = 0x8004;  // DBT_DEVICEREMOVECOMPLETE
inline constexpr std::uint32_t kDeviceTypeInterface = 5;        // DBT_DEVTYP_DEVICEINTERFACE

// The two spellings the system uses in interface names; compared case-sensitively.
inline constexpr std::string_view kMouseNameMixedCase = "Vid_04d9&Pid_a11b";
inline constexpr std::string_view kMouseNameUpperCase = "VID_04D9&PID_A11B";

enum class DeviceChange { kIgnored, kMouseArrived, kMouseRemoved };

bool NamesTheMouse(std::string_view interfaceName);

// `deviceType` is nothing when the notice carries no device header.
DeviceChange ClassifyDeviceChange(std::uint64_t event, std::optional<std::uint32_t> deviceType,
                                  std::string_view interfaceName);

}  // namespace zalvane::app
