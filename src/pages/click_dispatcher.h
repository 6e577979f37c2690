#pragma once
// The main page's click dispatcher: which controls a left click at a point hits, in a fixed
// order, and what each asks for. A control is tested only while its panel is open and
// drawn, so a closed panel's old rectangles never take a click meant for what now lies
// there. A click that no row ends drags the window.

#include <vector>

#include "pages/page_actions.h"
#include "pages/page_state.h"
#include "pages/panel_sizes.h"

namespace zalvane::pages {

struct ClickPlan {
    std::vector<PageAction> pageActions;  // in the order of the rows that asked
    std::vector<WindowAction> windowActions;
    bool endsClick = false;  // false: the window starts a drag from the click point
    friend bool operator==(const ClickPlan&, const ClickPlan&) = default;
};

// Tests every row against the state as it was before the click. Only the item strips'
// rows let testing go on after moving things, and a point on a strip lies in no control
// of the rows after them once the strips have moved (the panels that move are all below
// the clicked strip), so testing the old state decides as testing after each row would.
ClickPlan PlanClick(const PageState& state, Point point, const PanelSizes& sizes);

}  // namespace zalvane::pages
