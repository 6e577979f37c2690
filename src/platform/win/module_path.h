#pragma once
// The full path of the running executable (GetModuleFileNameW).

#include <string>

namespace zalvane::platform::win {

std::wstring ModuleFilePath();

}  // namespace zalvane::platform::win
