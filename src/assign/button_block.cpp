#include "assign/button_block.h"

#include <algorithm>

#include "assign/action_type.h"

namespace zalvane::assign {
namespace {

using settings::ProfileRecord;

// First byte of an entry: what kind of action the mouse performs.
constexpr std::uint8_t kKeyboardEntry = 0x00;
constexpr std::uint8_t kMouseEntry = 0x01;
constexpr std::uint8_t kConsumerEntry = 0x03;
constexpr std::uint8_t kDpiEntry = 0x07;
constexpr std::uint8_t kMacroEntry = 0x09;
constexpr std::uint8_t kDoubleClickEntry = 0x0A;

constexpr std::uint8_t kLeftGui = 0xE3;
constexpr std::uint8_t kLeftCtrl = 0xE0;
// The consumer usage 0x183 (media player) is the only one above 0xFF the host offers
// as a consumer code; its high byte is sent in b3.
constexpr std::uint8_t kMediaPlayer = 0x83;

constexpr ButtonActionEntry MouseFunction(std::uint8_t function) { return {kMouseEntry, 0x00, function, 0x00}; }

ButtonActionEntry WindowsCommandEntry(std::uint8_t windowsCommand)
{
    constexpr std::array<ButtonActionEntry, 7> kEntries = {{
        {kConsumerEntry, 0x00, 0x94, 0x01},      // My computer: consumer usage 0x194
        {kConsumerEntry, 0x00, 0x23, 0x02},      // Browser home: 0x223
        {kConsumerEntry, 0x00, 0x21, 0x02},      // Search: 0x221
        {kKeyboardEntry, 0x04, 0x2C, 0x1B},      // Maximum: Left Alt + Space + X
        {kKeyboardEntry, 0x04, 0x2C, 0x11},      // Minimum: Left Alt + Space + N
        {kKeyboardEntry, 0x00, kLeftGui, 0x07},  // Show desktop: GUI + D
        {kKeyboardEntry, 0x00, kLeftGui, 0x15},  // Run: GUI + R
    }};
    return windowsCommand < kEntries.size() ? kEntries[windowsCommand] : ButtonActionEntry{};
}

// Slot of each button in the block; slots 7, 12, 13 and 24-31 stay empty.
constexpr std::array<std::uint8_t, settings::kButtonCount> kSlots = {0,  1,  6,  5,  2,  3,  4,  8,  9, 10,
                                                                     11, 16, 17, 18, 19, 20, 21, 22, 23};
// Two slots the mouse always carries, whatever the buttons hold.
constexpr std::size_t kFixedSlotA = 14;
constexpr std::size_t kFixedSlotB = 15;
constexpr ButtonActionEntry kFixedEntryA = MouseFunction(0xF7);
constexpr ButtonActionEntry kFixedEntryB = MouseFunction(0xF8);

void PutEntry(std::array<std::uint8_t, settings::kBlockSize>& block, std::size_t slot, const ButtonActionEntry& entry)
{
    std::copy(entry.begin(), entry.end(), block.begin() + static_cast<std::ptrdiff_t>(entry.size() * slot));
}

}  // namespace

ButtonActionEntry ActionEntryFor(const ProfileRecord& record, std::size_t button)
{
    if (button >= settings::kButtonCount) {
        return {};
    }
    auto field = [&](std::size_t offset) { return record.Button(offset, button); };
    switch (static_cast<ActionType>(field(ProfileRecord::kActionType))) {
        case ActionType::kClick:
            return MouseFunction(0xF0);
        case ActionType::kMenu:
            return MouseFunction(0xF1);
        case ActionType::kUniversalScroll:
            return MouseFunction(0xF2);
        case ActionType::kIeForward:  // the mouse's codes for forward and backward are swapped
            return MouseFunction(0xF4);
        case ActionType::kIeBackward:
            return MouseFunction(0xF3);
        case ActionType::kDoubleClick:
            return {kDoubleClickEntry, 0xF0, 0x1E, 0x02};
        case ActionType::kCpiCycle:
            return {kDpiEntry, 0x00, field(ProfileRecord::kDpiFunction), 0x00};
        case ActionType::kMultimedia: {
            const std::uint8_t code = field(ProfileRecord::kConsumerCode);
            return {kConsumerEntry, 0x00, code, static_cast<std::uint8_t>(code == kMediaPlayer ? 0x01 : 0x00)};
        }
        case ActionType::kHotKey:
            return {kKeyboardEntry, 0x00, kLeftCtrl, field(ProfileRecord::kHotKeyLetter)};
        case ActionType::kWindows:
            return WindowsCommandEntry(field(ProfileRecord::kWindowsCommand));
        case ActionType::kSingleKey:
            return {kKeyboardEntry, 0x00, field(ProfileRecord::kSingleKey), 0x00};
        case ActionType::kComboKey:
            return {kKeyboardEntry, field(ProfileRecord::kComboModifiers), field(ProfileRecord::kComboKey1),
                    field(ProfileRecord::kComboKey2)};
        case ActionType::kMacroKey:
            return {kMacroEntry, field(ProfileRecord::kMacroRepeatMode),
                    static_cast<std::uint8_t>(field(ProfileRecord::kMacroNumber) + 1), 0x00};
        case ActionType::kLeftTitleScroll:
            return MouseFunction(0xF5);
        case ActionType::kRightTitleScroll:
            return MouseFunction(0xF6);
        case ActionType::kButtonOff:
        default:
            return {};
    }
}

// A button outside 0-18 has no slot: the answer is then one past the last slot.
std::size_t SlotOfButton(std::size_t button) { return button < kSlots.size() ? kSlots[button] : kButtonSlotCount; }

std::array<std::uint8_t, settings::kBlockSize> BuildButtonBlock(const ProfileRecord& record)
{
    std::array<std::uint8_t, settings::kBlockSize> block{};
    for (std::size_t button = 0; button < settings::kButtonCount; ++button) {
        PutEntry(block, kSlots[button], ActionEntryFor(record, button));
    }
    PutEntry(block, kFixedSlotA, kFixedEntryA);
    PutEntry(block, kFixedSlotB, kFixedEntryB);
    return block;
}

}  // namespace zalvane::assign
