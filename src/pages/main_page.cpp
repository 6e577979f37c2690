#include "pages/main_page.h"

#include <string>
#include <type_traits>
#include <variant>

#include "app/main_window_rules.h"
#include "pages/click_dispatcher.h"
#include "pages/column_layout.h"
#include "pages/dpi_panel_geometry.h"
#include "pages/frame_drawing.h"
#include "pages/panel_drawing.h"
#include "pages/pointer_panel_geometry.h"
#include "pages/sensor_panel_geometry.h"
#include "pages/skin_catalogue.h"

namespace zalvane::pages {
namespace {

constexpr int kStageCount = static_cast<int>(settings::kStageCount);

int SwatchId(int stage) { return app::kFirstStageSwatchId + stage; }

ui::ChildControlArgs ChildArgs(int id, ui::ChildKind kind, const Rect& rect)
{
    ui::ChildControlArgs args;
    args.id = id;
    args.kind = kind;
    args.rect = rect;
    return args;
}

}  // namespace

std::optional<int> ThumbTopFromMessage(std::uint64_t wParam, std::int64_t lParam)
{
    if (lParam != 0) {
        return std::nullopt;
    }
    return static_cast<int>(static_cast<std::int64_t>(wParam));  // the low 32 bits, signed
}

MainPage::MainPage(const PageContext& context) : m_context(context) {}

PagePainter MainPage::Painter(ui::Canvas& canvas) const
{
    return PagePainter(canvas, m_context.skin, m_context.language);
}

// ---- the shell's calls -------------------------------------------------------------------

void MainPage::FirstDraw(ui::Canvas& canvas)
{
    m_sizes = MeasurePanelSizes(m_context.imageSizes, m_context.skin);
    m_drawn = true;
    PagePainter painter = Painter(canvas);
    DrawClosedState(painter);
}

void MainPage::Refresh(ui::Canvas& canvas)
{
    PagePainter painter = Painter(canvas);
    DrawFrame(painter);
    DrawMouseSwitches(painter, m_state.mouseView);
    DrawMousePicture(painter, m_state.mouseView);
    DrawLeftColumn(painter);
    if (m_state.rightView == RightView::kTop) {
        DrawTopView(painter);
    } else {
        DrawBottomView(painter);
    }
}

void MainPage::ResetLayout(ui::Canvas& canvas)
{
    CloseTransientControls();
    pages::ResetLayout(m_state);
    PagePainter painter = Painter(canvas);
    DrawClosedState(painter);
}

void MainPage::CloseTransientControls()
{
    DestroySwatches();
    DestroyScrollBox();
    CloseAssignmentLists();
    ThumbToTop();
}

ClickOutcome MainPage::Click(Point point, ui::Canvas& canvas)
{
    if (m_state.pagesReady) {
        m_state.lastClick = point;
    }
    ClickPlan plan = PlanClick(m_state, point, m_sizes);
    PagePainter painter = Painter(canvas);
    for (const PageAction& action : plan.pageActions) {
        Apply(action, painter);
    }
    for (const WindowAction& action : plan.windowActions) {
        Note(action);
    }
    return {std::move(plan.windowActions), !plan.endsClick};
}

void MainPage::ThumbMoved(int top, ui::Canvas& canvas)
{
    const ThumbScroll scroll = ScrollForThumb(m_state, top);
    if (scroll == ThumbScroll::kNone) {
        return;
    }
    PagePainter painter = Painter(canvas);
    if (scroll == ThumbScroll::kToBottomView) {
        DrawBottomView(painter);
    } else {
        DrawTopView(painter);
    }
}

void MainPage::ScrollLinesEdited(std::string_view text)
{
    if (m_writingScrollBox || !m_scrollBoxShown) {
        return;
    }
    const ScrollLinesEntry entry = ReadScrollLinesText(text);
    if (!entry.value) {
        return;
    }
    m_context.record[settings::ProfileRecord::kScrollLines] = *entry.value;
    if (entry.replacement) {
        SetScrollBoxText(*entry.replacement);
    }
    m_context.controls.Repaint(kScrollLinesBoxId);
}

void MainPage::StageColourChosen(int stage, ui::SkinColour colour)
{
    if (stage < 0 || stage >= kStageCount) {
        return;
    }
    const std::size_t at = settings::ProfileRecord::kStageColour + 3 * static_cast<std::size_t>(stage);
    m_context.record[at] = colour.red;
    m_context.record[at + 1] = colour.green;
    m_context.record[at + 2] = colour.blue;
    if (m_swatchesShown) {
        m_context.controls.Repaint(SwatchId(stage));
    }
}

// ---- drawing -----------------------------------------------------------------------------

void MainPage::DrawClosedState(PagePainter& painter)
{
    DrawFrame(painter);
    DrawMouseSwitches(painter, m_state.mouseView);
    DrawMousePicture(painter, m_state.mouseView);
    for (std::size_t item = 0; item < kItemCount; ++item) {
        DrawItemStrip(painter, static_cast<Item>(item), m_state.strips[item]);
    }
    if (!m_thumbShown) {
        m_thumbShown = m_context.controls.Create(ChildArgs(kScrollThumbId, ui::ChildKind::kScrollThumb, kScrollThumb));
    }
}

void MainPage::DrawMouseView(PagePainter& painter) const
{
    painter.Image(pages::kMainMidImage, kMiddleBackground.TopLeft());
    DrawMouseSwitches(painter, m_state.mouseView);
    DrawMousePicture(painter, m_state.mouseView);
}

void MainPage::DrawLeftColumn(PagePainter& painter)
{
    LayoutLeftColumn(m_state, m_sizes);
    painter.Image(pages::kMainLeftImage, kLeftColumnOrigin);
    DrawItemStrip(painter, Item::kButtonAssignment, m_state.Strip(Item::kButtonAssignment));
    if (m_state.buttonAssignmentOpen) {
        const bool side = m_state.mouseView == MouseView::kSide;
        painter.Image(side ? pages::kAssignmentSideBackground : pages::kAssignmentFrontBackground,
                      kButtonAssignmentPanelOrigin);
        if (m_rows) {
            m_rows->DrawRows(painter.Canvas(), m_state.mouseView);
        }
    }
    DrawItemStrip(painter, Item::kMacroManager, m_state.Strip(Item::kMacroManager));
    const Rect& xy = m_state.Strip(Item::kXySensitivity);
    DrawItemStrip(painter, Item::kXySensitivity, xy);
    if (m_state.xyOpen) {
        DrawXyPanel(painter, xy, m_context.record);
    }
}

void MainPage::DrawTopView(PagePainter& painter)
{
    const TopViewPass pass = LayoutTopView(m_state, m_sizes);
    painter.Image(pages::kMainRightImage, kRightColumnOrigin);
    for (std::size_t index = 0; index < pass.drawnItems; ++index) {
        DrawRightItem(painter, index);
    }
    if (pass.stopped) {
        ThumbToTop();
    }
}

void MainPage::DrawBottomView(PagePainter& painter)
{
    LayoutBottomView(m_state, m_sizes);
    painter.Image(pages::kMainRightImage, m_state.Strip(Item::kDpiSetting).TopLeft());
    DestroySwatches();
    for (std::size_t index = kTopOnlyItemCount; index < kRightItemCount; ++index) {
        DrawRightItem(painter, index);
    }
}

void MainPage::DrawRightItem(PagePainter& painter, std::size_t index)
{
    const Rect& strip = m_state.RightStrip(index);
    const bool open = m_state.open[index];
    const settings::ProfileRecord& record = m_context.record;
    using settings::ProfileRecord;
    DrawItemStrip(painter, RightItem(index), strip);
    switch (index) {
        case kDpiIndex:
            // The DPI panel's redraw also clears the lower panels' child windows; the
            // scroll-lines box comes back when "Scroll Speed" is drawn open.
            DestroyScrollBox();
            DestroySwatches();
            if (open) {
                DrawDpiPanel(painter, record);
                CreateSwatches();
            }
            break;
        case kLightingIndex:
            if (open) {
                DrawLightingPanel(painter, strip, record);
            }
            break;
        case kReportRateIndex:
            if (open) {
                DrawReportRatePanel(painter, strip, PanelWidth(index), record[ProfileRecord::kReportInterval]);
            }
            break;
        case kMouseSpeedIndex:
            if (open) {
                DrawSpeedPanel(painter, strip, PanelWidth(index), record[ProfileRecord::kMouseSpeed]);
            }
            break;
        case kDoubleClickIndex:
            if (open) {
                DrawSpeedPanel(painter, strip, PanelWidth(index), record[ProfileRecord::kDoubleClickSpeed]);
            }
            break;
        case kScrollSpeedIndex:
            DestroyScrollBox();
            if (open) {
                DrawScrollSpeedPanel(painter, strip, record[ProfileRecord::kScrollMode]);
                CreateScrollBox(strip);
            }
            break;
        case kAngleSnapIndex:
            if (open) {
                DrawAngleSnapPanel(painter, strip, record[ProfileRecord::kAngleSnap]);
            }
            break;
        case kGestureIndex:
            if (open) {
                DrawGesturePanel(painter, strip, record[ProfileRecord::kGestureCorrection]);
            }
            break;
        default:
            break;
    }
}

// ---- actions -----------------------------------------------------------------------------

void MainPage::Apply(const PageAction& action, PagePainter& painter)
{
    settings::ProfileRecord& record = m_context.record;
    std::visit(
        [&](const auto& a) {
            using A = std::decay_t<decltype(a)>;
            if constexpr (std::is_same_v<A, SetMouseView>) {
                CloseAssignmentLists();  // a choice must not land on a button no longer shown
                m_state.mouseView = a.view;
                DrawMouseView(painter);
                DrawLeftColumn(painter);
            } else if constexpr (std::is_same_v<A, ToggleLeftItem>) {
                bool& open = a.item == Item::kButtonAssignment ? m_state.buttonAssignmentOpen : m_state.xyOpen;
                open = !open;
                if (!m_state.buttonAssignmentOpen) {
                    CloseAssignmentLists();
                }
                DrawLeftColumn(painter);
            } else if constexpr (std::is_same_v<A, ClickRightItem>) {
                ClickRight(a.index, painter);
            } else if constexpr (std::is_same_v<A, SetSetting>) {
                Apply(a, painter);
            } else if constexpr (std::is_same_v<A, ToggleStageEnable>) {
                std::uint8_t& enabled =
                    record[settings::ProfileRecord::kStageEnabled + static_cast<std::size_t>(a.stage)];
                enabled = ToggledStageEnable(enabled);
                DrawStageEnable(painter, a.stage, enabled);
            } else if constexpr (std::is_same_v<A, StepScrollLines>) {
                if (!m_scrollBoxShown) {
                    return;
                }
                std::uint8_t& lines = record[settings::ProfileRecord::kScrollLines];
                lines = SteppedScrollLines(lines, a.delta);
                SetScrollBoxText(lines);
            }
        },
        action);
}

void MainPage::ClickRight(std::size_t index, PagePainter& painter)
{
    m_state.open[index] = !m_state.open[index];
    if (index < kTopOnlyItemCount || m_state.rightView == RightView::kTop) {
        DrawTopView(painter);
    } else {
        DrawBottomView(painter);
    }
}

void MainPage::Apply(const SetSetting& action, PagePainter& painter)
{
    m_context.record[RecordOffset(action.setting, action.index)] = action.value;
    const auto strip = [&](std::size_t index) -> const Rect& { return m_state.RightStrip(index); };
    switch (action.setting) {
        case Setting::kStageValue:
            DrawDpiStageValue(painter, action.index, action.value);
            break;
        case Setting::kLightingMode:
            DrawLightingSwitches(painter, strip(kLightingIndex), action.value);
            break;
        case Setting::kLightingParameter:
            DrawLightingSlider(painter, strip(kLightingIndex), action.index + 1, action.value);
            break;
        case Setting::kReportInterval:
            DrawReportRateDial(painter, strip(kReportRateIndex), PanelWidth(kReportRateIndex), action.value);
            break;
        case Setting::kMouseSpeed:
            DrawSpeedPanel(painter, strip(kMouseSpeedIndex), PanelWidth(kMouseSpeedIndex), action.value);
            break;
        case Setting::kDoubleClickSpeed:
            DrawSpeedPanel(painter, strip(kDoubleClickIndex), PanelWidth(kDoubleClickIndex), action.value);
            break;
        case Setting::kScrollMode:
            DrawScrollModeSwitches(painter, strip(kScrollSpeedIndex), action.value);
            if (m_scrollBoxShown) {
                m_context.controls.Enable(kScrollLinesBoxId, action.value == 0);
            }
            break;
        case Setting::kAngleSnap:
            DrawAngleSnapSwitches(painter, strip(kAngleSnapIndex), action.value);
            break;
        case Setting::kSensitivityX:
            DrawXySlider(painter, XSlider(m_state.Strip(Item::kXySensitivity)), action.value);
            break;
        case Setting::kSensitivityY:
            DrawXySlider(painter, YSlider(m_state.Strip(Item::kXySensitivity)), action.value);
            break;
        case Setting::kGestureCorrection:
            DrawGestureSlider(painter, strip(kGestureIndex), action.value);
            break;
    }
}

// The page's own flags follow what it hands to the window.
void MainPage::Note(const WindowAction& action)
{
    if (std::holds_alternative<RunSave>(action)) {
        m_state.busy = true;
    } else if (std::holds_alternative<OpenHelp>(action)) {
        m_state.helpOpen = true;
    } else if (std::holds_alternative<CloseHelp>(action)) {
        m_state.helpOpen = false;
    } else if (std::holds_alternative<OpenConfig>(action)) {
        m_state.configOpen = true;
    } else if (std::holds_alternative<OpenMacroManager>(action)) {
        CloseAssignmentLists();  // the manager may rename or delete the macros a list offers
    }
}

void MainPage::CloseAssignmentLists()
{
    if (m_rows) {
        m_rows->CloseAllLists();
    }
}

// ---- child windows -----------------------------------------------------------------------

void MainPage::CreateSwatches()
{
    for (int stage = 0; stage < kStageCount; ++stage) {
        if (m_context.controls.Create(
                ChildArgs(SwatchId(stage), ui::ChildKind::kColourSwatch, DpiColourSwatch(stage)))) {
            m_swatchesShown = true;
        }
    }
}

void MainPage::DestroySwatches()
{
    if (!m_swatchesShown) {
        return;
    }
    for (int stage = 0; stage < kStageCount; ++stage) {
        m_context.controls.Destroy(SwatchId(stage));
    }
    m_swatchesShown = false;
}

void MainPage::CreateScrollBox(const Rect& strip)
{
    using settings::ProfileRecord;
    ui::ChildControlArgs args = ChildArgs(kScrollLinesBoxId, ui::ChildKind::kNumberBox, ScrollLinesBox(strip));
    args.text = std::to_string(m_context.record[ProfileRecord::kScrollLines]);
    args.enabled = m_context.record[ProfileRecord::kScrollMode] == 0;  // the line count is for line mode
    args.maxChars = kScrollLinesMaxChars;
    m_writingScrollBox = true;
    m_scrollBoxShown = m_context.controls.Create(args);
    m_writingScrollBox = false;
}

void MainPage::DestroyScrollBox()
{
    if (!m_scrollBoxShown) {
        return;
    }
    m_context.controls.Destroy(kScrollLinesBoxId);
    m_scrollBoxShown = false;
}

void MainPage::SetScrollBoxText(std::uint8_t lines) { SetScrollBoxText(std::to_string(lines)); }

void MainPage::SetScrollBoxText(std::string_view text)
{
    m_writingScrollBox = true;
    m_context.controls.SetText(kScrollLinesBoxId, text);
    m_writingScrollBox = false;
}

void MainPage::ThumbToTop()
{
    if (m_thumbShown) {
        m_context.controls.Move(kScrollThumbId, kScrollThumb);
    }
}

}  // namespace zalvane::pages
