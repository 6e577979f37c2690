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

using UniqueDevInfo = UniqueHandle<DevInfoTraits>;
using UniquePreparsedData = UniqueHandle<NullEmptyTraits<PHIDP_PREPARSED_DATA, &::HidD_FreePreparsedData>>;

}  // namespace zalvane::platform::win
