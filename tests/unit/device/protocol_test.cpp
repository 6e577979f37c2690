#include "device/protocol.h"

#include <gtest/gtest.h>

#include <functional>
#include <numeric>
#include <optional>
#include <utility>
#include <vector>

#include "unit/support/scripted_hid_port.h"

namespace zalvane::device {
namespace {

struct ChecksumCase {
    CommandPacket packet;
    std::array<std::uint8_t, 9> report;
};

TEST(ProtocolTest, FeatureReportCarriesPacketAndChecksum)
{
    const ChecksumCase cases[] = {
        {{0x82, 0, 0, 0, 0, 0, 0, 0}, {0x00, 0x82, 0, 0, 0, 0, 0, 0, 0x7D}},
        {{0x0F, 3, 0x80, 0, 0, 0, 0, 0}, {0x00, 0x0F, 0x03, 0x80, 0, 0, 0, 0, 0x6D}},
        // The caller's reply byte never reaches the mouse.
        {{0x0F, 3, 0x80, 0, 0, 0, 0, 0xAB}, {0x00, 0x0F, 0x03, 0x80, 0, 0, 0, 0, 0x6D}},
        // Sums past 255 wrap.
        {{0xFF, 0xFF, 0x02, 0, 0, 0, 0, 0}, {0x00, 0xFF, 0xFF, 0x02, 0, 0, 0, 0, 0xFF}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FeatureReportFor(c.packet), c.report);
        unsigned sum = 0;
        for (std::size_t i = 1; i < 9; ++i) {
            sum += c.report[i];
        }
        EXPECT_EQ(sum % 256, 0xFFu);
    }
}

TEST(ProtocolTest, ChunkCountRoundsUp)
{
    EXPECT_EQ(ChunkCount(0), 0u);
    EXPECT_EQ(ChunkCount(1), 1u);
    EXPECT_EQ(ChunkCount(64), 1u);
    EXPECT_EQ(ChunkCount(128), 2u);
    EXPECT_EQ(ChunkCount(129), 3u);
    EXPECT_EQ(ChunkCount(255), 4u);
}

using test::Bytes;
using test::ReplyReport;
using test::ScriptedHidPort;

TEST(ProtocolTest, SimpleReadCopiesReplyOverPacketAndWriteFetchesNothing)
{
    ScriptedHidPort port;
    platform::RecordingPacer pacer;
    CommandLink link{port, pacer};
    port.featureReplies.push_back({0x00, 0x82, 0x04, 0x00, 0x00, 0x00, 0x00, 0x11, 0x22});

    CommandPacket read{0x82, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_TRUE(SimpleTransfer(link, read));
    EXPECT_EQ(read, (CommandPacket{0x82, 0x04, 0, 0, 0, 0, 0x11, 0x22}));  // checksum lands in byte 7

    CommandPacket write{0x02, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_TRUE(SimpleTransfer(link, write));
    ASSERT_EQ(port.features.size(), 2u);
    EXPECT_EQ(port.features[0], (Bytes{0x00, 0x82, 0, 0, 0, 0, 0, 0, 0x7D}));
    EXPECT_EQ(port.features[1], (Bytes{0x00, 0x02, 0, 0, 0, 0, 0, 0, 0xFD}));
    EXPECT_EQ(port.featureReadSizes, (std::vector<std::size_t>{9}));
    EXPECT_TRUE(pacer.Pauses().empty());  // pauses after commands belong to the caller
}

struct BlockWriteCase {
    std::uint8_t length;
    std::size_t dataSize;
    std::size_t chunks;
};

TEST(ProtocolTest, BlockWriteSendsWholeChunksEachFollowedBy20Ms)
{
    const BlockWriteCase cases[] = {
        {0, 140, 0},                    // the feature report only
        {0x80, 140, 2}, {1, 140, 1},    // a short length still sends a full chunk of the caller's bytes
        {65, 140, 2},   {255, 140, 4},  // the buffer ends inside the third chunk: the rest goes out as zeros
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.length));
        ScriptedHidPort port;
        platform::RecordingPacer pacer;
        CommandLink link{port, pacer};
        std::vector<std::uint8_t> data(c.dataSize);
        std::iota(data.begin(), data.end(), std::uint8_t{1});

        CommandPacket packet{0x0C, 0, c.length, 0, 0, 0, 0, 0};
        const BlockTransferResult result = BlockTransfer(link, packet, data);
        EXPECT_TRUE(result.status);
        EXPECT_EQ(result.moved, std::min<std::size_t>(c.length, c.dataSize));

        ASSERT_EQ(port.features.size(), 1u);
        EXPECT_EQ(port.features[0][3], c.length);
        ASSERT_EQ(port.outputs.size(), c.chunks);
        EXPECT_EQ(pacer.Pauses(), std::vector<std::chrono::milliseconds>(c.chunks, std::chrono::milliseconds{20}));
        for (std::size_t chunk = 0; chunk < c.chunks; ++chunk) {
            const Bytes& report = port.outputs[chunk];
            ASSERT_EQ(report.size(), 65u);
            EXPECT_EQ(report[0], 0);
            for (std::size_t i = 0; i < 64; ++i) {
                const std::size_t offset = chunk * 64 + i;
                EXPECT_EQ(report[1 + i], offset < data.size() ? data[offset] : 0) << "chunk " << chunk << " byte " << i;
            }
        }
    }
}

struct BlockReadCase {
    const char* name;
    std::uint8_t announced;
    std::uint16_t inputReportLength;
    std::size_t reportsSent;  // input reports the mouse really sends
    std::size_t reportSize;   // their size
    std::size_t moved;        // bytes the transfer says it stored
    std::size_t reads;        // input reports the host asks for
    std::size_t readSize;     // buffer size of each read
    // The chunk the transfer names as failed, and the bytes it says came of it.
    std::optional<std::pair<std::size_t, std::size_t>> failedChunk = std::nullopt;
};

TEST(ProtocolTest, BlockReadStaysInsideItsBuffersWhateverTheMouseSends)
{
    const BlockReadCase cases[] = {
        {"normal", 0x80, 65, 2, 65, 128, 2, 65},
        {"empty reply", 0, 65, 0, 65, 0, 0, 65},
        {"one chunk", 0x40, 65, 1, 65, 64, 1, 65},
        {"length above 128 is cut", 0xFF, 65, 4, 65, 128, 4, 65},
        {"missing chunks count as zeros", 0x80, 65, 1, 65, 128, 2, 65, std::pair{1u, 0u}},
        {"short input reports", 0x80, 65, 2, 20, 128, 2, 65, std::pair{0u, 20u}},
        {"small input report length", 0x80, 10, 2, 65, 128, 2, 10},
        {"input report length beyond the buffer", 0x80, 200, 2, 200, 128, 2, 80},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedHidPort port;
        platform::RecordingPacer pacer;
        CommandLink link{port, pacer, 9, c.inputReportLength};
        port.featureReplies.push_back(ReplyReport(0x8C, 0, c.announced));
        for (std::size_t r = 0; r < c.reportsSent; ++r) {
            Bytes report(c.reportSize);
            for (std::size_t i = 1; i < report.size(); ++i) {
                report[i] = static_cast<std::uint8_t>(0x40 * r + i);
            }
            port.inputReports.push_back(report);
        }
        std::array<std::uint8_t, 128> data{};

        CommandPacket packet{0x8C, 0, 0, 0, 0, 0, 0, 0};
        const BlockTransferResult result = BlockTransfer(link, packet, data);
        EXPECT_EQ(result.moved, c.moved);
        if (c.failedChunk) {
            ASSERT_FALSE(result.status);
            const TransferFailure& failure = result.status.error();
            EXPECT_EQ(failure.step, TransferStep::kReadChunk);
            EXPECT_EQ(std::pair(failure.chunk, failure.received), *c.failedChunk);
            EXPECT_EQ(failure.chunkCount, 2u);
            EXPECT_EQ(failure.expected, c.readSize);
        } else {
            EXPECT_TRUE(result.status);
        }

        EXPECT_EQ(packet[kPacketLength], c.announced);
        EXPECT_EQ(port.inputReadSizes, std::vector<std::size_t>(c.reads, c.readSize));
        EXPECT_TRUE(pacer.Pauses().empty());  // reads are not paced
        // Each data byte is what the mouse sent at that place, or zero where nothing came.
        for (std::size_t offset = 0; offset < data.size(); ++offset) {
            const std::size_t chunk = offset / 64;
            const std::size_t reportByte = offset % 64 + 1;
            const bool arrived =
                offset < c.moved && chunk < c.reportsSent && reportByte < c.reportSize && reportByte < c.readSize;
            EXPECT_EQ(data[offset], arrived ? static_cast<std::uint8_t>(0x40 * chunk + reportByte) : 0)
                << "offset " << offset;
        }
    }
}

struct FailureCase {
    const char* name;
    bool block;  // a block transfer, else a simple one
    CommandPacket packet;
    std::function<void(ScriptedHidPort&)> mouse;
    TransferFailure failure;
    std::size_t features, featureReads, outputs, inputReads, pauses;  // what the host did
};

// Nothing goes to the mouse after the step that failed, and the result names that step.
TEST(ProtocolTest, ATransferStopsAtItsFirstFailedStepAndNamesIt)
{
    using enum TransferStep;
    const auto reply = [](std::uint8_t code, std::uint8_t length) {
        return [=](ScriptedHidPort& port) { port.featureReplies.push_back(ReplyReport(code, 0, length)); };
    };
    const FailureCase cases[] = {
        {"simple read refused",
         false,
         {0x82},
         [](ScriptedHidPort& p) { p.refuseFeature = 0; },
         {0x82, 0, kSendFeature},
         1,
         0,
         0,
         0,
         0},
        {"simple read without reply", false, {0x82}, [](ScriptedHidPort&) {}, {0x82, 0, kGetFeature}, 1, 1, 0, 0, 0},
        {"block write refused",
         true,
         {0x0F, 7, 0x80},
         [](ScriptedHidPort& p) { p.refuseFeature = 0; },
         {0x0F, 7, kSendFeature},
         1,
         0,
         0,
         0,
         0},
        {"second chunk not taken",
         true,
         {0x0F, 7, 0x80},
         [](ScriptedHidPort& p) { p.refuseOutput = 1; },
         {0x0F, 7, kWriteChunk, 1, 2},
         1,
         0,
         2,
         0,
         1},
        {"block read refused",
         true,
         {0x8C},
         [](ScriptedHidPort& p) { p.refuseFeature = 0; },
         {0x8C, 0, kSendFeature},
         1,
         0,
         0,
         0,
         0},
        {"block read without reply", true, {0x8C}, [](ScriptedHidPort&) {}, {0x8C, 0, kGetFeature}, 1, 1, 0, 0, 0},
        {"first chunk never comes", true, {0x8C}, reply(0x8C, 0x80), {0x8C, 0, kReadChunk, 0, 2, 0, 65}, 1, 1, 0, 1, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedHidPort port;
        c.mouse(port);
        platform::RecordingPacer pacer;
        CommandLink link{port, pacer};
        std::array<std::uint8_t, 128> data{};
        CommandPacket packet = c.packet;
        const TransferResult result = c.block ? BlockTransfer(link, packet, data).status : SimpleTransfer(link, packet);

        ASSERT_FALSE(result);
        EXPECT_EQ(result.error(), c.failure);
        EXPECT_EQ(port.features.size(), c.features);
        EXPECT_EQ(port.featureReadSizes.size(), c.featureReads);
        EXPECT_EQ(port.outputs.size(), c.outputs);
        EXPECT_EQ(port.inputReadSizes.size(), c.inputReads);
        EXPECT_EQ(pacer.Pauses().size(), c.pauses);
    }
}

}  // namespace
}  // namespace zalvane::device
