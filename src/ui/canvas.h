#pragma once
// What the pages draw on: skin images at a point, text in a rectangle, filled
// rectangles. The Windows program draws through GDI; tests record the calls.

#include <string>
#include <string_view>

#include "ui/rect.h"
#include "ui/skin_state.h"

namespace zalvane::ui {

enum class TextAlignment {
    kCentre,  // horizontally and vertically centred on one line
    kLeft,    // left-aligned, vertically centred, one line
    kRight,   // right-aligned, vertically centred, one line
};

enum class FontRole { kMain, kValue };

class Canvas {
public:
    virtual ~Canvas() = default;

    // The skin image at `path`, its top-left corner at (x, y), in its own size. False when
    // it could not be loaded; nothing is drawn then.
    virtual bool DrawImage(const std::string& path, int x, int y) = 0;

    // One line of text (UTF-8) in the current font and colour with a transparent background.
    virtual void DrawText(std::string_view text, const ui::Rect& rect, TextAlignment alignment) = 0;
    virtual void SetTextStyle(FontRole font, SkinColour colour) = 0;

    virtual void Fill(const ui::Rect& rect, SkinColour colour) = 0;
};

}  // namespace zalvane::ui
