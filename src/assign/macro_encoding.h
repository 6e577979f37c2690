#pragma once
// Encoding of the macro file into the nineteen 128-byte macro blocks the mouse plays.

#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "platform/ini_store.h"
#include "settings/profile_record.h"

namespace zalvane::assign {

// A macro whose steps did not all fit its block: it was cut after the last event whose
// steps fit whole, so that the user can be told.
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
MacroAreaEncoding EncodeMacroArea(platform::IniStore& store, const std::string& macroFilePath);

}  // namespace zalvane::assign
