#pragma once
// What a HID report descriptor says of its top-level collections: usage page, usage and
// the longest input, output and feature report of each, counted as the Windows HID class
// driver counts them (data bytes plus one for the report ID, numbered or not). hidraw
// gives the descriptor but not these lengths, so the Linux bus works them out here.

#include <cstdint>
#include <span>
#include <vector>

namespace zalvane::device {

struct CollectionReports {
    std::uint16_t usagePage = 0;
    std::uint16_t usage = 0;
    std::uint16_t inputReportLength = 0;  // 0: the collection has no input report
    std::uint16_t outputReportLength = 0;
    std::uint16_t featureReportLength = 0;

    friend bool operator==(const CollectionReports&, const CollectionReports&) = default;
};

struct ReportDescriptorSummary {
    std::vector<CollectionReports> collections;  // top-level collections, in order
    // Whether the descriptor declares report IDs: then every report on the interface
    // starts with its ID; otherwise hidraw reads give the data alone.
    bool numberedReports = false;
};

// Reads as far as the descriptor is well formed; a cut item ends it.
ReportDescriptorSummary ParseReportDescriptor(std::span<const std::uint8_t> descriptor);

}  // namespace zalvane::device
