#include "device/protocol.h"

#include <gtest/gtest.h>

#include <vector>

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
        for (std::size_t i = 1; i < 9; ++i)
            sum += c.report[i];
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

}  // namespace
}  // namespace zalvane::device
