#pragma once
// The names the system reports for the keys depend on its language and keyboard layout
// ("STRG", "ENTREE", or X11 names such as "Return" under Wine); the key name table only
// knows the US English ones. This map, built once at start-up by asking the system for
// the name of every scan code, links each reported name to the key's usage, so that a
// stored name still gives its key's code.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>

#include "assign/scan_codes.h"

namespace zalvane::assign {

class KeyNameMap {
public:
    // Links `reportedName` to the usage of `scan`. An empty name, a scan code without
    // usage and a name already linked (the first scan code to report a name keeps it)
    // add nothing; false then.
    bool Add(ScanCode scan, std::string_view reportedName);

    // The usage of the key the system reported as `name`; 0 for a name it never reported.
    [[nodiscard]] std::uint8_t UsageOf(std::string_view name) const;

    [[nodiscard]] std::size_t Size() const { return m_usages.size(); }

private:
    std::map<std::string, std::uint8_t, std::less<>> m_usages;
};

// Asks `nameOf` for the name of every scan code of ScanCodeTable(), in its order (so a
// name the plain and the extended key share, such as "Control" for both Ctrl keys under
// Wine, stays with the plain, left one).
KeyNameMap BuildKeyNameMap(const std::function<std::string(ScanCode)>& nameOf);

}  // namespace zalvane::assign
