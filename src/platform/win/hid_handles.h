#pragma once
// Owners for the device-setup and HID handles.

#include <windows.h>

#include <setupapi.h>
extern "C" {  // mingw's HID headers lack their own extern "C"
#include <hidsdi.h>
}

#include "platform/win/unique_handle.h"

namespace zalvane::platform::win {

// The HID device interface class {4D1E55B2-F16F-11CF-88CB-001111000030}.
inline constexpr GUID kHidInterfaceClass = {
    0x4D1E55B2, 0xF16F, 0x11CF, {0x88, 0xCB, 0x00, 0x11, 0x11, 0x00, 0x00, 0x30}};

struct DevInfoTraits {
    using Handle = HDEVINFO;
    static Handle Invalid() noexcept { return INVALID_HANDLE_VALUE; }
    static void Close(Handle handle) noexcept { ::SetupDiDestroyDeviceInfoList(handle); }
};

using UniqueDevInfo = UniqueHandle<DevInfoTraits>;
using UniquePreparsedData = UniqueHandle<NullEmptyTraits<PHIDP_PREPARSED_DATA, &::HidD_FreePreparsedData>>;

}  // namespace zalvane::platform::win
