#pragma once
// The canvas over a GDI surface (usually a CMemDC with a window's background bitmap),
// which also measures text in the surface's fonts.

#include <windows.h>

#include <string>

#include "ui/canvas.h"
#include "ui/win/skin_image.h"

namespace zalvane::ui::win {

class GdiCanvas final : public Canvas, public TextMeasure {
public:
    // The fonts stay owned by the caller; the surface gets its first font back at the end.
    // With `images`, skin images are drawn from that cache instead of decoded each time.
    GdiCanvas(HDC dc, HFONT mainFont, HFONT valueFont, SkinImageCache* images = nullptr) noexcept;
    ~GdiCanvas() override;
    GdiCanvas(const GdiCanvas&) = delete;
    GdiCanvas& operator=(const GdiCanvas&) = delete;

    bool DrawImage(const std::string& path, int x, int y) override;
    void DrawText(std::string_view text, const ui::Rect& rect, TextAlignment alignment) override;
    void SetTextStyle(FontRole font, SkinColour colour) override;
    void Fill(const ui::Rect& rect, SkinColour colour) override;
    int TextWidth(std::string_view text, FontRole font) override;

private:
    void DrawWrapped(const std::wstring& text, RECT area);

    HDC m_dc;
    HFONT m_mainFont;
    HFONT m_valueFont;
    SkinImageCache* m_images;
    HGDIOBJ m_firstFont = nullptr;
};

}  // namespace zalvane::ui::win
