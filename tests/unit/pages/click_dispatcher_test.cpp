#include "pages/click_dispatcher.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>

#include "pages/column_layout.h"
#include "pages/sensor_panel_geometry.h"

namespace zalvane::pages {
namespace {

constexpr unsigned E(std::size_t index) { return 1u << index; }

struct Setup {
    unsigned flags = 0;
    RightView view = RightView::kTop;
    bool assignment = false;
    MouseView mouse = MouseView::kFront;
    bool xy = false;
    bool help = false;
    bool config = false;
    bool busy = false;
    bool ready = true;
};

// A page as the window leaves it: the columns laid out for the flags.
PageState Page(const Setup& setup)
{
    PageState state;
    state.pagesReady = setup.ready;
    state.busy = setup.busy;
    state.helpOpen = setup.help;
    state.configOpen = setup.config;
    state.mouseView = setup.mouse;
    state.buttonAssignmentOpen = setup.assignment;
    state.xyOpen = setup.xy;
    for (std::size_t item = 0; item < kRightItemCount; ++item) {
        state.open[item] = ((setup.flags >> item) & 1u) != 0;
    }
    LayoutLeftColumn(state, PanelSizes{});
    if (setup.view == RightView::kTop) {
        (void)LayoutTopView(state, PanelSizes{});
    } else {
        LayoutBottomView(state, PanelSizes{});
    }
    return state;
}

// The lists of every row but `kept` close, then `after`.
std::vector<WindowAction> Closing(std::initializer_list<int> kept = {}, std::vector<WindowAction> after = {},
                                  std::vector<WindowAction> before = {})
{
    std::vector<WindowAction> actions = std::move(before);
    for (int row = 1; row <= kAssignmentRowCount; ++row) {
        if (std::ranges::find(kept, row) == kept.end()) {
            actions.push_back(CloseRowLists{row});
        }
    }
    actions.insert(actions.end(), after.begin(), after.end());
    return actions;
}

struct Case {
    const char* what;
    Setup setup;
    Point point;
    std::vector<PageAction> page;
    std::vector<WindowAction> window;
    bool ends;
};

TEST(ClickDispatcherTest, EachRowTakesItsClicks)
{
    using S = Setting;
    const Case cases[] = {
        {"before start-up", {.ready = false}, {800, 610}, {}, {}, false},
        {"empty place", {}, {600, 600}, {}, Closing(), false},
        {"Reset", {}, {800, 610}, {}, {RunReset{}}, true},
        {"Cancel", {}, {870, 610}, {}, {RunCancel{}}, true},
        {"Save", {}, {930, 610}, {}, {RunSave{}}, true},
        {"Save while busy", {.busy = true}, {930, 610}, {}, {}, true},
        {"Help", {}, {940, 10}, {}, {OpenHelp{}}, true},
        {"Help again", {.help = true}, {940, 10}, {}, {CloseHelp{}}, true},
        {"anywhere with help open", {.help = true}, {600, 600}, {}, Closing({}, {}, {CloseHelp{}}), false},
        {"Minimise with help open", {.help = true}, {960, 10}, {}, {CloseHelp{}, Minimise{}}, true},
        {"Close", {}, {980, 10}, {}, {CloseProgram{}}, true},
        {"Config", {}, {20, 610}, {}, {OpenConfig{}}, true},
        {"Config already open", {.config = true}, {20, 610}, {}, {}, true},
        {"Front", {.mouse = MouseView::kSide}, {440, 530}, {SetMouseView{MouseView::kFront}}, {}, true},
        {"Side", {}, {510, 530}, {SetMouseView{MouseView::kSide}}, {}, true},
        {"Button Assignment", {}, {30, 110}, {ToggleLeftItem{Item::kButtonAssignment}}, {}, true},
        {"Macro Manager", {}, {30, 140}, {}, {OpenMacroManager{}}, true},
        {"Macro Manager below the open panel", {.assignment = true}, {30, 290}, {}, {OpenMacroManager{}}, true},
        {"X/Y Sensitivity", {}, {30, 180}, {ToggleLeftItem{Item::kXySensitivity}}, {}, true},
        {"DPI strip", {}, {740, 40}, {ClickRightItem{kDpiIndex}}, Closing(), false},
        {"DPI's place in the bottom view",
         {.flags = E(0) | E(2), .view = RightView::kBottom},
         {740, 40},
         {ClickRightItem{kMouseSpeedIndex}},
         Closing(),
         false},
        {"strip left out by a full column", {.flags = E(0) | E(2)}, {740, 490}, {}, Closing(), false},
        {"stage colour", {.flags = E(0)}, {815, 270}, {}, Closing({}, {}, {ChooseStageColour{2}}), false},
        {"stage colour, DPI closed", {}, {815, 270}, {}, Closing(), false},
        {"stage enable", {.flags = E(0)}, {780, 250}, {ToggleStageEnable{1}}, Closing(), false},
        // In the bottom view the lower strips lie over the DPI panel's old place.
        {"stage enable in the bottom view",
         {.flags = E(0) | E(3), .view = RightView::kBottom},
         {780, 250},
         {ClickRightItem{kGestureIndex}},
         Closing(),
         false},
        {"lighting mode", {.flags = E(1)}, {745, 130}, {SetSetting{S::kLightingMode, 0, 2}}, Closing(), false},
        {"report rate dial", {.flags = E(2)}, {876, 143}, {SetSetting{S::kReportInterval, 0, 1}}, Closing(), false},
        {"report rate dial off the ring", {.flags = E(2)}, {855, 171}, {}, Closing(), false},
        {"mouse speed dial", {.flags = E(3)}, {855, 168}, {SetSetting{S::kMouseSpeed, 0, 7}}, Closing(), false},
        {"double-click dial", {.flags = E(4)}, {905, 243}, {SetSetting{S::kDoubleClickSpeed, 0, 12}}, Closing(), false},
        {"line mode", {.flags = E(5)}, {745, 195}, {SetSetting{S::kScrollMode, 0, 0}}, Closing(), false},
        {"page mode", {.flags = E(5)}, {745, 230}, {SetSetting{S::kScrollMode, 0, 1}}, Closing(), false},
        {"scroll up", {.flags = E(5)}, {925, 195}, {StepScrollLines{+1}}, Closing(), false},
        {"scroll down", {.flags = E(5)}, {925, 203}, {StepScrollLines{-1}}, Closing(), false},
        {"angle snap on", {.flags = E(6)}, {755, 220}, {SetSetting{S::kAngleSnap, 0, 1}}, Closing(), false},
        {"angle snap off", {.flags = E(6)}, {876, 220}, {SetSetting{S::kAngleSnap, 0, 0}}, Closing(), false},
        // The X slider lies over row 6 while "Button Assignment" is closed: the row stays shut.
        {"X slider", {.xy = true}, {130, 240}, {SetSetting{S::kSensitivityX, 0, 6}}, Closing({6}), false},
        {"row 1 of a closed panel", {}, {130, 130}, {}, Closing({1}), false},
        {"list area", {}, {300, 200}, {}, Closing({1, 2, 3, 4}), false},
        {"row 2, front view",
         {.assignment = true},
         {130, 150},
         {},
         Closing({2}, {OpenRowList{2, MouseView::kFront}}),
         true},
        {"row 2, side view",
         {.assignment = true, .mouse = MouseView::kSide},
         {130, 150},
         {},
         Closing({2}, {OpenRowList{2, MouseView::kSide}}),
         true},
        {"row 8 in the front view",
         {.assignment = true},
         {130, 275},
         {},
         Closing({8}, {OpenRowList{8, MouseView::kSide}}),
         true},
        {"stage slider", {.flags = E(0)}, {746, 100}, {SetSetting{S::kStageValue, 0, 104}}, Closing(), false},
        // The lighting rows slide under the stage sliders while DPI is closed.
        {"lighting slider under a closed DPI slider",
         {.flags = E(1)},
         {851, 100},
         {SetSetting{S::kLightingParameter, 0, 2}},
         Closing(),
         false},
        {"gesture slider", {.flags = E(7)}, {781, 260}, {SetSetting{S::kGestureCorrection, 0, 2}}, Closing(), false},
    };
    for (const Case& c : cases) {
        const ClickPlan plan = PlanClick(Page(c.setup), c.point, PanelSizes{});
        EXPECT_EQ(plan.pageActions, c.page) << c.what;
        EXPECT_EQ(plan.windowActions, c.window) << c.what;
        EXPECT_EQ(plan.endsClick, c.ends) << c.what;
    }
}

TEST(ClickDispatcherTest, ControlsOfAPanelLeftOutOfTheColumnTakeNoClick)
{
    // DPI and USB Report Rate fill the column: "Gesture Correction" is open but not drawn.
    const PageState state = Page({.flags = E(0) | E(2) | E(7)});
    ASSERT_FALSE(state.visible[kGestureIndex]);
    const Rect slider = GestureSlider(state.RightStrip(kGestureIndex));
    const ClickPlan plan = PlanClick(state, {slider.left + 10, slider.top + 2}, PanelSizes{});
    EXPECT_TRUE(plan.pageActions.empty());
}

}  // namespace
}  // namespace zalvane::pages
