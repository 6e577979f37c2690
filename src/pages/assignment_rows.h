#pragma once
// The button-assignment rows as the main page sees them: the assignment code draws the
// rows' drop-down boxes and captions onto the open panel and owns their function lists.

#include "pages/page_state.h"
#include "ui/canvas.h"

namespace zalvane::pages {

class AssignmentRows {
public:
    virtual ~AssignmentRows() = default;
    // Called after the panel background of `view` is drawn: rows 1..7 in the front view,
    // 1..12 in the side view.
    virtual void DrawRows(ui::Canvas& canvas, MouseView view) = 0;
    // The layout reset and every closing of the page's transient controls.
    virtual void CloseAllLists() = 0;
};

}  // namespace zalvane::pages
