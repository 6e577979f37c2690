#pragma once
// Which firmware updater the program starts: the one for the processor the system runs
// on natively, from the "Update" folder beside the executable.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zalvane::app {

// Native processor architectures as the system reports them.
inline constexpr std::uint16_t kArchitectureItanium = 6;
inline constexpr std::uint16_t kArchitectureX64 = 9;

inline constexpr std::string_view kUpdaterX64 = "Update/X64/FwUpdate.exe";
inline constexpr std::string_view kUpdaterX86 = "Update/X86/FwUpdate.exe";

std::string_view UpdaterRelativePath(std::uint16_t nativeArchitecture);

// The updater's full path: the executable's name "Zalvane.exe" in `modulePath` replaced
// by the relative path. Nothing when the executable has another name: there is then no
// program folder, and the program must not start itself in the updater's place.
std::optional<std::string> UpdaterPath(std::string_view modulePath, std::uint16_t nativeArchitecture);

}  // namespace zalvane::app
