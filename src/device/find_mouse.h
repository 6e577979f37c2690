#pragma once
// The find-mouse search: walks the HID interfaces in the order the system lists them,
// opens the mouse's event interface when it meets it and stops at the first command
// interface. It runs at start-up and on every device notice that names the mouse.

#include <cstdint>
#include <string>

#include "device/connection_state.h"
#include "device/hid_bus.h"

namespace zalvane::device {

inline constexpr std::uint16_t kMouseVendorId = 0x04D9;
inline constexpr std::uint16_t kMouseProductId = 0xA11B;
inline constexpr std::uint16_t kCommandUsagePage = 0xFF00;
inline constexpr std::uint16_t kCommandUsage = 0xFF00;
inline constexpr std::uint16_t kCommandFeatureLength = 9;
inline constexpr std::uint16_t kEventUsagePage = 0xFF01;
inline constexpr std::uint16_t kEventUsage = 1;

// Why a search ended. Only kFound means the mouse is there; the others tell a caller
// that wants to say more than "not found" where the search stopped.
enum class SearchEnd {
    kFound,
    kListFailed,          // the system gave no list of interfaces
    kNoMouse,             // every interface was looked at, no command interface
    kEnumFailed,          // the list failed part-way
    kQueryOpenFailed,     // an interface could not be opened even for a query
    kCapabilitiesFailed,  // the mouse's interface gave no capabilities
    kEventOpenFailed,     // the event interface could not be opened for reading
    kCommandOpenFailed,   // the command interface could not be opened for reading and writing
};

struct SearchResult {
    SearchEnd end = SearchEnd::kNoMouse;
    std::string path;  // the interface where the search stopped (empty when none)

    bool Found() const { return end == SearchEnd::kFound; }
};

// Fills `state` with what it opens: the event interface (then wakes the listener), and
// on success the command interface with its report lengths and the connected flag. A
// failed search leaves the connected flag as it was: the caller clears it.
SearchResult FindMouse(HidBus& bus, ConnectionState& state);

}  // namespace zalvane::device
