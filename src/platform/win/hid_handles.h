#pragma once
// Owners for the device-setup and HID handles.

#include <windows.h>

#include <setupapi.h>
extern "C" {  // mingw's HID headers lack their own extern "C"
#include <hidsdi.h>
}

#include "platform/win/unique_handle.h"

namespace zalvane::platform::win {

struct DevInfoTraits {
    using Handle = HDEVINFO;
    static Handle Invalid() noexcept { return INVALID_HANDLE_VALUE; }
    static void Close(Handle handle) noexcept { ::SetupDiDestroyDeviceInfoList(handle); }
};

struct PreparsedDataTraits {
    using Handle = PHIDP_PREPARSED_DATA;
    static Handle Invalid() noexcept { return nullptr; }
    static void Close(Handle handle) noexcept { ::HidD_FreePreparsedData(handle); }
};

using UniqueDevInfo = UniqueHandle<DevInfoTraits>;
using UniquePreparsedData = UniqueHandle<PreparsedDataTraits>;

}  // namespace zalvane::platform::win
