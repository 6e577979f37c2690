#pragma once
// The HID bus as the find-mouse search walks it: a list of the present HID interfaces,
// taken by index; each one opened first for a query (attributes and capabilities), then
// as the mouse's event or command interface. On Windows this maps onto SetupAPI (the
// device information set, one interface and its path per index) and the HID class
// driver (CreateFileW with no access, HidD_GetAttributes, HidD_GetPreparsedData with
// HidP_GetCaps); on Linux onto hidapi's hidraw backend; tests and the demo mode use the
// virtual bus.

#include <cstddef>
#include <cstdint>
#include <expected>
#include <memory>
#include <optional>
#include <string>

#include "platform/hid_port.h"

namespace zalvane::device {

struct HidAttributes {
    std::uint16_t vendorId = 0;
    std::uint16_t productId = 0;
};

// What the driver says of one top-level collection. Report lengths count the report ID
// byte, as the HID class driver gives them.
struct HidCapabilities {
    std::uint16_t usagePage = 0;
    std::uint16_t usage = 0;
    std::uint16_t inputReportLength = 0;
    std::uint16_t outputReportLength = 0;
    std::uint16_t featureReportLength = 0;
};

enum class HidEnumError {
    kNoMoreItems,  // the index is past the last interface
    kFailed,       // the system could not say
};

// An interface opened without read or write access, only to ask what it is.
class HidQuery {
public:
    virtual ~HidQuery() = default;
    // Nullopt when the driver gives no attributes.
    virtual std::optional<HidAttributes> Attributes() = 0;
    // Nullopt when the driver gives no capabilities (no preparsed data, or data it
    // calls invalid).
    virtual std::optional<HidCapabilities> Capabilities() = 0;
};

// The interfaces present when the list was taken.
class HidInterfaceList {
public:
    virtual ~HidInterfaceList() = default;
    // The device path of interface `index` (0, 1, 2, ...).
    virtual std::expected<std::string, HidEnumError> Path(std::size_t index) = 0;
    // Each open takes an index whose Path was asked for; nullptr when it fails.
    virtual std::unique_ptr<HidQuery> OpenForQuery(std::size_t index) = 0;
    virtual std::unique_ptr<platform::HidEventPort> OpenEventInterface(std::size_t index) = 0;
    virtual std::unique_ptr<platform::HidPort> OpenCommandInterface(std::size_t index) = 0;
};

class HidBus {
public:
    virtual ~HidBus() = default;
    // The interfaces present now; nullptr when the system cannot list them.
    virtual std::unique_ptr<HidInterfaceList> ListInterfaces() = 0;
};

}  // namespace zalvane::device
