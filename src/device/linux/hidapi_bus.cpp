#include "device/linux/hidapi_bus.h"

#include <hidapi/hidapi.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "device/find_mouse.h"
#include "device/linux/hidapi_port.h"
#include "device/linux/report_descriptor.h"
#include "platform/file_io.h"

namespace zalvane::device {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t kLargestDescriptor = 4096;  // the kernel's limit

// One top-level collection as hidapi lists it.
struct Entry {
    std::string path;
    HidAttributes attributes;
    std::uint16_t usagePage = 0;
    std::uint16_t usage = 0;
};

// The report descriptor of a hidraw node, from sysfs (readable by everyone).
std::optional<ReportDescriptorSummary> DescriptorOf(const std::string& path)
{
    const fs::path node = fs::path(path).filename();
    if (node.empty()) {
        return std::nullopt;
    }
    const fs::path file = fs::path("/sys/class/hidraw") / node / "device" / "report_descriptor";
    const platform::FileBytes bytes = platform::ReadFileBytes(file.string(), kLargestDescriptor);
    if (bytes.status != platform::FileStatus::kOk || bytes.bytes.empty()) {
        return std::nullopt;
    }
    return ParseReportDescriptor(bytes.bytes);
}

class HidapiQuery final : public HidQuery {
public:
    explicit HidapiQuery(const Entry& entry) : m_entry(entry) {}

    std::optional<HidAttributes> Attributes() override { return m_entry.attributes; }

    std::optional<HidCapabilities> Capabilities() override
    {
        return CollectionCapabilities(DescriptorOf(m_entry.path), m_entry.usagePage, m_entry.usage);
    }

private:
    const Entry& m_entry;
};

class HidapiInterfaceList final : public HidInterfaceList {
public:
    explicit HidapiInterfaceList(std::vector<Entry> entries) : m_entries(std::move(entries)) {}

    std::expected<std::string, HidEnumError> Path(std::size_t index) override
    {
        if (index >= m_entries.size()) {
            return std::unexpected(HidEnumError::kNoMoreItems);
        }
        return m_entries[index].path;
    }

    // The query needs no access to the node; it only has to be there still.
    std::unique_ptr<HidQuery> OpenForQuery(std::size_t index) override
    {
        std::error_code error;
        if (index >= m_entries.size() || !fs::exists(m_entries[index].path, error)) {
            return nullptr;
        }
        return std::make_unique<HidapiQuery>(m_entries[index]);
    }

    std::unique_ptr<platform::HidEventPort> OpenEventInterface(std::size_t index) override
    {
        auto [device, numbered] = Open(index);
        return device ? std::make_unique<HidapiEventPort>(std::move(device), numbered) : nullptr;
    }

    std::unique_ptr<platform::HidPort> OpenCommandInterface(std::size_t index) override
    {
        auto [device, numbered] = Open(index);
        return device ? std::make_unique<HidapiCommandPort>(std::move(device), numbered) : nullptr;
    }

private:
    std::pair<UniqueHidDevice, bool> Open(std::size_t index) const
    {
        if (index >= m_entries.size()) {
            return {nullptr, false};
        }
        const std::string& path = m_entries[index].path;
        UniqueHidDevice device(hid_open_path(path.c_str()));
        const auto summary = DescriptorOf(path);
        // Without a descriptor, go by what the mouse is known to do: report ID 0 on the
        // command interface, numbered event reports.
        const bool numbered = summary ? summary->numberedReports : m_entries[index].usagePage == kEventUsagePage;
        return {std::move(device), numbered};
    }

    std::vector<Entry> m_entries;
};

}  // namespace

HidCapabilities CollectionCapabilities(const std::optional<ReportDescriptorSummary>& descriptor,
                                       std::uint16_t usagePage, std::uint16_t usage)
{
    HidCapabilities caps{usagePage, usage, 0, 0, 0};
    if (descriptor) {
        const auto& collections = descriptor->collections;
        const auto found = std::find_if(collections.begin(), collections.end(), [&](const CollectionReports& c) {
            return c.usagePage == usagePage && c.usage == usage;
        });
        if (found != collections.end()) {
            caps.inputReportLength = found->inputReportLength;
            caps.outputReportLength = found->outputReportLength;
            caps.featureReportLength = found->featureReportLength;
        }
    } else if (usagePage == kCommandUsagePage && usage == kCommandUsage) {
        caps.inputReportLength = caps.outputReportLength = kKnownCommandReportLength;
        caps.featureReportLength = kCommandFeatureLength;
    } else if (usagePage == kEventUsagePage && usage == kEventUsage) {
        caps.inputReportLength = kKnownEventReportLength;
    }
    return caps;
}

std::unique_ptr<HidInterfaceList> HidapiBus::ListInterfaces()
{
    if (hid_init() != 0) {
        return nullptr;
    }
    std::vector<Entry> entries;
    hid_device_info* const list = hid_enumerate(0, 0);
    for (const hid_device_info* info = list; info != nullptr; info = info->next) {
        if (info->path == nullptr) {
            continue;
        }
        entries.push_back({info->path, {info->vendor_id, info->product_id}, info->usage_page, info->usage});
    }
    hid_free_enumeration(list);
    return std::make_unique<HidapiInterfaceList>(std::move(entries));
}

}  // namespace zalvane::device
