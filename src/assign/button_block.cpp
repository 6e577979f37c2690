#include "assign/button_block.h"

#include <algorithm>

namespace zalvane::assign {
namespace {

using settings::ProfileRecord;

// First byte of an entry: what kind of action the mouse performs.
constexpr std::uint8_t kKeyboard = 0x00;
constexpr std::uint8_t kMouseFunction = 0x01;
constexpr std::uint8_t kConsumer = 0x03;
constexpr std::uint8_t kDpiFunction = 0x07;
constexpr std::uint8_t kMacro = 0x09;
constexpr std::uint8_t kDoubleClick = 0x0A;

constexpr std::uint8_t kLeftGui = 0xE3;
constexpr std::uint8_t kLeftCtrl = 0xE0;
// The consumer usage 0x183 (media player) is the only one above 0xFF the host offers
// as a consumer code; its high byte is sent in b3.
constexpr std::uint8_t kMediaPlayer = 0x83;

enum ActionType : std::uint8_t {
    kLeftButton = 0,
    kRightButton = 1,
    kMiddleButton = 2,
    kForward = 3,
    kBackward = 4,
    kDoubleClickType = 5,
    kDpi = 6,
    kMultimedia = 7,
    kHotKey = 8,
    kWindowsCommand = 9,
    kSingleKey = 10,
    kCombo = 11,
    kMacroType = 12,
    kButtonOff = 13,
    kTiltLeft = 14,
    kTiltRight = 15,
};

constexpr ButtonActionEntry MouseFunction(std::uint8_t function) { return {kMouseFunction, 0x00, function, 0x00}; }

ButtonActionEntry WindowsCommandEntry(std::uint8_t windowsCommand)
{
    constexpr std::array<ButtonActionEntry, 7> kEntries = {{
        {kConsumer, 0x00, 0x94, 0x01},      // My computer: consumer usage 0x194
        {kConsumer, 0x00, 0x23, 0x02},      // Browser home: 0x223
        {kConsumer, 0x00, 0x21, 0x02},      // Search: 0x221
        {kKeyboard, 0x04, 0x2C, 0x1B},      // Maximum: Left Alt + Space + X
        {kKeyboard, 0x04, 0x2C, 0x11},      // Minimum: Left Alt + Space + N
        {kKeyboard, 0x00, kLeftGui, 0x07},  // Show desktop: GUI + D
        {kKeyboard, 0x00, kLeftGui, 0x15},  // Run: GUI + R
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
    std::copy(entry.begin(), entry.end(), block.begin() + static_cast<std::ptrdiff_t>(4 * slot));
}

}  // namespace

ButtonActionEntry ActionEntryFor(const ProfileRecord& record, std::size_t button)
{
    if (button >= settings::kButtonCount) {
        return {};
    }
    auto field = [&](std::size_t offset) { return record.Button(offset, button); };
    switch (field(ProfileRecord::kActionType)) {
        case kLeftButton:
            return MouseFunction(0xF0);
        case kRightButton:
            return MouseFunction(0xF1);
        case kMiddleButton:
            return MouseFunction(0xF2);
        case kForward:  // the mouse's codes for forward and backward are swapped
            return MouseFunction(0xF4);
        case kBackward:
            return MouseFunction(0xF3);
        case kDoubleClickType:
            return {kDoubleClick, 0xF0, 0x1E, 0x02};
        case kDpi:
            return {kDpiFunction, 0x00, field(ProfileRecord::kDpiFunction), 0x00};
        case kMultimedia: {
            const std::uint8_t code = field(ProfileRecord::kConsumerCode);
            return {kConsumer, 0x00, code, static_cast<std::uint8_t>(code == kMediaPlayer ? 0x01 : 0x00)};
        }
        case kHotKey:
            return {kKeyboard, 0x00, kLeftCtrl, field(ProfileRecord::kHotKeyLetter)};
        case kWindowsCommand:
            return WindowsCommandEntry(field(ProfileRecord::kWindowsCommand));
        case kSingleKey:
            return {kKeyboard, 0x00, field(ProfileRecord::kSingleKey), 0x00};
        case kCombo:
            return {kKeyboard, field(ProfileRecord::kComboModifiers), field(ProfileRecord::kComboKey1),
                    field(ProfileRecord::kComboKey2)};
        case kMacroType:
            return {kMacro, field(ProfileRecord::kMacroRepeatMode),
                    static_cast<std::uint8_t>(field(ProfileRecord::kMacroNumber) + 1), 0x00};
        case kTiltLeft:
            return MouseFunction(0xF5);
        case kTiltRight:
            return MouseFunction(0xF6);
        case kButtonOff:
        default:
            return {};
    }
}

// A button outside 0-18 has no slot: the answer is then one past the last slot.
std::size_t SlotOfButton(std::size_t button)
{
    return button < kSlots.size() ? kSlots[button] : settings::kBlockSize / 4;
}

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
