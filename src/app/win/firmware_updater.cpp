#include "app/win/firmware_updater.h"

#include <windows.h>

#include <shellapi.h>

#include "app/updater_path.h"
#include "platform/win/module_path.h"
#include "platform/win/wide_text.h"

namespace zalvane::app::win {

void StartFirmwareUpdater()
{
    SYSTEM_INFO system{};
    ::GetNativeSystemInfo(&system);
    const auto path =
        UpdaterPath(platform::win::Narrow(platform::win::ModuleFilePath()), system.wProcessorArchitecture);
    if (!path) {
        return;
    }
    // The updater is outside the program: whether it starts is not checked.
    ::ShellExecuteW(nullptr, L"open", platform::win::Widen(*path).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace zalvane::app::win
