// The Linux HID backend is built for the native command-line tool only.
#ifndef _WIN32

#include "device/linux/hidapi_bus.h"

#include <gtest/gtest.h>

namespace zalvane::device {
namespace {

struct Lengths {
    std::uint16_t input;
    std::uint16_t output;
    std::uint16_t feature;

    friend bool operator==(const Lengths&, const Lengths&) = default;
};

TEST(HidapiBusTest, CapabilitiesOfTheCollectionsHidapiLists)
{
    // The command interface's descriptor, as an interface whose inner usage (page 0xFF00,
    // usage 1) hidapi 0.13 lists as an entry of its own.
    const ReportDescriptorSummary command{{{0xFF00, 0xFF00, 65, 65, 9}}, false};
    const ReportDescriptorSummary events{{{0x000C, 0x0001, 3, 0, 0}, {0xFF01, 0x0001, 8, 0, 0}}, true};
    struct Case {
        std::string name;
        std::optional<ReportDescriptorSummary> descriptor;
        std::uint16_t usagePage;
        std::uint16_t usage;
        Lengths lengths;
    };
    const Case cases[] = {
        {"command collection", command, 0xFF00, 0xFF00, {65, 65, 9}},
        {"a usage inside the command collection", command, 0xFF00, 0x0001, {0, 0, 0}},
        {"second collection of an interface", events, 0xFF01, 0x0001, {8, 0, 0}},
        {"a collection the descriptor lacks, even the event usage", command, 0xFF01, 0x0001, {0, 0, 0}},
        {"no descriptor: the command interface's known lengths", std::nullopt, 0xFF00, 0xFF00, {65, 65, 9}},
        {"no descriptor: the event interface's known length", std::nullopt, 0xFF01, 0x0001, {8, 0, 0}},
        {"no descriptor: anything else has none", std::nullopt, 0x0001, 0x0002, {0, 0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const HidCapabilities caps = CollectionCapabilities(c.descriptor, c.usagePage, c.usage);
        EXPECT_EQ(caps.usagePage, c.usagePage);
        EXPECT_EQ(caps.usage, c.usage);
        EXPECT_EQ((Lengths{caps.inputReportLength, caps.outputReportLength, caps.featureReportLength}), c.lengths);
    }
}

}  // namespace
}  // namespace zalvane::device

#endif  // _WIN32
