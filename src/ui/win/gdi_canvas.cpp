#include "ui/win/gdi_canvas.h"

#include "platform/win/unique_handle.h"
#include "platform/win/wide_text.h"

namespace zalvane::ui::win {
namespace {

COLORREF ToColorRef(SkinColour colour) { return RGB(colour.red, colour.green, colour.blue); }

RECT ToRect(const ui::Rect& rect) { return {rect.left, rect.top, rect.right, rect.bottom}; }

}  // namespace

GdiCanvas::GdiCanvas(HDC dc, HFONT mainFont, HFONT valueFont, SkinImageCache* images) noexcept
    : m_dc(dc), m_mainFont(mainFont), m_valueFont(valueFont), m_images(images)
{
}

GdiCanvas::~GdiCanvas()
{
    if (m_firstFont) {
        ::SelectObject(m_dc, m_firstFont);
    }
}

bool GdiCanvas::DrawImage(const std::string& path, int x, int y)
{
    const std::wstring widePath = platform::win::Widen(path);
    return m_images ? m_images->Draw(m_dc, widePath, x, y) : DrawSkinImage(m_dc, widePath, x, y);
}

void GdiCanvas::DrawText(std::string_view text, const ui::Rect& rect, TextAlignment alignment)
{
    std::wstring wide = platform::win::Widen(text);
    RECT area = ToRect(rect);
    if (alignment == TextAlignment::kLeftWrapped) {
        DrawWrapped(wide, area);
        return;
    }
    UINT format = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX;
    switch (alignment) {
        case TextAlignment::kCentre:
            format |= DT_CENTER;
            break;
        case TextAlignment::kCentreUnclipped:
            format |= DT_CENTER | DT_NOCLIP;
            break;
        case TextAlignment::kLeft:
            format |= DT_LEFT;
            break;
        case TextAlignment::kRight:
            format |= DT_RIGHT;
            break;
        case TextAlignment::kLeftEllipsis:
            format |= DT_LEFT | DT_END_ELLIPSIS;
            break;
        case TextAlignment::kLeftWrapped:
            break;
    }
    ::DrawTextW(m_dc, wide.c_str(), static_cast<int>(wide.size()), &area, format);
}

void GdiCanvas::DrawWrapped(const std::wstring& text, RECT area)
{
    constexpr UINT kFormat = DT_LEFT | DT_WORDBREAK | DT_NOPREFIX;
    RECT block = area;
    ::DrawTextW(m_dc, text.c_str(), static_cast<int>(text.size()), &block, kFormat | DT_CALCRECT);
    const int height = block.bottom - block.top;
    area.top += ((area.bottom - area.top) - height) / 2;
    area.bottom = area.top + height;
    ::DrawTextW(m_dc, text.c_str(), static_cast<int>(text.size()), &area, kFormat | DT_NOCLIP);
}

void GdiCanvas::SetTextStyle(FontRole font, SkinColour colour)
{
    const HFONT chosen = font == FontRole::kMain ? m_mainFont : m_valueFont;
    if (chosen) {
        const HGDIOBJ previous = ::SelectObject(m_dc, chosen);
        if (!m_firstFont) {
            m_firstFont = previous;
        }
    }
    ::SetTextColor(m_dc, ToColorRef(colour));
    ::SetBkMode(m_dc, TRANSPARENT);
}

int GdiCanvas::TextWidth(std::string_view text, FontRole font)
{
    const std::wstring wide = platform::win::Widen(text);
    const HFONT chosen = font == FontRole::kMain ? m_mainFont : m_valueFont;
    const HGDIOBJ previous = chosen ? ::SelectObject(m_dc, chosen) : nullptr;
    SIZE extent{};
    const BOOL measured = ::GetTextExtentPoint32W(m_dc, wide.c_str(), static_cast<int>(wide.size()), &extent);
    if (previous) {
        ::SelectObject(m_dc, previous);
    }
    return measured ? extent.cx : 0;
}

void GdiCanvas::Fill(const ui::Rect& rect, SkinColour colour)
{
    const platform::win::UniqueHBrush brush(::CreateSolidBrush(ToColorRef(colour)));
    const RECT area = ToRect(rect);
    if (brush) {
        ::FillRect(m_dc, &area, brush.get());
    }
}

}  // namespace zalvane::ui::win
