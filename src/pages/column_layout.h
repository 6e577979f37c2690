#pragma once
// Where the fold-out items go. Each function moves the live strips and sets the flags of
// the page state; drawing then follows the strips. Nothing here draws.

#include <cstddef>

#include "pages/page_state.h"
#include "pages/panel_sizes.h"

namespace zalvane::pages {

// The strip that follows `strip`: 5 px below it, or below its panel when that is open.
Rect NextStrip(const Rect& strip, bool open, int panelHeight);

// "Macro Manager" and "X/Y Sensitivity Setting" below the "Button Assignment" strip, or
// below its panel (of the current mouse view) when it is open.
void LayoutLeftColumn(PageState& state, const PanelSizes& sizes);

struct TopViewPass {
    std::size_t drawnItems = 0;  // right items 0 .. drawnItems - 1 are drawn, in order
    bool stopped = false;        // the column was full: the thumb goes back to the top
};

// The right column's top view from "DPI Setting" down, with the fold-out flags as they are
// (a clicked item is toggled before). The stack stops early once the open panels would run
// past the bottom bar; the items not drawn are no longer visible. The view becomes the top
// view whether or not the stack stops, since that is what is drawn.
TopViewPass LayoutTopView(PageState& state, const PanelSizes& sizes);

// The bottom view: the first three items hidden, the five lower ones from the place of
// "DPI Setting" down.
void LayoutBottomView(PageState& state, const PanelSizes& sizes);

enum class ThumbScroll { kNone, kToBottomView, kToTopView };

// The thumb's top edge is now `thumbTop` (client y, taken as sent). Recounts the open
// panels; with two or more open, the lower half of the bar asks for the bottom view and
// the upper half for the top view, unless the column shows it already.
ThumbScroll ScrollForThumb(PageState& state, int thumbTop);

// Everything folded in, every item visible, top view, front view, strips as at the start.
void ResetLayout(PageState& state);

}  // namespace zalvane::pages
