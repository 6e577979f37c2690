#include "pages/click_dispatcher.h"

#include "pages/dpi_panel_geometry.h"
#include "pages/lighting_panel_geometry.h"
#include "pages/pointer_panel_geometry.h"
#include "pages/sensor_panel_geometry.h"
#include "settings/profile_record.h"

namespace zalvane::pages {
namespace {

constexpr int kStageCount = static_cast<int>(settings::kStageCount);

class Planner {
public:
    Planner(const PageState& state, Point point, const PanelSizes& sizes)
        : m_state(state), m_point(point), m_sizes(sizes)
    {
    }

    ClickPlan Plan()
    {
        if (!m_state.pagesReady) {
            return {};
        }
        if (FrameButtons() || MouseViewSwitches() || LeftStrips()) {
            m_plan.endsClick = true;
        } else {
            Rest();
        }
        return m_plan;
    }

private:
    bool Hit(const Rect& rect) const { return rect.Contains(m_point); }
    bool TopView() const { return m_state.rightView == RightView::kTop; }
    void Page(PageAction action) { m_plan.pageActions.push_back(action); }
    void Window(WindowAction action) { m_plan.windowActions.push_back(action); }
    // An action of a row that ends the click.
    bool Ends(PageAction action)
    {
        Page(action);
        return true;
    }
    bool Ends(WindowAction action)
    {
        Window(action);
        return true;
    }

    // Rows 1 to 8: each ends the click; a help dialog closes at any other point.
    bool FrameButtons()
    {
        if (Hit(kResetButton)) {
            return Ends(RunReset{});
        }
        if (Hit(kCancelButton)) {
            return Ends(RunCancel{});
        }
        if (Hit(kSaveButton)) {
            if (!m_state.busy) {
                Window(RunSave{});
            }
            return true;
        }
        if (Hit(kHelpButton)) {
            Window(m_state.helpOpen ? WindowAction{CloseHelp{}} : WindowAction{OpenHelp{}});
            return true;
        }
        if (m_state.helpOpen) {
            Window(CloseHelp{});
        }
        if (Hit(kMinimiseButton)) {
            return Ends(Minimise{});
        }
        if (Hit(kCloseButton)) {
            return Ends(CloseProgram{});
        }
        if (Hit(kConfigButton)) {
            if (!m_state.configOpen) {
                Window(OpenConfig{});
            }
            return true;
        }
        return false;
    }

    bool MouseViewSwitches()
    {
        if (Hit(kFrontSwitch)) {
            return Ends(SetMouseView{MouseView::kFront});
        }
        if (Hit(kSideSwitch)) {
            return Ends(SetMouseView{MouseView::kSide});
        }
        return false;
    }

    bool LeftStrips()
    {
        if (Hit(m_state.Strip(Item::kButtonAssignment))) {
            return Ends(ToggleLeftItem{Item::kButtonAssignment});
        }
        if (Hit(m_state.Strip(Item::kMacroManager))) {
            return Ends(OpenMacroManager{});
        }
        if (Hit(m_state.Strip(Item::kXySensitivity))) {
            return Ends(ToggleLeftItem{Item::kXySensitivity});
        }
        return false;
    }

    // Rows 14 to 29: none of them but the button-assignment row ends the click.
    void Rest()
    {
        RightStrips();
        DpiControls();
        LightingSwitches();
        PointerAndSnapControls();
        XySliders();
        if (AssignmentRows()) {
            m_plan.endsClick = true;
            return;
        }
        Sliders();
    }

    void RightStrips()
    {
        for (std::size_t index = 0; index < kRightItemCount; ++index) {
            const bool reachable = index >= kTopOnlyItemCount || TopView();
            if (reachable && m_state.visible[index] && Hit(m_state.RightStrip(index))) {
                Page(ClickRightItem{index});
            }
        }
    }

    bool DpiShown() const { return TopView() && m_state.Shows(kDpiIndex); }
    bool LightingShown() const { return TopView() && m_state.Shows(kLightingIndex); }

    void DpiControls()
    {
        if (!DpiShown()) {
            return;
        }
        for (int stage = 0; stage < kStageCount; ++stage) {
            if (Hit(DpiColourSwatch(stage))) {
                Window(ChooseStageColour{stage});
            }
        }
        for (int stage = 0; stage < kStageCount; ++stage) {
            if (Hit(DpiEnableSwitch(stage))) {
                Page(ToggleStageEnable{stage});
            }
        }
    }

    void LightingSwitches()
    {
        if (!LightingShown()) {
            return;
        }
        const Rect& strip = m_state.RightStrip(kLightingIndex);
        for (int row = 1; row <= kLightingRowCount; ++row) {
            if (Hit(LightingModeSwitch(strip, row))) {
                Page(SetSetting{Setting::kLightingMode, 0, static_cast<std::uint8_t>(row)});
            }
        }
    }

    int PanelWidth(std::size_t index) const { return m_sizes.Of(RightPanel(index)).width; }

    void SpeedDialAt(std::size_t index, Setting setting)
    {
        if (!m_state.Shows(index)) {
            return;
        }
        const Rect dial = SpeedDial(m_state.RightStrip(index), PanelWidth(index));
        if (Hit(dial)) {
            if (const auto speed = SpeedAt(m_point, dial)) {
                Page(SetSetting{setting, 0, *speed});
            }
        }
    }

    void PointerAndSnapControls()
    {
        if (TopView() && m_state.Shows(kReportRateIndex)) {
            const Rect dial = ReportRateDial(m_state.RightStrip(kReportRateIndex), PanelWidth(kReportRateIndex));
            if (Hit(dial)) {
                if (const auto interval = ReportIntervalAt(m_point, dial)) {
                    Page(SetSetting{Setting::kReportInterval, 0, *interval});
                }
            }
        }
        SpeedDialAt(kMouseSpeedIndex, Setting::kMouseSpeed);
        SpeedDialAt(kDoubleClickIndex, Setting::kDoubleClickSpeed);
        if (m_state.Shows(kScrollSpeedIndex)) {
            const Rect& strip = m_state.RightStrip(kScrollSpeedIndex);
            if (Hit(LineModeSwitch(strip))) {
                Page(SetSetting{Setting::kScrollMode, 0, 0});
            }
            if (Hit(PageModeSwitch(strip))) {
                Page(SetSetting{Setting::kScrollMode, 0, 1});
            }
            if (Hit(ScrollUpArrow(strip))) {
                Page(StepScrollLines{+1});
            }
            if (Hit(ScrollDownArrow(strip))) {
                Page(StepScrollLines{-1});
            }
        }
        if (m_state.Shows(kAngleSnapIndex)) {
            const Rect& strip = m_state.RightStrip(kAngleSnapIndex);
            if (Hit(AngleSnapOnSwitch(strip))) {
                Page(SetSetting{Setting::kAngleSnap, 0, 1});
            }
            if (Hit(AngleSnapOffSwitch(strip))) {
                Page(SetSetting{Setting::kAngleSnap, 0, 0});
            }
        }
    }

    void XySliders()
    {
        if (!m_state.xyOpen) {
            return;
        }
        const Rect& strip = m_state.Strip(Item::kXySensitivity);
        for (const auto& [slider, setting] :
             {std::pair{XSlider(strip), Setting::kSensitivityX}, std::pair{YSlider(strip), Setting::kSensitivityY}}) {
            if (Hit(slider)) {
                Page(SetSetting{setting, 0, SensitivityAt(m_point.x, slider)});
            }
        }
    }

    // Every row's lists close unless the click is on that row or its list; then a click on
    // a row of the open panel opens that row's list and ends the click.
    bool AssignmentRows()
    {
        for (int row = 1; row <= kAssignmentRowCount; ++row) {
            if (!Hit(AssignmentRow(row)) && !Hit(AssignmentListArea(row))) {
                Window(CloseRowLists{row});
            }
        }
        if (!m_state.buttonAssignmentOpen) {
            return false;
        }
        for (int row = 1; row <= kAssignmentRowCount; ++row) {
            if (Hit(AssignmentRow(row))) {
                const MouseView view = row <= kAssignmentFrontRowCount ? m_state.mouseView : MouseView::kSide;
                Window(OpenRowList{row, view});
                return true;
            }
        }
        return false;
    }

    void Sliders()
    {
        if (DpiShown()) {
            for (int stage = 0; stage < kStageCount; ++stage) {
                if (Hit(DpiStageSlider(stage))) {
                    Page(SetSetting{Setting::kStageValue, stage, StageValueAt(m_point.y)});
                }
            }
        }
        if (LightingShown()) {
            const Rect& strip = m_state.RightStrip(kLightingIndex);
            for (int row = 1; row <= kLightingRowCount; ++row) {
                const Rect slider = LightingSlider(strip, row);
                if (Hit(slider)) {
                    Page(SetSetting{Setting::kLightingParameter, row - 1, LightingParameterAt(m_point.x, slider)});
                }
            }
        }
        if (m_state.Shows(kGestureIndex)) {
            const Rect slider = GestureSlider(m_state.RightStrip(kGestureIndex));
            if (Hit(slider)) {
                Page(SetSetting{Setting::kGestureCorrection, 0, GestureCorrectionAt(m_point.x, slider)});
            }
        }
    }

    const PageState& m_state;
    Point m_point;
    const PanelSizes& m_sizes;
    ClickPlan m_plan;
};

}  // namespace

ClickPlan PlanClick(const PageState& state, Point point, const PanelSizes& sizes)
{
    return Planner(state, point, sizes).Plan();
}

}  // namespace zalvane::pages
