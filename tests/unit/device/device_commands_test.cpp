#include "device/device_commands.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "unit/support/scripted_hid_port.h"

namespace zalvane::device {
namespace {

using settings::ProfileRecord;
using settings::SettingsImage;
using test::Bytes;
using test::ReplyReport;
using test::ScriptedHidPort;
using namespace std::chrono_literals;

struct Fixture {
    ScriptedHidPort port;
    platform::RecordingPacer pacer;
    CommandLink link{port, pacer};
    SettingsImage image;
    ProfileRecord record;
};

TEST(DeviceCommandsTest, OpeningSequenceTakesTheProfileNumberAndAlwaysOpensWithFC)
{
    for (std::uint8_t profile : {0, 3, 0xFC, 0xFF}) {
        SCOPED_TRACE(static_cast<int>(profile));
        Fixture f;
        f.image.bytes.fill(0x77);  // whatever an earlier connection left
        f.port.featureReplies.push_back(ReplyReport(0x82, profile, 0));

        EXPECT_TRUE(RunOpeningSequence(f.link, f.image, f.record));

        ASSERT_EQ(f.port.features.size(), 2u);
        EXPECT_EQ(f.port.features[0], (Bytes{0x00, 0x82, 0, 0, 0, 0, 0, 0, 0x7D}));
        EXPECT_EQ(f.port.features[1], (Bytes{0x00, 0x01, 0xFC, 0, 0, 0, 0, 0, 0x02}));
        EXPECT_EQ(f.image[SettingsImage::kDeviceProfileNumber], profile);
        EXPECT_EQ(f.record[ProfileRecord::kDeviceProfileNumber], profile);
        EXPECT_EQ(f.image[SettingsImage::kOpeningArgument], 0xFC);
        EXPECT_TRUE(std::all_of(f.image.bytes.begin() + 2, f.image.bytes.end(), [](auto b) { return b == 0; }));
        EXPECT_TRUE(f.pacer.Pauses().empty());
    }
}

struct ConfigReadCase {
    const char* name;
    std::uint8_t announced;
    std::size_t copied;
};

TEST(DeviceCommandsTest, ConfigReadCopiesOnlyWhatTheMouseAnnouncesAndNeverPastTheBlock)
{
    const ConfigReadCase cases[] = {
        {"full block", 0x80, 128},
        {"empty reply leaves the block", 0, 0},
        {"half block", 0x40, 64},
        {"overlong reply", 0xFF, 128},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Fixture f;
        f.image.bytes.fill(0x5A);
        f.port.featureReplies.push_back(ReplyReport(0x8C, 0, c.announced));
        for (int chunk = 0; chunk < 4; ++chunk) {
            f.port.inputReports.push_back(Bytes(65, static_cast<std::uint8_t>(0xC0 + chunk)));
        }

        EXPECT_EQ(ReadConfigBlock(f.link, f.image), c.copied);

        EXPECT_EQ(f.port.features.at(0), (Bytes{0x00, 0x8C, 0, 0, 0, 0, 0, 0, 0x73}));
        for (std::size_t i = 0; i < SettingsImage::kSize; ++i) {
            const bool inBlock = i >= SettingsImage::kConfigBlock && i < SettingsImage::kConfigBlock + c.copied;
            const std::size_t offset = i - SettingsImage::kConfigBlock;
            const auto expected = inBlock ? static_cast<std::uint8_t>(0xC0 + offset / 64) : std::uint8_t{0x5A};
            ASSERT_EQ(f.image[i], expected) << "image byte " << i;
        }
        EXPECT_EQ(f.pacer.Pauses(), (std::vector{10ms}));
    }
}

TEST(DeviceCommandsTest, DpiStageReadAsksForProfileNumberThenConfigBlock)
{
    Fixture f;
    f.port.featureReplies.push_back(ReplyReport(0x82, 2, 0));
    f.port.featureReplies.push_back(ReplyReport(0x8C, 0, 0x80));
    f.port.inputReports.assign(2, Bytes(65, 0x31));

    EXPECT_TRUE(RunDpiStageRead(f.link, f.image));

    ASSERT_EQ(f.port.features.size(), 2u);
    EXPECT_EQ(f.port.features[0][1], 0x82);
    EXPECT_EQ(f.port.features[1][1], 0x8C);
    EXPECT_EQ(f.image[SettingsImage::kDeviceProfileNumber], 2);
    EXPECT_EQ(f.image.ConfigBlock()[127], 0x31);
    EXPECT_EQ(f.pacer.Pauses(), (std::vector{10ms}));
}

TEST(DeviceCommandsTest, MacroBlockNumbersOutsideOneToNineteenSendNothing)
{
    Fixture f;
    EXPECT_TRUE(WriteMacroBlock(f.link, f.image, 0));
    EXPECT_TRUE(WriteMacroBlock(f.link, f.image, 20));
    EXPECT_TRUE(f.port.features.empty());
    EXPECT_TRUE(f.pacer.Pauses().empty());
}

struct SequenceFailureCase {
    const char* name;
    std::function<TransferResult(Fixture&)> run;
    std::function<void(ScriptedHidPort&)> mouse;
    TransferFailure failure;
    std::size_t features;  // feature reports sent, the refused one included
    std::size_t pauses;
    std::string description;
};

// A sequence gives the first transfer that failed and sends nothing after it; a command
// the mouse did not take is not followed by its pause.
TEST(DeviceCommandsTest, SequencesStopAtTheFirstTransferThatFailed)
{
    using enum TransferStep;
    const auto refuseFeature = [](std::size_t at) { return [at](ScriptedHidPort& p) { p.refuseFeature = at; }; };
    const SequenceFailureCase cases[] = {
        {"profile number read refused",
         [](Fixture& f) { return RunOpeningSequence(f.link, f.image, f.record); },
         refuseFeature(0),
         {0x82, 0, kSendFeature},
         1,
         0,
         "read profile number (command 0x82): feature report refused"},
        {"opening command refused",
         [](Fixture& f) { return RunOpeningSequence(f.link, f.image, f.record); },
         [](ScriptedHidPort& p) {
             p.featureReplies.push_back(ReplyReport(0x82, 0, 0));
             p.refuseFeature = 1;
         },
         {0x01, 0xFC, kSendFeature},
         2,
         0,
         "opening command (command 0x01): feature report refused"},
        {"select profile refused",
         [](Fixture& f) { return SelectProfile(f.link, 0); },
         refuseFeature(0),
         {0x02, 0, kSendFeature},
         1,
         0,
         "select profile 0 (command 0x02): feature report refused"},
        {"macro block 3's second chunk not taken",
         [](Fixture& f) { return WriteMacroBlocks(f.link, f.image); },
         [](ScriptedHidPort& p) { p.refuseOutput = 5; },
         {0x0F, 3, kWriteChunk, 1, 2},
         3,
         7,
         "write macro block 3 (command 0x0f): output report 2 of 2 not taken"},
        {"config block without reply",
         [](Fixture& f) { return RunDpiStageRead(f.link, f.image); },
         [](ScriptedHidPort& p) { p.featureReplies.push_back(ReplyReport(0x82, 2, 0)); },
         {0x8C, 0, kGetFeature},
         2,
         0,
         "read config block (command 0x8c): no reply (its feature report could not be fetched)"},
        {"config block chunk missing",
         [](Fixture& f) -> TransferResult {
             if (auto read = ReadConfigBlock(f.link, f.image); !read) {
                 return std::unexpected(read.error());
             }
             return {};
         },
         [](ScriptedHidPort& p) {
             p.featureReplies.push_back(ReplyReport(0x8C, 0, 0x80));
             p.inputReports.push_back(Bytes(65, 1));
         },
         {0x8C, 0, kReadChunk, 1, 2, 0, 65},
         1,
         0,
         "read config block (command 0x8c): input report 2 of 2 did not come in time"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Fixture f;
        c.mouse(f.port);
        const TransferResult result = c.run(f);
        ASSERT_FALSE(result);
        EXPECT_EQ(result.error(), c.failure);
        EXPECT_EQ(f.port.features.size(), c.features);
        EXPECT_EQ(f.pacer.Pauses().size(), c.pauses);
        EXPECT_EQ(DescribeTransferFailure(result.error()), c.description);
    }
}

}  // namespace
}  // namespace zalvane::device
