#pragma once
// Buttons follow their macro. A button plays a macro by its place in the macro list;
// when the macro manager deletes, adds or renames macros, the buttons of the profile
// record are brought along, so that each keeps playing the macro it was given, and a
// button whose macro is gone is switched off instead of silently playing another one.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "language/language.h"
#include "settings/profile_record.h"
#include "settings/text_settings.h"

namespace zalvane::assign {

// Where the macros went while the manager was open.
struct MacroPositionMap {
    // By a macro's place when the manager opened: its place now, nothing once deleted.
    std::vector<std::optional<std::size_t>> newPosition;
    std::vector<std::string> oldNames;  // by place when the manager opened
    std::vector<std::string> newNames;  // by place now

    friend bool operator==(const MacroPositionMap&, const MacroPositionMap&) = default;
};

// Every button of action type "Macro Key" gets its macro's new place, and its caption
// ("Macro Key" + "-" + name, in `language`) the macro's name where place or name
// changed; a button whose macro was deleted becomes "Button Off" with that caption. A
// button whose number named no macro when the manager opened is left as it is.
void FollowMacros(settings::ProfileRecord& record, settings::ButtonCaptions& captions, const MacroPositionMap& map,
                  language::Language language);

// Moves the encoded blocks of `area` to their macros' new places; a place of the old
// list that no macro moved to becomes zero, blocks past the old list stay. For an area
// that was not encoded again (the manager was cancelled), so that blocks and buttons
// keep agreeing.
void RemapMacroArea(std::span<std::uint8_t, settings::kMacroAreaSize> area, const MacroPositionMap& map);

}  // namespace zalvane::assign
