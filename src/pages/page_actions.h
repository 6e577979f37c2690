#pragma once
// What a click on the main page asks for. Page actions change the page and the profile
// record and are carried out by the page itself; window actions need the window (flows,
// dialogs, the button-assignment lists) and go back to it.

#include <cstddef>
#include <cstdint>
#include <variant>

#include "pages/main_window_geometry.h"
#include "pages/page_state.h"
#include "pages/panel_rules.h"

namespace zalvane::pages {

// ---- page actions ----------------------------------------------------------------------

struct SetMouseView {
    MouseView view;
    friend bool operator==(const SetMouseView&, const SetMouseView&) = default;
};
// Folds "Button Assignment" or "X/Y Sensitivity Setting" out or in.
struct ToggleLeftItem {
    Item item;
    friend bool operator==(const ToggleLeftItem&, const ToggleLeftItem&) = default;
};
// A click on right item `index` (0..7): toggles it and lays out the view it belongs to.
struct ClickRightItem {
    std::size_t index;
    friend bool operator==(const ClickRightItem&, const ClickRightItem&) = default;
};
struct SetSetting {
    Setting setting;
    int index;  // stage or lighting row; 0 for the others
    std::uint8_t value;
    friend bool operator==(const SetSetting&, const SetSetting&) = default;
};
struct ToggleStageEnable {
    int stage;
    friend bool operator==(const ToggleStageEnable&, const ToggleStageEnable&) = default;
};
// The scroll-lines arrows: +1 up, -1 down; only while the box exists.
struct StepScrollLines {
    int delta;
    friend bool operator==(const StepScrollLines&, const StepScrollLines&) = default;
};

using PageAction =
    std::variant<SetMouseView, ToggleLeftItem, ClickRightItem, SetSetting, ToggleStageEnable, StepScrollLines>;

// ---- window actions --------------------------------------------------------------------

struct RunReset {
    friend bool operator==(const RunReset&, const RunReset&) = default;
};
struct RunCancel {
    friend bool operator==(const RunCancel&, const RunCancel&) = default;
};
// The page has set its busy flag; the window runs the save flow and starts timer 1, whose
// end clears the flag (MainPage::ClearBusy).
struct RunSave {
    friend bool operator==(const RunSave&, const RunSave&) = default;
};
struct OpenHelp {
    friend bool operator==(const OpenHelp&, const OpenHelp&) = default;
};
struct CloseHelp {
    friend bool operator==(const CloseHelp&, const CloseHelp&) = default;
};
struct Minimise {
    friend bool operator==(const Minimise&, const Minimise&) = default;
};
// Ends the program the way the tray's "Exit" does.
struct CloseProgram {
    friend bool operator==(const CloseProgram&, const CloseProgram&) = default;
};
struct OpenConfig {
    friend bool operator==(const OpenConfig&, const OpenConfig&) = default;
};
struct OpenMacroManager {
    friend bool operator==(const OpenMacroManager&, const OpenMacroManager&) = default;
};
// The click fell outside button-assignment row `row` (1..12) and its list area: that
// row's open lists close.
struct CloseRowLists {
    int row;
    friend bool operator==(const CloseRowLists&, const CloseRowLists&) = default;
};
// A click on row `row` opens its function list; `view` says which button the row stands
// for (rows 8..12 exist only in the side view and always answer for it).
struct OpenRowList {
    int row;
    MouseView view;
    friend bool operator==(const OpenRowList&, const OpenRowList&) = default;
};
// The colour dialog for stage `stage` (0..6); its answer goes to MainPage::StageColourChosen.
struct ChooseStageColour {
    int stage;
    friend bool operator==(const ChooseStageColour&, const ChooseStageColour&) = default;
};

using WindowAction = std::variant<RunReset, RunCancel, RunSave, OpenHelp, CloseHelp, Minimise, CloseProgram, OpenConfig,
                                  OpenMacroManager, CloseRowLists, OpenRowList, ChooseStageColour>;

}  // namespace zalvane::pages
