#include "app/device_change.h"

namespace zalvane::app {

bool NamesTheMouse(std::string_view interfaceName)
{
    return interfaceName.find(kMouseNameMixedCase) != std::string_view::npos ||
           interfaceName.find(kMouseNameUpperCase) != std::string_view::npos;
}

DeviceChange ClassifyDeviceChange(std::uint64_t event, std::optional<std::uint32_t> deviceType,
                                  std::string_view interfaceName)
{
    if (event != kDeviceArrival && event != kDeviceRemoveComplete) {
        return DeviceChange::kIgnored;
    }
    if (deviceType != kDeviceTypeInterface || !NamesTheMouse(interfaceName)) {
        return DeviceChange::kIgnored;
    }
    return event == kDeviceArrival ? DeviceChange::kMouseArrived : DeviceChange::kMouseRemoved;
}

}  // namespace zalvane::app
