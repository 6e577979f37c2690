#pragma once
// The one warning box the macro manager shows on OK when the mouse cannot take every
// macro as the file holds it: which macros were cut to fit their block and by how many
// events, and that only the first nineteen macros have a block at all.

#include <optional>
#include <string>

#include "assign/macro_encoding.h"
#include "language/language.h"

namespace zalvane::assign {

// The box's text in `language`, one line per cut macro; nothing when everything fits.
std::optional<std::string> MacroFitWarning(const MacroAreaEncoding& encoding, language::Language language);

}  // namespace zalvane::assign
