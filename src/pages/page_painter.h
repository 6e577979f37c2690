#pragma once
// Draws skin images and texts of the main page onto a canvas: images by their skin names,
// texts by their language slots, in the skin's text colour.

#include <string_view>

#include "language/language.h"
#include "language/language_tables.h"
#include "pages/geometry_types.h"
#include "ui/canvas.h"
#include "ui/skin_state.h"

namespace zalvane::pages {

class PagePainter {
public:
    PagePainter(ui::Canvas& canvas, const ui::SkinState& skin, language::Language language)
        : m_canvas(canvas), m_skin(skin), m_language(language)
    {
    }

    // The image named `name` ("/main.png") with its top-left corner at `at`.
    void Image(std::string_view name, Point at);
    // The image of a numbered family ("/Lighting/%d.png") for `value`.
    void Image(std::string_view pattern, int value, Point at);

    void Text(std::string_view text, const Rect& rect, ui::TextAlignment alignment, ui::FontRole font);
    void Text(language::TextSlot slot, const Rect& rect, ui::TextAlignment alignment,
              ui::FontRole font = ui::FontRole::kMain);

    ui::Canvas& Canvas() { return m_canvas; }

private:
    ui::Canvas& m_canvas;
    const ui::SkinState& m_skin;
    language::Language m_language;
    bool m_styled = false;
    ui::FontRole m_font = ui::FontRole::kMain;
};

}  // namespace zalvane::pages
