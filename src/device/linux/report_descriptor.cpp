#include "device/linux/report_descriptor.h"

#include <algorithm>

namespace zalvane::device {
namespace {

// Item types and tags of the short items this parser acts on.
enum ItemType : std::uint8_t { kMain = 0, kGlobal = 1, kLocal = 2 };
enum MainTag : std::uint8_t { kInput = 0x8, kOutput = 0x9, kCollection = 0xA, kFeature = 0xB, kEndCollection = 0xC };
enum GlobalTag : std::uint8_t {
    kUsagePage = 0x0,
    kReportSize = 0x7,
    kReportId = 0x8,
    kReportCount = 0x9,
    kPush = 0xA,
    kPop = 0xB
};
enum LocalTag : std::uint8_t { kUsage = 0x0 };
constexpr std::uint8_t kLongItem = 0xFE;
// Nesting deeper than any real device uses is not followed.
constexpr std::size_t kMaxGlobalStack = 32;
// Report sizes saturate here, far above any length a report can have.
constexpr std::uint64_t kBitCap = std::uint64_t{1} << 32;

struct Globals {
    std::uint32_t usagePage = 0;
    std::uint32_t reportSize = 0;
    std::uint32_t reportCount = 0;
    std::uint32_t reportId = 0;
};

// Data bits of one report (type and ID) of the current top-level collection.
struct ReportBits {
    std::uint8_t type;
    std::uint32_t reportId;
    std::uint64_t bits;
};

std::uint16_t ByteLength(std::uint64_t bits)
{
    return static_cast<std::uint16_t>(std::min<std::uint64_t>((bits + 7) / 8 + 1, 0xFFFF));
}

std::uint16_t& LongestOf(CollectionReports& collection, std::uint8_t type)
{
    switch (type) {
        case kInput:
            return collection.inputReportLength;
        case kOutput:
            return collection.outputReportLength;
        default:
            return collection.featureReportLength;
    }
}

void Finish(CollectionReports& collection, const std::vector<ReportBits>& reports)
{
    for (const ReportBits& report : reports) {
        std::uint16_t& longest = LongestOf(collection, report.type);
        longest = std::max(longest, ByteLength(report.bits));
    }
}

}  // namespace

ReportDescriptorSummary ParseReportDescriptor(std::span<const std::uint8_t> descriptor)
{
    ReportDescriptorSummary summary;
    std::vector<Globals> stack;
    Globals globals;
    // The first local usage since the last main item.
    bool hasUsage = false;
    std::uint32_t usage = 0;
    bool usageHasPage = false;
    std::size_t depth = 0;
    std::vector<ReportBits> reports;  // of the open top-level collection

    std::size_t at = 0;
    while (at < descriptor.size()) {
        const std::uint8_t prefix = descriptor[at];
        if (prefix == kLongItem) {
            if (at + 2 >= descriptor.size()) {
                break;
            }
            at += 3 + std::size_t{descriptor[at + 1]};
            continue;
        }
        const std::size_t dataSize = (prefix & 3) == 3 ? 4 : (prefix & 3);
        if (at + 1 + dataSize > descriptor.size()) {
            break;
        }
        std::uint32_t data = 0;
        for (std::size_t i = 0; i < dataSize; ++i) {
            data |= std::uint32_t{descriptor[at + 1 + i]} << (8 * i);
        }
        at += 1 + dataSize;
        const auto type = static_cast<std::uint8_t>((prefix >> 2) & 3);
        const auto tag = static_cast<std::uint8_t>(prefix >> 4);

        if (type == kGlobal) {
            switch (tag) {
                case kUsagePage:
                    globals.usagePage = data;
                    break;
                case kReportSize:
                    globals.reportSize = data;
                    break;
                case kReportCount:
                    globals.reportCount = data;
                    break;
                case kReportId:
                    globals.reportId = data;
                    summary.numberedReports = true;
                    break;
                case kPush:
                    if (stack.size() < kMaxGlobalStack) {
                        stack.push_back(globals);
                    }
                    break;
                case kPop:
                    if (!stack.empty()) {
                        globals = stack.back();
                        stack.pop_back();
                    }
                    break;
                default:
                    break;
            }
            continue;
        }
        if (type == kLocal) {
            if (tag == kUsage && !hasUsage) {
                hasUsage = true;
                usage = data;
                usageHasPage = dataSize == 4;
            }
            continue;
        }
        if (type != kMain) {
            continue;  // reserved item type
        }

        if (tag == kCollection) {
            if (depth == 0) {
                CollectionReports collection;
                collection.usagePage = static_cast<std::uint16_t>(usageHasPage ? usage >> 16 : globals.usagePage);
                collection.usage = static_cast<std::uint16_t>(usage & 0xFFFF);
                summary.collections.push_back(collection);
                reports.clear();
            }
            ++depth;
        } else if (tag == kEndCollection) {
            if (depth > 0) {
                --depth;
                if (depth == 0) {
                    Finish(summary.collections.back(), reports);
                }
            }
        } else if ((tag == kInput || tag == kOutput || tag == kFeature) && depth > 0) {
            const std::uint64_t bits = std::min(std::uint64_t{globals.reportSize} * globals.reportCount, kBitCap);
            auto found = std::find_if(reports.begin(), reports.end(), [&](const ReportBits& report) {
                return report.type == tag && report.reportId == globals.reportId;
            });
            if (found == reports.end()) {
                reports.push_back({tag, globals.reportId, bits});
            } else {
                found->bits = std::min(found->bits + bits, kBitCap);
            }
        }
        hasUsage = false;
        usage = 0;
        usageHasPage = false;
    }
    // A collection the descriptor never closes still counts what it declared.
    if (depth > 0) {
        Finish(summary.collections.back(), reports);
    }
    return summary;
}

}  // namespace zalvane::device
