#pragma once
// The main page's fixed parts: the background with its frame buttons and their labels, the
// "Front" / "Side" switches with the mouse picture, and the item strips with their captions.

#include "pages/main_window_geometry.h"
#include "pages/page_painter.h"
#include "pages/page_state.h"

namespace zalvane::pages {

// "/main.png", logo, scroll bar, the title-strip and bottom-bar buttons with their labels.
void DrawFrame(PagePainter& painter);

// The two switches (the one of `view` selected) with their labels, and that view's picture.
void DrawMouseSwitches(PagePainter& painter, MouseView view);
void DrawMousePicture(PagePainter& painter, MouseView view);

// The item's strip image at `strip` and its caption 10 px in from the left.
void DrawItemStrip(PagePainter& painter, Item item, const Rect& strip);

}  // namespace zalvane::pages
