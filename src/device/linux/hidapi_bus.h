#pragma once
// This machine's HID bus through hidapi's hidraw backend. hidapi lists one entry per
// top-level collection with its path (/dev/hidrawN), vendor, product, usage page and
// usage; the report lengths come from the interface's report descriptor, which the
// kernel shows to every user in sysfs. Asking what an interface is needs no access to
// its node, as a query open needs none on Windows; the event and command opens do (the
// udev rule in packaging/linux grants it for the mouse).

#include <cstdint>
#include <memory>
#include <optional>

#include "device/hid_bus.h"
#include "device/linux/report_descriptor.h"

namespace zalvane::device {

// What the mouse's interfaces declare, for a descriptor that cannot be read.
inline constexpr std::uint16_t kKnownCommandReportLength = 65;
inline constexpr std::uint16_t kKnownEventReportLength = 8;

// The capabilities of the collection that hidapi lists with this usage page and usage,
// from its interface's report descriptor (nullopt: unreadable). hidapi 0.13 also lists
// usages from inside a collection: such an entry has no reports of its own. Without a
// descriptor, the mouse's two interfaces get their known lengths, any other none.
HidCapabilities CollectionCapabilities(const std::optional<ReportDescriptorSummary>& descriptor,
                                       std::uint16_t usagePage, std::uint16_t usage);

class HidapiBus final : public HidBus {
public:
    // Nullptr when hidapi cannot start.
    std::unique_ptr<HidInterfaceList> ListInterfaces() override;
};

}  // namespace zalvane::device
