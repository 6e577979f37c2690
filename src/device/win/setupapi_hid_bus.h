#pragma once
// The system's HID bus as the find-mouse search walks it: the present HID device
// interfaces from SetupAPI, each opened through the HID class driver.

#include "device/hid_bus.h"

namespace zalvane::device::win {

class SetupApiHidBus final : public HidBus {
public:
    std::unique_ptr<HidInterfaceList> ListInterfaces() override;
};

}  // namespace zalvane::device::win
