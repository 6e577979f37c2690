#include "pages/page_painter.h"

#include <string>

#include "pages/skin_catalogue.h"

namespace zalvane::pages {

void PagePainter::Image(std::string_view name, Point at)
{
    // A missing image is simply not drawn; the page's rectangles stay in force.
    (void)m_canvas.DrawImage(m_skin.ImagePath(name), at.x, at.y);
}

void PagePainter::Image(std::string_view pattern, int value, Point at)
{
    Image(pages::SkinImageName(pattern, value), at);
}

void PagePainter::Text(std::string_view text, const Rect& rect, ui::TextAlignment alignment, ui::FontRole font)
{
    if (!m_styled || m_font != font) {
        m_canvas.SetTextStyle(font, m_skin.textColour);
        m_styled = true;
        m_font = font;
    }
    m_canvas.DrawText(text, rect, alignment);
}

void PagePainter::Text(language::TextSlot slot, const Rect& rect, ui::TextAlignment alignment, ui::FontRole font)
{
    Text(language::SlotText(slot, m_language), rect, alignment, font);
}

}  // namespace zalvane::pages
