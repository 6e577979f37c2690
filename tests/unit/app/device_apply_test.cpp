#include "app/device_apply.h"

#include <gtest/gtest.h>

#include "unit/support/scripted_hid_port.h"

namespace zalvane::app {
namespace {

using settings::ProfileRecord;
using settings::SettingsImage;
using test::Bytes;
using test::ReplyReport;
using test::ScriptedHidPort;
using namespace std::chrono_literals;

TEST(DeviceApplyTest, SendsTheWholeSequenceToProfileZero)
{
    ScriptedHidPort port;
    platform::RecordingPacer pacer;
    device::CommandLink link{port, pacer};
    port.featureReplies.push_back(ReplyReport(0x8C, 0, 0x80));
    port.inputReports.assign(2, Bytes(65, 0xA7));

    ProfileRecord record;
    record[ProfileRecord::kDeviceProfileNumber] = 3;  // as the mouse reported at connection
    record[ProfileRecord::kReportInterval] = 2;
    record.Button(ProfileRecord::kActionType, 2) = 13;  // button 2 off; the rest left click
    for (std::size_t i = 0; i < settings::kMacroAreaSize; ++i) {
        record[ProfileRecord::kMacroArea + i] = static_cast<std::uint8_t>(i * 7 + 1);
    }
    SettingsImage image;
    image[SettingsImage::kDeviceProfileNumber] = 3;
    image.MacroBlock(19)[127] = 0xEE;  // stale bytes are overwritten

    RunDeviceApply(link, record, image);

    // Command, argument 1, argument 2 of every feature report, in order.
    std::vector<Bytes> expected = {
        {0x02, 0, 0}, {0x03, 0, 2}, {0x8C, 0, 0}, {0x0C, 0, 0x80}, {0x0D, 0, 0x80},
    };
    for (std::uint8_t block = 1; block <= 19; ++block) {
        expected.push_back({0x0F, block, 0x80});
    }
    ASSERT_EQ(port.features.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(Bytes(port.features[i].begin() + 1, port.features[i].begin() + 4), expected[i]) << "command " << i;
    }

    std::vector<std::chrono::milliseconds> pauses = {10ms, 10ms, 10ms, 20ms, 20ms, 10ms, 20ms, 20ms, 2ms};
    for (int block = 0; block < 19; ++block) {
        pauses.insert(pauses.end(), {20ms, 20ms, 20ms});
    }
    EXPECT_EQ(pacer.Pauses(), pauses);

    ASSERT_EQ(port.outputs.size(), 42u);
    EXPECT_EQ(record[ProfileRecord::kDeviceProfileNumber], 0);
    EXPECT_EQ(image[SettingsImage::kDeviceProfileNumber], 0);
    EXPECT_EQ(image[SettingsImage::kReportInterval], 2);
    // The config block went back patched over what was read.
    EXPECT_EQ(port.outputs[0][1 + 0], 0xA7);
    EXPECT_EQ(port.outputs[0][1 + 2], 1);
    // Button 2 sits in slot 6 (bytes 24-27 of the block, in the first chunk).
    const Bytes& buttons = port.outputs[2];
    EXPECT_EQ(Bytes(buttons.begin() + 1 + 24, buttons.begin() + 1 + 28), (Bytes{0, 0, 0, 0}));
    EXPECT_EQ(Bytes(buttons.begin() + 1, buttons.begin() + 1 + 4), (Bytes{0x01, 0x00, 0xF0, 0x00}));
    // Macro block n carries macro-area bytes (n - 1) x 128 onwards.
    for (std::size_t block = 1; block <= 19; ++block) {
        for (std::size_t i = 0; i < 128; ++i) {
            const Bytes& chunk = port.outputs[4 + 2 * (block - 1) + i / 64];
            ASSERT_EQ(chunk[1 + i % 64], static_cast<std::uint8_t>(((block - 1) * 128 + i) * 7 + 1))
                << "block " << block << " byte " << i;
        }
    }
    EXPECT_EQ(image.MacroBlock(19)[127], record[ProfileRecord::kSize - 1]);
}

}  // namespace
}  // namespace zalvane::app
