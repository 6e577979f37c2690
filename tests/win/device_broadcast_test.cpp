// The device record of WM_DEVICECHANGE is read only within the size it gives, and only for
// the notices that carry one.

#include "app/win/device_broadcast.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace zalvane::app::win {
namespace {

constexpr wchar_t kMousePath[] =
    LR"(\\?\HID#VID_04D9&PID_A11B&MI_02#8&9c4e51f&0&0000#{4d1e55b2-f16f-11cf-88cb-001111000030})";

TEST(DeviceBroadcastTest, TheRecordMadeForTheVirtualMouseReadsBack)
{
    DeviceInterfaceRecord record(kMousePath);
    for (WPARAM event : {WPARAM{DBT_DEVICEARRIVAL}, WPARAM{DBT_DEVICEREMOVECOMPLETE}}) {
        const DeviceNoticeRecord read = ReadDeviceNotice(event, record.AsLParam());
        EXPECT_EQ(read.deviceType, DBT_DEVTYP_DEVICEINTERFACE);
        EXPECT_EQ(read.interfaceName,
                  R"(\\?\HID#VID_04D9&PID_A11B&MI_02#8&9c4e51f&0&0000#{4d1e55b2-f16f-11cf-88cb-001111000030})");
    }
}

TEST(DeviceBroadcastTest, ReadsNoFurtherThanTheRecordsOwnSize)
{
    // A record whose name has no terminator within its size, followed by more text.
    constexpr std::size_t kNameOffset = offsetof(DEV_BROADCAST_DEVICEINTERFACE_W, dbcc_name);
    std::vector<DEV_BROADCAST_DEVICEINTERFACE_W> storage(16);
    auto* record = storage.data();
    auto* name = reinterpret_cast<wchar_t*>(reinterpret_cast<std::byte*>(record) + kNameOffset);
    const std::wstring text = L"VID_04D9&PID_A11B-and-what-lies-beyond";
    std::copy(text.begin(), text.end(), name);
    record->dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
    record->dbcc_size = static_cast<DWORD>(kNameOffset + 17 * sizeof(wchar_t));
    EXPECT_EQ(ReadDeviceNotice(DBT_DEVICEARRIVAL, reinterpret_cast<LPARAM>(record)).interfaceName, "VID_04D9&PID_A11B");

    record->dbcc_size = static_cast<DWORD>(kNameOffset);  // no room for a name at all
    EXPECT_EQ(ReadDeviceNotice(DBT_DEVICEARRIVAL, reinterpret_cast<LPARAM>(record)).interfaceName, "");

    record->dbcc_size = 4;  // smaller than the header
    EXPECT_FALSE(ReadDeviceNotice(DBT_DEVICEARRIVAL, reinterpret_cast<LPARAM>(record)).deviceType);

    record->dbcc_size = static_cast<DWORD>(kNameOffset + 17 * sizeof(wchar_t));
    record->dbcc_devicetype = DBT_DEVTYP_VOLUME;
    const DeviceNoticeRecord volume = ReadDeviceNotice(DBT_DEVICEARRIVAL, reinterpret_cast<LPARAM>(record));
    EXPECT_EQ(volume.deviceType, DBT_DEVTYP_VOLUME);
    EXPECT_EQ(volume.interfaceName, "");
}

TEST(DeviceBroadcastTest, NoticesWithoutARecordAreNotRead)
{
    // DBT_DEVNODES_CHANGED carries 0, DBT_CONFIGCHANGECANCELED anything: neither is looked at.
    EXPECT_FALSE(ReadDeviceNotice(DBT_DEVNODES_CHANGED, 0).deviceType);
    EXPECT_FALSE(ReadDeviceNotice(DBT_CONFIGCHANGECANCELED, 0x1234).deviceType);
    EXPECT_FALSE(ReadDeviceNotice(DBT_DEVICEARRIVAL, 0).deviceType);
}

}  // namespace
}  // namespace zalvane::app::win
