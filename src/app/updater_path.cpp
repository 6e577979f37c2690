#include "app/updater_path.h"

#include "settings/program_paths.h"

namespace zalvane::app {

std::string_view UpdaterRelativePath(std::uint16_t nativeArchitecture)
{
    const bool sixtyFourBit = nativeArchitecture == kArchitectureX64 || nativeArchitecture == kArchitectureItanium;
    return sixtyFourBit ? kUpdaterX64 : kUpdaterX86;
}

std::optional<std::string> UpdaterPath(std::string_view modulePath, std::uint16_t nativeArchitecture)
{
    const std::optional<std::string> folder = settings::ProgramFolderOf(modulePath);
    if (!folder) {
        return std::nullopt;
    }
    return *folder + std::string(UpdaterRelativePath(nativeArchitecture));
}

}  // namespace zalvane::app
