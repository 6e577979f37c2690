#include "app/win/device_broadcast.h"

#include <algorithm>
#include <cstddef>
#include <cwchar>

#include "platform/win/hid_handles.h"
#include "platform/win/wide_text.h"

namespace zalvane::app::win {

DeviceNoticeRecord ReadDeviceNotice(WPARAM event, LPARAM data)
{
    DeviceNoticeRecord record;
    if ((event != DBT_DEVICEARRIVAL && event != DBT_DEVICEREMOVECOMPLETE) || data == 0) {
        return record;
    }
    const auto* header = reinterpret_cast<const DEV_BROADCAST_HDR*>(data);
    if (header->dbch_size < sizeof(DEV_BROADCAST_HDR)) {
        return record;
    }
    record.deviceType = header->dbch_devicetype;
    constexpr std::size_t kNameOffset = offsetof(DEV_BROADCAST_DEVICEINTERFACE_W, dbcc_name);
    if (header->dbch_devicetype != DBT_DEVTYP_DEVICEINTERFACE || header->dbch_size <= kNameOffset) {
        return record;
    }
    // The name runs on past the record's one-character array, up to the size it gives.
    const auto* name = reinterpret_cast<const wchar_t*>(reinterpret_cast<const std::byte*>(data) + kNameOffset);
    const std::size_t capacity = (header->dbch_size - kNameOffset) / sizeof(wchar_t);
    record.interfaceName = platform::win::Narrow(std::wstring_view(name, wcsnlen(name, capacity)));
    return record;
}

DeviceInterfaceRecord::DeviceInterfaceRecord(const std::wstring& path)
{
    constexpr std::size_t kNameOffset = offsetof(DEV_BROADCAST_DEVICEINTERFACE_W, dbcc_name);
    const std::size_t bytes = kNameOffset + (path.size() + 1) * sizeof(wchar_t);
    m_storage.resize(bytes / sizeof(DEV_BROADCAST_DEVICEINTERFACE_W) + 1);
    DEV_BROADCAST_DEVICEINTERFACE_W& record = m_storage.front();
    record.dbcc_size = static_cast<DWORD>(bytes);
    record.dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
    record.dbcc_classguid = platform::win::kHidInterfaceClass;
    auto* name = reinterpret_cast<wchar_t*>(reinterpret_cast<std::byte*>(m_storage.data()) + kNameOffset);
    std::copy(path.begin(), path.end(), name);
    name[path.size()] = L'\0';
}

}  // namespace zalvane::app::win
