#pragma once
// What the macro manager draws on its background: the record button, OK, Cancel, New and
// Delete, the close area, the two tick boxes, and every text (title, column headers,
// captions, option labels) in the skin's text colour. The lists and the loop field are
// child windows and draw themselves.

#include <optional>

#include "assign/macro_manager_layout.h"
#include "language/language.h"
#include "ui/canvas.h"
#include "ui/skin_state.h"

namespace zalvane::pages {

struct MacroManagerLook {
    language::Language language = language::Language::kEnglish;
    bool recording = false;  // the title and the record button say how to stop
    bool recordDelays = false;
    bool loopOption = false;
    std::optional<assign::MacroManagerArea> hot;  // shown in its "over" image when it is a hot area
};

// Draws over the dialog's background image, which the window keeps and puts down first.
void PaintMacroManager(ui::Canvas& canvas, const ui::SkinState& skin, const MacroManagerLook& look);

}  // namespace zalvane::pages
