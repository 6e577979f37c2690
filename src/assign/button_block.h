#pragma once
// The mouse takes the assignment of its nineteen buttons as one 128-byte block of
// four-byte action entries.

#include <array>
#include <cstddef>
#include <cstdint>

#include "settings/profile_record.h"
#include "settings/settings_image.h"

namespace zalvane::assign {

using ButtonActionEntry = std::array<std::uint8_t, 4>;
inline constexpr std::size_t kButtonSlotCount = 32;
static_assert(kButtonSlotCount * std::tuple_size_v<ButtonActionEntry> == settings::kBlockSize,
              "the button block is 32 slots of one four-byte entry");

// The entry for button `button` (0-18) from its action type and parameters.
ButtonActionEntry ActionEntryFor(const settings::ProfileRecord& record, std::size_t button);

// The slot (0-31) of the block that button `button` (0-18) occupies.
std::size_t SlotOfButton(std::size_t button);

// The whole block: every button's entry in its slot, the two fixed slots, zero elsewhere.
std::array<std::uint8_t, settings::kBlockSize> BuildButtonBlock(const settings::ProfileRecord& record);

}  // namespace zalvane::assign
