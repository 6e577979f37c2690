#include "platform/win/module_path.h"

#include <windows.h>

namespace zalvane::platform::win {

std::wstring ModuleFilePath()
{
    // The usual 1024 characters first; a deeper folder gets a larger buffer rather than a
    // cut path that would point somewhere else.
    std::wstring path(1024, L'\0');
    for (;;) {
        const DWORD length = ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) {
            return {};
        }
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        if (path.size() >= 32768) {
            return {};
        }
        path.resize(path.size() * 2);
    }
}

}  // namespace zalvane::platform::win
