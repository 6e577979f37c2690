// Arbitrary report descriptors, as a hidraw node's sysfs file may hold them, through the
// reader the Linux bus takes report lengths from.

#include <cstddef>
#include <cstdint>

#include "device/linux/report_descriptor.h"
#include "fuzz_input.h"

using zalvane::fuzz::Require;
namespace device = zalvane::device;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::span<const std::uint8_t> descriptor(data, size);
    const device::ReportDescriptorSummary summary = device::ParseReportDescriptor(descriptor);

    // Every top-level collection starts with its own item (0xA0-0xA3).
    std::size_t collectionItems = 0;
    for (const std::uint8_t byte : descriptor) {
        collectionItems += (byte & 0xFC) == 0xA0 ? 1 : 0;
    }
    Require(summary.collections.size() <= collectionItems);
    // Reading is a scan from the front: the descriptor without its last byte reads as a
    // prefix of the same collections, each with no longer reports, and declares report
    // IDs only when the whole one does.
    Require(device::ParseReportDescriptor(descriptor).collections == summary.collections);
    if (size > 0) {
        const device::ReportDescriptorSummary shorter = device::ParseReportDescriptor(descriptor.first(size - 1));
        Require(shorter.collections.size() <= summary.collections.size());
        Require(!shorter.numberedReports || summary.numberedReports);
        for (std::size_t i = 0; i < shorter.collections.size(); ++i) {
            const device::CollectionReports& cut = shorter.collections[i];
            const device::CollectionReports& whole = summary.collections[i];
            Require(cut.usagePage == whole.usagePage && cut.usage == whole.usage);
            Require(cut.inputReportLength <= whole.inputReportLength);
            Require(cut.outputReportLength <= whole.outputReportLength);
            Require(cut.featureReportLength <= whole.featureReportLength);
        }
    }
    return 0;
}
