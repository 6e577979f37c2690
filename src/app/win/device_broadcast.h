#pragma once
// The device record of a WM_DEVICECHANGE notice: read only within the size it gives for
// itself, and made for the virtual mouse, whose plugging goes through the same handler.

#include <windows.h>

#include <dbt.h>

#include <optional>
#include <string>
#include <vector>

namespace zalvane::app::win {

struct DeviceNoticeRecord {
    std::optional<std::uint32_t> deviceType;
    std::string interfaceName;  // UTF-8; empty unless the record names a device interface
};

// `data` is the notice's lParam; it is looked at only for arrivals and removals, which
// carry a record.
DeviceNoticeRecord ReadDeviceNotice(WPARAM event, LPARAM data);

// A device-interface record of the HID class naming `path`, as the system sends it.
class DeviceInterfaceRecord {
public:
    explicit DeviceInterfaceRecord(const std::wstring& path);
    LPARAM AsLParam() noexcept { return reinterpret_cast<LPARAM>(m_storage.data()); }

private:
    std::vector<DEV_BROADCAST_DEVICEINTERFACE_W> m_storage;
};

}  // namespace zalvane::app::win
