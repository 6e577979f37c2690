#include "settings/config_patch.h"

#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <set>

namespace zalvane::settings {
namespace {

using Record = ProfileRecord;
using Block = std::array<std::uint8_t, kBlockSize>;

// A block as a mouse might send it: every byte different and non-zero.
Block MouseBlock()
{
    Block block{};
    for (std::size_t i = 0; i < block.size(); ++i) {
        block[i] = static_cast<std::uint8_t>(0x80 + i);
    }
    return block;
}

Block Patched(const Record& record)
{
    Block block = MouseBlock();
    PatchConfigBlock(block, record);
    return block;
}

TEST(ConfigPatchTest, GestureCorrectionStepsAndStepsOutsideOneToFive)
{
    const std::pair<std::uint8_t, std::uint8_t> cases[] = {
        {1, 0xE2}, {2, 0xF6}, {3, 0x00}, {4, 0x0F}, {5, 0x1E}, {0, 0xE2}, {6, 0x1E}, {255, 0x1E},
    };
    for (const auto& [step, value] : cases) {
        Record record;
        record[Record::kGestureCorrection] = step;
        EXPECT_EQ(Patched(record)[49], value) << "step " << int{step};
    }
}

struct LightingCase {
    std::uint8_t mode;
    std::uint8_t parameter;  // of the chosen mode
    std::uint8_t modeByte;
    std::optional<std::uint8_t> value;  // nullopt: the mouse's byte stays
    std::optional<std::uint8_t> style;
};

TEST(ConfigPatchTest, LightingModeValueAndStyle)
{
    const LightingCase cases[] = {
        {0, 9, 0, std::nullopt, std::nullopt},
        {1, 1, 0, std::nullopt, std::nullopt},  // standard at step 1 is the mouse's mode 0
        {1, 4, 1, 8, 3},
        {1, 200, 1, 0x90, 3},  // 400 in 8 bits
        {2, 5, 2, 5, 3},
        {3, 6, 3, 18, std::nullopt},
        {3, 100, 3, 0x2C, std::nullopt},  // 300 in 8 bits
        {7, 3, 7, std::nullopt, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "mode " << int{c.mode} << " parameter " << int{c.parameter});
        Record record;
        record[Record::kLightingMode] = c.mode;
        // The parameters of the other modes must not leak in.
        record[Record::kLightingParameter] = record[Record::kLightingParameter + 1] =
            record[Record::kLightingParameter + 2] = 0x33;
        if (c.mode >= 1 && c.mode <= 3) {
            record[Record::kLightingParameter + c.mode - 1] = c.parameter;
        }
        const Block block = Patched(record);
        EXPECT_EQ(block[71], c.modeByte);
        EXPECT_EQ(block[72], c.value.value_or(MouseBlock()[72]));
        EXPECT_EQ(block[73], c.style.value_or(MouseBlock()[73]));
    }
}

TEST(ConfigPatchTest, StagesSensitivityAndColours)
{
    Record record;
    const std::array<std::uint8_t, 7> values = {1, 4, 0, 16, 32, 120, 200};
    const std::array<std::uint8_t, 7> enabled = {1, 0, 1, 0, 0, 0, 1};
    for (std::size_t stage = 0; stage < 7; ++stage) {
        record[Record::kStageValue + stage] = values[stage];
        record[Record::kStageEnabled + stage] = enabled[stage];
    }
    for (std::size_t i = 0; i < 21; ++i) {
        record[Record::kStageColour + i] = static_cast<std::uint8_t>(0x10 + i);
    }
    record[Record::kSensitivityX] = 3;
    record[Record::kSensitivityY] = 13;  // 260 in 8 bits
    record[Record::kAngleSnap] = 1;

    const Block block = Patched(record);

    // A stage value of 0 goes out as 100 DPI rather than wrapping to 0xFF.
    const std::array<std::uint8_t, 7> dpi = {0, 3, 0, 15, 31, 119, 199};
    for (std::size_t stage = 0; stage < 7; ++stage) {
        EXPECT_EQ(block[84 + stage], dpi[stage]) << "X stage " << stage;
        EXPECT_EQ(block[92 + stage], dpi[stage]) << "Y stage " << stage;
    }
    EXPECT_EQ(block[100], 0x45);
    for (std::size_t i = 0; i < 21; ++i) {
        EXPECT_EQ(block[104 + i], 0x10 + i);
    }
    EXPECT_EQ(block[125], 0);
    EXPECT_EQ(block[126], 0);
    EXPECT_EQ(block[127], 0);
    EXPECT_EQ(block[74], 60);
    EXPECT_EQ(block[75], 4);
    EXPECT_EQ(block[51], 1);
    EXPECT_EQ(block[2], 1);
    EXPECT_EQ(block[48], 0x11);
    EXPECT_EQ(block[50], 0x42);
    EXPECT_EQ(block[64], 0x0F);
    EXPECT_EQ(block[70], 7);
}

TEST(ConfigPatchTest, BytesTheHostDoesNotOwnGoBackAsTheMouseSentThem)
{
    std::set<std::size_t> owned = {2, 48, 49, 50, 51, 64, 70, 71, 72, 73, 74, 75, 100};
    for (std::size_t i = 0; i < 7; ++i) {
        owned.insert({84 + i, 92 + i});
    }
    for (std::size_t i = 104; i < 128; ++i) {
        owned.insert(i);
    }
    Record record;
    record.bytes.fill(0x02);  // every field set, lighting mode 2 touching 72 and 73 too
    const Block block = Patched(record);
    const Block original = MouseBlock();
    for (std::size_t i = 0; i < kBlockSize; ++i) {
        if (!owned.contains(i)) {
            EXPECT_EQ(block[i], original[i]) << "byte " << i;
        }
    }
    EXPECT_EQ(block[91], original[91]);
    EXPECT_EQ(block[99], original[99]);
}

}  // namespace
}  // namespace zalvane::settings
