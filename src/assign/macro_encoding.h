#pragma once
// Encoding of the macro file into the nineteen 128-byte macro blocks the mouse plays.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "assign/key_name_map.h"
#include "assign/macro_file.h"
#include "platform/ini_store.h"
#include "settings/profile_record.h"

namespace zalvane::assign {

// A block: the loop count (high byte first), then two-byte steps, then zeros.
inline constexpr std::size_t kLoopCountHigh = 0;
inline constexpr std::size_t kLoopCountLow = 1;
inline constexpr std::size_t kFirstStep = 2;
// Event step: timing byte (release bit, delay value), key code. Hundreds step: a count of
// 100 ms units, then this code, which never stands for a key; a count of 0 means the
// next two bytes hold the count, high byte first.
inline constexpr std::uint8_t kReleaseBit = 0x80;
inline constexpr std::uint8_t kHundredsCode = 0x03;
inline constexpr std::int64_t kMaxShortDelay = 1270;      // one step, in tens of ms
inline constexpr std::int64_t kMaxHundredsDelay = 25500;  // 255 hundreds
// 65535 hundreds, the longest delay a block can carry and the most the manager lets one
// type; longer delays are played as this one rather than wrapping round to a short one.
inline constexpr std::int64_t kMaxMacroDelay = 6553500;
// Between events of a macro recorded without delays.
inline constexpr std::string_view kDefaultDelayText = "50 ms";

struct MacroSteps {
    std::array<std::uint8_t, 6> bytes{};
    std::size_t size = 0;
};

// The steps of one event: a press or release of `keyCode`, followed by `delay` ms.
MacroSteps StepsFor(bool release, std::int64_t delay, std::uint8_t keyCode);

// The delay of a delay line ("120 ms"): every " ms" removed, the rest read as a decimal
// number; negative delays count as 0, long ones as kMaxMacroDelay.
std::int64_t DelayFromText(std::string_view text);

// Fills one block from a macro; returns how many events were left out (0 when all fit).
// A macro too long for the block is cut after the last event that fits and leaves no key
// or button held; where no such event fits, after the last event that fits whole. The
// macro file keeps every line either way. Key names the key name table does not know are
// looked up in `reportedNames`.
std::size_t EncodeMacroBlock(const MacroRecord& macro, std::span<std::uint8_t, settings::kMacroBlockSize> block,
                             const KeyNameMap& reportedNames = {});

// A macro whose steps did not all fit its block, so that the user can be told.
struct MacroCut {
    std::size_t position = 0;  // 0-based place in the macro list
    std::string name;
    std::size_t eventsLeftOut = 0;
};

struct MacroAreaEncoding {
    std::array<std::uint8_t, settings::kMacroAreaSize> area{};
    std::vector<MacroCut> cuts;
    std::size_t macrosLeftOut = 0;  // macros beyond the nineteenth, which have no block
};

// Encodes every macro of the macro file at `macroFilePath`, in file order.
MacroAreaEncoding EncodeMacroArea(platform::IniStore& store, const std::string& macroFilePath,
                                  const KeyNameMap& reportedNames = {});

}  // namespace zalvane::assign
