#pragma once
// The few real child windows of a skinned window: the main page's stage colour swatches,
// its scroll-lines box and its scroll thumb. The page decides when they exist, where they
// sit and what they show; the window makes them through this port. Tests record the calls.

#include <string>
#include <string_view>

#include "ui/rect.h"

namespace zalvane::ui {

enum class ChildKind {
    kColourSwatch,  // a plain static box without text, filled by the parent's colour answer
    kNumberBox,     // an edit box that takes digits only and centres its text
    kScrollThumb,   // the draggable image button of the right column (PNG resource 184)
};

struct ChildControlArgs {
    int id = 0;
    ChildKind kind = ChildKind::kColourSwatch;
    ui::Rect rect;     // parent client pixels
    std::string text;  // UTF-8; what a number box shows
    bool enabled = true;
    int maxChars = 0;  // a number box's text limit; 0: none
};

class ChildControlPort {
public:
    virtual ~ChildControlPort() = default;

    // Makes a visible child window; false when it could not be made.
    [[nodiscard]] virtual bool Create(const ChildControlArgs& args) = 0;
    // The calls below do nothing for an id that has no window.
    virtual void Destroy(int id) = 0;
    virtual void Move(int id, const ui::Rect& rect) = 0;
    virtual void Enable(int id, bool enabled) = 0;
    // A number box reports every text change it sees, this one included (see the page's
    // handling of its edits).
    virtual void SetText(int id, std::string_view text) = 0;
    // Repaints the control, e.g. a swatch whose colour changed.
    virtual void Repaint(int id) = 0;
};

}  // namespace zalvane::ui
