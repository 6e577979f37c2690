#pragma once
// The names the system gives the keys, asked for with a key event's keystroke flags word.

#include <cstdint>
#include <string>

#include "assign/key_name_map.h"

namespace zalvane::assign::win {

// GetKeyNameTextW of `keyFlags` (scan code in bits 16-23, extended flag in bit 24) into a
// buffer of 32 characters, as UTF-8; empty when the system knows no name.
std::string SystemKeyName(std::uint32_t keyFlags);

// The map from every name the system reports to its key's code, for this run's keyboard
// layout and display.
KeyNameMap BuildSystemKeyNameMap();

}  // namespace zalvane::assign::win
