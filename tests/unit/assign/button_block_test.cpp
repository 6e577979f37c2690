#include "assign/button_block.h"

#include <gtest/gtest.h>

namespace zalvane::assign {
namespace {

using settings::ProfileRecord;

struct EntryCase {
    const char* name;
    std::uint8_t type;
    std::size_t field;  // parameter field of the type, 0 when none
    std::uint8_t value;
    std::size_t field2;
    std::uint8_t value2;
    ButtonActionEntry entry;
};

TEST(ButtonBlockTest, EntryOfEveryActionType)
{
    using R = ProfileRecord;
    const EntryCase cases[] = {
        {"Left button", 0, 0, 0, 0, 0, {0x01, 0x00, 0xF0, 0x00}},
        {"Right button", 1, 0, 0, 0, 0, {0x01, 0x00, 0xF1, 0x00}},
        {"Middle button", 2, 0, 0, 0, 0, {0x01, 0x00, 0xF2, 0x00}},
        {"IE Forward", 3, 0, 0, 0, 0, {0x01, 0x00, 0xF4, 0x00}},
        {"IE Backward", 4, 0, 0, 0, 0, {0x01, 0x00, 0xF3, 0x00}},
        {"Double click", 5, 0, 0, 0, 0, {0x0A, 0xF0, 0x1E, 0x02}},
        {"DPI -", 6, R::kDpiFunction, 2, 0, 0, {0x07, 0x00, 0x02, 0x00}},
        {"Media player", 7, R::kConsumerCode, 0x83, 0, 0, {0x03, 0x00, 0x83, 0x01}},
        {"Volume Up", 7, R::kConsumerCode, 0xE9, 0, 0, {0x03, 0x00, 0xE9, 0x00}},
        {"Ctrl hot key", 8, R::kHotKeyLetter, 0x06, 0, 0, {0x00, 0x00, 0xE0, 0x06}},
        {"Single key", 10, R::kSingleKey, 0x2C, 0, 0, {0x00, 0x00, 0x2C, 0x00}},
        {"Shift + A", 11, R::kComboModifiers, 0x02, R::kComboKey1, 0x04, {0x00, 0x02, 0x04, 0x00}},
        {"Second macro, repeat mode 2", 12, R::kMacroNumber, 1, R::kMacroRepeatMode, 2, {0x09, 0x02, 0x02, 0x00}},
        {"Button Off", 13, 0, 0, 0, 0, {0x00, 0x00, 0x00, 0x00}},
        {"Tilt left", 14, 0, 0, 0, 0, {0x01, 0x00, 0xF5, 0x00}},
        {"Tilt right", 15, 0, 0, 0, 0, {0x01, 0x00, 0xF6, 0x00}},
        {"Type 16", 16, 0, 0, 0, 0, {0x00, 0x00, 0x00, 0x00}},
        {"Type 255", 255, 0, 0, 0, 0, {0x00, 0x00, 0x00, 0x00}},
    };
    for (const auto& c : cases) {
        for (std::size_t button : {std::size_t{0}, std::size_t{18}}) {
            ProfileRecord record;
            record.bytes.fill(0x00);
            record.Button(R::kActionType, button) = c.type;
            if (c.field != 0) {
                record.Button(c.field, button) = c.value;
            }
            if (c.field2 != 0) {
                record.Button(c.field2, button) = c.value2;
            }
            EXPECT_EQ(ActionEntryFor(record, button), c.entry) << c.name << ", button " << button;
        }
    }
}

TEST(ButtonBlockTest, WindowsCommands)
{
    const std::pair<std::uint8_t, ButtonActionEntry> cases[] = {
        {0, {0x03, 0x00, 0x94, 0x01}}, {1, {0x03, 0x00, 0x23, 0x02}}, {2, {0x03, 0x00, 0x21, 0x02}},
        {3, {0x00, 0x04, 0x2C, 0x1B}}, {4, {0x00, 0x04, 0x2C, 0x11}}, {5, {0x00, 0x00, 0xE3, 0x07}},
        {6, {0x00, 0x00, 0xE3, 0x15}}, {7, {0x00, 0x00, 0x00, 0x00}}, {255, {0x00, 0x00, 0x00, 0x00}},
    };
    for (const auto& [command, entry] : cases) {
        ProfileRecord record;
        record.Button(ProfileRecord::kActionType, 5) = 9;
        record.Button(ProfileRecord::kWindowsCommand, 5) = command;
        EXPECT_EQ(ActionEntryFor(record, 5), entry) << "command " << int{command};
    }
}

TEST(ButtonBlockTest, ButtonsLandInTheirSlotsAndFixedSlotsHoldTheirEntries)
{
    constexpr std::array<std::size_t, 19> kSlots = {0, 1, 6, 5, 2, 3, 4, 8, 9, 10, 11, 16, 17, 18, 19, 20, 21, 22, 23};
    // Each button a different single key, so that a wrong slot shows.
    ProfileRecord record;
    record.bytes.fill(0xEE);
    for (std::size_t button = 0; button < 19; ++button) {
        record.Button(ProfileRecord::kActionType, button) = 10;
        record.Button(ProfileRecord::kSingleKey, button) = static_cast<std::uint8_t>(0x04 + button);
    }

    const auto block = BuildButtonBlock(record);

    std::array<ButtonActionEntry, 32> expected{};
    for (std::size_t button = 0; button < 19; ++button) {
        expected[kSlots[button]] = {0x00, 0x00, static_cast<std::uint8_t>(0x04 + button), 0x00};
        EXPECT_EQ(SlotOfButton(button), kSlots[button]);
    }
    expected[14] = {0x01, 0x00, 0xF7, 0x00};
    expected[15] = {0x01, 0x00, 0xF8, 0x00};
    for (std::size_t slot = 0; slot < 32; ++slot) {
        const ButtonActionEntry actual = {block[4 * slot], block[4 * slot + 1], block[4 * slot + 2],
                                          block[4 * slot + 3]};
        EXPECT_EQ(actual, expected[slot]) << "slot " << slot;
    }
    EXPECT_EQ(SlotOfButton(19), 32u);
}

}  // namespace
}  // namespace zalvane::assign
