#pragma once
// What the pages draw on: skin images at a point, text in a rectangle, filled
// rectangles; and how wide a text comes out. The Windows program draws and measures
// through GDI; tests record the calls.

#include <string>
#include <string_view>

#include "ui/rect.h"
#include "ui/skin_state.h"

namespace zalvane::ui {

enum class TextAlignment {
    kCentre,  // horizontally and vertically centred on one line
    // As kCentre, but the text may run past the rectangle's edges instead of being cut
    // there: a value wider than its box ("12000" in a 25 px box) stays whole.
    kCentreUnclipped,
    kLeft,   // left-aligned, vertically centred, one line
    kRight,  // right-aligned, vertically centred, one line
    // Left-aligned, vertically centred, one line; a text wider than its rectangle is cut
    // and ends in an ellipsis, so that its start stays readable.
    kLeftEllipsis,
    // Left-aligned and wrapped at word breaks, the lines as a block vertically centred on
    // the rectangle; a block taller than the rectangle runs past its top and bottom.
    kLeftWrapped,
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

// How wide a text is drawn, for decisions that depend on whether it fits. The Windows
// program measures with the window's fonts; tests give each character a width.
class TextMeasure {
public:
    virtual ~TextMeasure() = default;
    // The width in pixels of `text` (UTF-8, one line) in `font`.
    virtual int TextWidth(std::string_view text, FontRole font) = 0;
};

// A caption is centred in its box; one wider than the box is drawn from the box's left
// edge and ends in an ellipsis.
inline TextAlignment CaptionAlignment(TextMeasure& measure, std::string_view text, const ui::Rect& box,
                                      FontRole font = FontRole::kMain)
{
    return measure.TextWidth(text, font) <= box.Width() ? TextAlignment::kCentre : TextAlignment::kLeftEllipsis;
}

}  // namespace zalvane::ui
