#include "device/win/setupapi_hid_bus.h"

#include <windows.h>

#include <map>
#include <vector>

#include "device/win/win_hid_ports.h"
#include "platform/win/hid_handles.h"
#include "platform/win/wide_text.h"

extern "C" {  // mingw's HID headers lack their own extern "C"
#include <hidpi.h>
}

namespace zalvane::device::win {
namespace {

using platform::win::kHidInterfaceClass;
using platform::win::UniqueDevInfo;
using platform::win::UniqueFile;
using platform::win::UniquePreparsedData;

UniqueFile OpenInterface(const std::wstring& path, DWORD access, DWORD flags) noexcept
{
    return UniqueFile(::CreateFileW(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                    flags, nullptr));
}

// An interface opened without read or write access.
class SetupApiQuery final : public HidQuery {
public:
    explicit SetupApiQuery(UniqueFile file) noexcept : m_file(std::move(file)) {}

    std::optional<HidAttributes> Attributes() override
    {
        HIDD_ATTRIBUTES attributes{};
        attributes.Size = sizeof attributes;
        if (!::HidD_GetAttributes(m_file.get(), &attributes)) {
            return std::nullopt;
        }
        return HidAttributes{attributes.VendorID, attributes.ProductID};
    }

    std::optional<HidCapabilities> Capabilities() override
    {
        UniquePreparsedData preparsed;
        if (!::HidD_GetPreparsedData(m_file.get(), preparsed.put())) {
            return std::nullopt;
        }
        HIDP_CAPS caps{};
        if (::HidP_GetCaps(preparsed.get(), &caps) != HIDP_STATUS_SUCCESS) {
            return std::nullopt;
        }
        return HidCapabilities{caps.UsagePage, caps.Usage, caps.InputReportByteLength, caps.OutputReportByteLength,
                               caps.FeatureReportByteLength};
    }

private:
    UniqueFile m_file;
};

class SetupApiInterfaceList final : public HidInterfaceList {
public:
    explicit SetupApiInterfaceList(UniqueDevInfo set) noexcept : m_set(std::move(set)) {}

    std::expected<std::string, HidEnumError> Path(std::size_t index) override
    {
        SP_DEVICE_INTERFACE_DATA data{};
        data.cbSize = sizeof data;
        if (!::SetupDiEnumDeviceInterfaces(m_set.get(), nullptr, &kHidInterfaceClass, static_cast<DWORD>(index),
                                           &data)) {
            const bool pastTheEnd = ::GetLastError() == ERROR_NO_MORE_ITEMS;
            return std::unexpected(pastTheEnd ? HidEnumError::kNoMoreItems : HidEnumError::kFailed);
        }
        DWORD required = 0;
        ::SetupDiGetDeviceInterfaceDetailW(m_set.get(), &data, nullptr, 0, &required, nullptr);
        if (required < sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W)) {
            return std::unexpected(HidEnumError::kFailed);
        }
        // The detail record is a size field followed by the path; its fixed part's size is
        // that of the 64-bit record.
        std::vector<SP_DEVICE_INTERFACE_DETAIL_DATA_W> storage(required / sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W) +
                                                               1);
        SP_DEVICE_INTERFACE_DETAIL_DATA_W* detail = storage.data();
        detail->cbSize = sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W);
        if (!::SetupDiGetDeviceInterfaceDetailW(m_set.get(), &data, detail, required, nullptr, nullptr)) {
            return std::unexpected(HidEnumError::kFailed);
        }
        const std::size_t pathCapacity =
            (required - offsetof(SP_DEVICE_INTERFACE_DETAIL_DATA_W, DevicePath)) / sizeof(wchar_t);
        const std::wstring path(detail->DevicePath, wcsnlen(detail->DevicePath, pathCapacity));
        m_paths[index] = path;
        return platform::win::Narrow(path);
    }

    std::unique_ptr<HidQuery> OpenForQuery(std::size_t index) override
    {
        UniqueFile file = Open(index, 0, 0);
        return file ? std::make_unique<SetupApiQuery>(std::move(file)) : nullptr;
    }

    std::unique_ptr<platform::HidEventPort> OpenEventInterface(std::size_t index) override
    {
        UniqueFile file = Open(index, GENERIC_READ, FILE_FLAG_OVERLAPPED | FILE_ATTRIBUTE_NORMAL);
        return file ? std::make_unique<WinHidEventPort>(std::move(file)) : nullptr;
    }

    std::unique_ptr<platform::HidPort> OpenCommandInterface(std::size_t index) override
    {
        // Overlapped, so that a chunk the mouse never sends cannot hold the window thread
        // forever.
        UniqueFile file = Open(index, GENERIC_READ | GENERIC_WRITE, FILE_FLAG_OVERLAPPED);
        return file ? std::make_unique<WinHidCommandPort>(std::move(file)) : nullptr;
    }

private:
    UniqueFile Open(std::size_t index, DWORD access, DWORD flags) const noexcept
    {
        const auto found = m_paths.find(index);
        return found == m_paths.end() ? UniqueFile() : OpenInterface(found->second, access, flags);
    }

    UniqueDevInfo m_set;
    std::map<std::size_t, std::wstring> m_paths;
};

}  // namespace

std::unique_ptr<HidInterfaceList> SetupApiHidBus::ListInterfaces()
{
    UniqueDevInfo set(
        ::SetupDiGetClassDevsW(&kHidInterfaceClass, nullptr, nullptr, DIGCF_PRESENT | DIGCF_DEVICEINTERFACE));
    if (!set) {
        return nullptr;
    }
    return std::make_unique<SetupApiInterfaceList>(std::move(set));
}

}  // namespace zalvane::device::win
