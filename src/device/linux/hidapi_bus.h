#pragma once
// This machine's HID bus through hidapi's hidraw backend. hidapi lists one entry per
// top-level collection with its path (/dev/hidrawN), vendor, product, usage page and
// usage; the report lengths come from the interface's report descriptor, which the
// kernel shows to every user in sysfs. Asking what an interface is needs no access to
// its node, as a query open needs none on Windows; the event and command opens do (the
// udev rule in packaging/linux grants it for the mouse).

#include <memory>

#include "device/hid_bus.h"

namespace zalvane::device {

class HidapiBus final : public HidBus {
public:
    // Nullptr when hidapi cannot start.
    std::unique_ptr<HidInterfaceList> ListInterfaces() override;
};

}  // namespace zalvane::device
