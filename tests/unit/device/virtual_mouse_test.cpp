#include "device/virtual_mouse.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "device/protocol.h"
#include "device/virtual_hid_port.h"
#include "device/virtual_mouse_store.h"
#include "unit/support/byte_files.h"

namespace zalvane::device {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Feature(std::uint8_t code, std::uint8_t argument1 = 0, std::uint8_t argument2 = 0)
{
    const auto report = FeatureReportFor(CommandPacket{code, argument1, argument2, 0, 0, 0, 0, 0});
    return Bytes(report.begin(), report.end());
}

Bytes Chunk(std::uint8_t fill)
{
    Bytes report(65, fill);
    report[0] = 0;
    return report;
}

// Sends a block write the way the host does: the command, then its chunks.
void WriteBlock(VirtualMouse& mouse, std::uint8_t code, std::uint8_t argument1, std::uint8_t first, std::uint8_t second)
{
    ASSERT_TRUE(mouse.SetFeature(Feature(code, argument1, 0x80)));
    ASSERT_TRUE(mouse.Output(Chunk(first)));
    ASSERT_TRUE(mouse.Output(Chunk(second)));
}

std::string StateFile(const std::string& folder) { return (std::filesystem::path(folder) / "mouse.bin").string(); }

VirtualBlock Filled(std::uint8_t first, std::uint8_t second)
{
    VirtualBlock block{};
    std::fill(block.begin(), block.begin() + 64, first);
    std::fill(block.begin() + 64, block.end(), second);
    return block;
}

TEST(VirtualMouseTest, FactoryConfigBlocksCarryNonZeroBytesWhereTheHostWritesNothing)
{
    std::set<std::size_t> owned = {2, 48, 49, 50, 51, 64, 70, 71, 72, 73, 74, 75, 100};
    for (std::size_t i = 0; i < 7; ++i) {
        owned.insert({84 + i, 92 + i});
    }
    const VirtualMouseMemory memory = FactoryMemory();
    for (std::size_t profile = 0; profile < kVirtualProfileCount; ++profile) {
        for (std::size_t i = 0; i < 104; ++i) {
            if (!owned.contains(i)) {
                EXPECT_NE(memory.configBlocks[profile][i], 0) << "profile " << profile << " byte " << i;
            }
        }
    }
    EXPECT_NE(memory.configBlocks[0], memory.configBlocks[1]);
}

TEST(VirtualMouseTest, AnswersTheProfileReadAndIgnoresReportsWithABadChecksum)
{
    VirtualMouse mouse;
    mouse.SetProfileNumber(4);
    Bytes bad = Feature(0x02, 3);
    bad[8] ^= 1;
    EXPECT_TRUE(mouse.SetFeature(bad));  // taken by the driver, ignored by the mouse
    EXPECT_EQ(mouse.Memory().selectedProfile, 0);

    ASSERT_TRUE(mouse.SetFeature(Feature(0x82)));
    Bytes reply(9);
    ASSERT_TRUE(mouse.GetFeature(reply));
    EXPECT_EQ(reply, Feature(0x82, 4));

    // Reports of the wrong shape are refused.
    EXPECT_FALSE(mouse.SetFeature(Bytes(8)));
    EXPECT_FALSE(mouse.Output(Bytes(64)));
    Bytes wrongId = Chunk(1);
    wrongId[0] = 5;
    EXPECT_FALSE(mouse.Output(wrongId));
    EXPECT_FALSE(mouse.Opened());
    ASSERT_TRUE(mouse.SetFeature(Feature(0x01, 0xFC)));
    EXPECT_TRUE(mouse.Opened());
}

TEST(VirtualMouseTest, StoresBlocksForTheSelectedProfileAndServesThemBack)
{
    VirtualMouse mouse;
    const VirtualMouseMemory factory = mouse.Memory();
    ASSERT_TRUE(mouse.SetFeature(Feature(0x02, 2)));
    ASSERT_TRUE(mouse.SetFeature(Feature(0x03, 0, 8)));
    WriteBlock(mouse, 0x0C, 0, 0x11, 0x12);
    WriteBlock(mouse, 0x0D, 0, 0x21, 0x22);
    WriteBlock(mouse, 0x0F, 1, 0x31, 0x32);
    WriteBlock(mouse, 0x0F, 19, 0x41, 0x42);

    VirtualMouseMemory expected = factory;
    expected.selectedProfile = 2;
    expected.reportInterval = 8;
    expected.configBlocks[2] = Filled(0x11, 0x12);
    expected.buttonBlock = Filled(0x21, 0x22);
    expected.macroBlocks[0] = Filled(0x31, 0x32);
    expected.macroBlocks[18] = Filled(0x41, 0x42);
    EXPECT_EQ(mouse.Memory(), expected);

    ASSERT_TRUE(mouse.SetFeature(Feature(0x8C)));
    Bytes reply(9);
    ASSERT_TRUE(mouse.GetFeature(reply));
    EXPECT_EQ(reply, Feature(0x8C, 0, 0x80));
    Bytes input(80, 0xEE);
    EXPECT_EQ(mouse.Input(input), 65u);
    EXPECT_EQ(input[1], 0x11);
    EXPECT_EQ(mouse.Input(std::span(input).first(10)), 10u);  // cut to the buffer
    EXPECT_EQ(input[1], 0x12);
    EXPECT_EQ(mouse.Input(input), 0u);

    // A shorter write replaces only its own bytes; a new command drops unread chunks.
    ASSERT_TRUE(mouse.SetFeature(Feature(0x0D, 0, 0x40)));
    ASSERT_TRUE(mouse.Output(Chunk(0x51)));
    EXPECT_EQ(mouse.Memory().buttonBlock, Filled(0x51, 0x22));
    ASSERT_TRUE(mouse.SetFeature(Feature(0x8C)));
    ASSERT_TRUE(mouse.SetFeature(Feature(0x82)));
    EXPECT_EQ(mouse.Input(input), 0u);
}

TEST(VirtualMouseTest, DataWithoutAProperWriteCommandChangesNothing)
{
    struct Case {
        const char* name;
        Bytes command;
        std::size_t chunks;
    };
    const Case cases[] = {
        {"macro block 0", Feature(0x0F, 0, 0x80), 2},
        {"macro block 20", Feature(0x0F, 20, 0x80), 2},
        {"unfinished write", Feature(0x0D, 0, 0x80), 1},
        {"no command", {}, 2},
        {"read command", Feature(0x8C), 2},
        {"unknown command", Feature(0x55, 1, 0x80), 2},
        {"profile beyond 5", Feature(0x02, 6), 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        VirtualMouse mouse;
        if (!c.command.empty()) {
            ASSERT_TRUE(mouse.SetFeature(c.command));
        }
        for (std::size_t i = 0; i < c.chunks; ++i) {
            ASSERT_TRUE(mouse.Output(Chunk(0x99)));
        }
        ASSERT_TRUE(mouse.SetFeature(Feature(0x82)));  // the next command ends any write
        ASSERT_TRUE(mouse.Output(Chunk(0x99)));
        EXPECT_EQ(mouse.Memory(), FactoryMemory());
    }
}

TEST(VirtualMouseTest, EmitsEventReportsCutToTheReader)
{
    VirtualMouse mouse;
    mouse.QueueEvent(2, 3);
    mouse.QueueEvent(4, 1);
    Bytes report(40, 0xEE);
    EXPECT_EQ(mouse.ReadEvent(report), kEventReportSize);
    EXPECT_EQ(Bytes(report.begin(), report.begin() + 5), (Bytes{6, 7, 2, 3, 0}));
    EXPECT_EQ(mouse.ReadEvent(std::span(report).first(3)), 3u);
    EXPECT_EQ(Bytes(report.begin(), report.begin() + 4), (Bytes{6, 7, 4, 3}));
    EXPECT_EQ(mouse.ReadEvent(report), 0u);

    // A reader that falls behind loses the oldest reports, never the newest.
    for (unsigned i = 0; i < VirtualMouse::kEventQueueLimit + 6; ++i) {
        mouse.QueueEvent(static_cast<std::uint8_t>(i), 0);
    }
    std::size_t kept = 0;
    std::uint8_t last = 0;
    for (; mouse.ReadEvent(report) != 0; ++kept) {
        if (kept == 0) {
            EXPECT_EQ(report[2], 6);
        }
        last = report[2];
    }
    EXPECT_EQ(kept, VirtualMouse::kEventQueueLimit);
    EXPECT_EQ(last, VirtualMouse::kEventQueueLimit + 5);
}

TEST(VirtualMouseStoreTest, KeepsTheMemoryAcrossRunsAndStartsFromFactoryState)
{
    test::TempFolder temp;
    const std::string folder = (temp.Path() / "new" / "mouse").string();
    VirtualMouseStore store(folder);
    auto first = store.Load();
    ASSERT_TRUE(first.has_value()) << first.error();
    EXPECT_EQ(*first, FactoryMemory());
    EXPECT_EQ(test::ReadBytes(StateFile(folder)).size(), VirtualMouseStore::kStateFileSize);

    // Changes go through the port, which keeps each one in the folder at once.
    VirtualMouse mouse(*first);
    VirtualHidPort port(mouse, [&](const VirtualMouseMemory& memory) { return store.Save(memory).has_value(); });
    mouse.SetProfileNumber(5);
    const Bytes select = Feature(0x02, 4);
    ASSERT_TRUE(port.SendFeatureReport(select));
    for (std::uint8_t block = 1; block <= 19; ++block) {
        ASSERT_TRUE(port.SendFeatureReport(Feature(0x0F, block, 0x80)));
        ASSERT_TRUE(port.WriteOutputReport(Chunk(block)));
        ASSERT_TRUE(port.WriteOutputReport(Chunk(static_cast<std::uint8_t>(0x80 + block))));
    }
    EXPECT_TRUE(port.Persisted());

    auto reloaded = VirtualMouseStore(folder).Load();
    ASSERT_TRUE(reloaded.has_value()) << reloaded.error();
    EXPECT_EQ(*reloaded, mouse.Memory());
    EXPECT_EQ(reloaded->profileNumber, 5);
    EXPECT_EQ(reloaded->selectedProfile, 4);
    EXPECT_EQ(reloaded->macroBlocks[18], Filled(19, 0x93));
}

TEST(VirtualMouseStoreTest, DamagedStateIsReportedAndLeftAlone)
{
    struct Case {
        const char* name;
        std::size_t size;
        std::size_t patchAt;
        std::uint8_t patch;
        const char* message;
    };
    const Case cases[] = {
        {"empty", 0, 0, 0, "wrong size: expected 3344 bytes, found 0"},
        {"short", 3343, 0, 0, "wrong size: expected 3344 bytes, found 3343"},
        {"long", 3345, 0, 0, "wrong size: expected 3344 bytes, found 3345"},
        {"foreign", 3344, 0, 'X', "not a virtual mouse state file"},
        {"selected profile", 3344, 9, 6, "selected profile 6 is outside 0-5"},
    };
    test::TempFolder temp;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string folder = temp.File(c.name);
        ASSERT_TRUE(VirtualMouseStore(folder).Save(FactoryMemory()).has_value());
        Bytes bytes = test::ReadBytes(StateFile(folder));
        bytes.resize(c.size, 0x01);
        if (c.size > c.patchAt) {
            bytes[c.patchAt] = c.patch;
        }
        test::WriteBytes(StateFile(folder), bytes);

        auto loaded = VirtualMouseStore(folder).Load();
        ASSERT_FALSE(loaded.has_value());
        EXPECT_NE(loaded.error().find(StateFile(folder)), std::string::npos) << loaded.error();
        EXPECT_NE(loaded.error().find(c.message), std::string::npos) << loaded.error();
        EXPECT_EQ(test::ReadBytes(StateFile(folder)), bytes);
    }

    const std::string file = temp.File("plain-file");
    test::WriteBytes(file, Bytes{1});
    auto notFolder = VirtualMouseStore(file).Load();
    ASSERT_FALSE(notFolder.has_value());
    EXPECT_NE(notFolder.error().find("not a folder"), std::string::npos);
}

TEST(VirtualHidPortTest, ReportsWhenTheMemoryCouldNotBeKept)
{
    VirtualMouse mouse;
    int calls = 0;
    VirtualHidPort port(mouse, [&](const VirtualMouseMemory&) { return ++calls > 1; });
    ASSERT_TRUE(port.SendFeatureReport(Feature(0x82)));  // a read changes nothing
    EXPECT_EQ(calls, 0);
    ASSERT_TRUE(port.SendFeatureReport(Feature(0x02, 1)));
    EXPECT_FALSE(port.Persisted());
    ASSERT_TRUE(port.SendFeatureReport(Feature(0x02, 2)));
    EXPECT_EQ(calls, 2);
    EXPECT_FALSE(port.Persisted());  // stays failed: one change was lost on the way
}

}  // namespace
}  // namespace zalvane::device
