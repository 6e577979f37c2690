// The main page under arbitrary sequences of clicks, thumb moves, typed scroll lines,
// colour answers, refreshes and layout resets, on the default skin's panel sizes and a
// profile record of any bytes. After every step the page must be consistent: no strip or
// open panel past the bottom of the column, strips in order, and no child window of a
// panel that is closed or not drawn; and no click may reach a control of such a panel.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <type_traits>
#include <variant>

#include "app/main_window_rules.h"
#include "fuzz_input.h"
#include "pages/click_dispatcher.h"
#include "pages/main_page.h"
#include "pages/pointer_panel_geometry.h"
#include "unit/pages/page_test_support.h"

using zalvane::fuzz::FuzzInput;
using zalvane::fuzz::Require;
namespace pages = zalvane::pages;
namespace ui = zalvane::ui;
using pages::Item;

namespace {

// The lowest row an item strip or an open panel of the right column may reach.
constexpr int kColumnBottom = pages::kScrollBar.bottom;

// Which right item's panel a page action works in; nothing for the left column and for
// actions that open or close items.
int PanelOf(const pages::PageAction& action)
{
    using pages::Setting;
    if (const auto* set = std::get_if<pages::SetSetting>(&action)) {
        switch (set->setting) {
            case Setting::kStageValue:
                return static_cast<int>(pages::kDpiIndex);
            case Setting::kLightingMode:
            case Setting::kLightingParameter:
                return static_cast<int>(pages::kLightingIndex);
            case Setting::kReportInterval:
                return static_cast<int>(pages::kReportRateIndex);
            case Setting::kMouseSpeed:
                return static_cast<int>(pages::kMouseSpeedIndex);
            case Setting::kDoubleClickSpeed:
                return static_cast<int>(pages::kDoubleClickIndex);
            case Setting::kScrollMode:
                return static_cast<int>(pages::kScrollSpeedIndex);
            case Setting::kAngleSnap:
                return static_cast<int>(pages::kAngleSnapIndex);
            case Setting::kGestureCorrection:
                return static_cast<int>(pages::kGestureIndex);
            case Setting::kSensitivityX:
            case Setting::kSensitivityY:
                return -1;
        }
    }
    if (std::holds_alternative<pages::ToggleStageEnable>(action)) {
        return static_cast<int>(pages::kDpiIndex);
    }
    if (std::holds_alternative<pages::StepScrollLines>(action)) {
        return static_cast<int>(pages::kScrollSpeedIndex);
    }
    return -1;
}

bool IsXySetting(const pages::PageAction& action)
{
    const auto* set = std::get_if<pages::SetSetting>(&action);
    return set && (set->setting == pages::Setting::kSensitivityX || set->setting == pages::Setting::kSensitivityY);
}

// What a click may ask for, judged on the page as it was before the click.
void CheckPlan(const pages::PageState& before, const pages::ClickPlan& plan)
{
    if (!before.pagesReady) {
        Require(plan.pageActions.empty() && plan.windowActions.empty() && !plan.endsClick);
    }
    for (const pages::PageAction& action : plan.pageActions) {
        if (const int panel = PanelOf(action); panel >= 0) {
            Require(before.Shows(static_cast<std::size_t>(panel)));
        }
        if (IsXySetting(action)) {
            Require(before.xyOpen);
        }
        if (const auto* click = std::get_if<pages::ClickRightItem>(&action)) {
            Require(click->index < pages::kRightItemCount && before.visible[click->index]);
        }
    }
    for (const pages::WindowAction& action : plan.windowActions) {
        if (std::holds_alternative<pages::ChooseStageColour>(action)) {
            Require(before.Shows(pages::kDpiIndex));
        }
        if (std::holds_alternative<pages::OpenRowList>(action)) {
            Require(before.buttonAssignmentOpen);
        }
    }
}

void CheckState(const pages::MainPage& page, const pages::testing::RecordingControls& controls)
{
    const pages::PageState& state = page.State();
    const pages::PanelSizes& sizes = page.Sizes();
    int previousBottom = -1;
    for (std::size_t index = 0; index < pages::kRightItemCount; ++index) {
        if (!state.visible[index]) {
            continue;
        }
        const pages::Rect& strip = state.RightStrip(index);
        const int bottom = strip.bottom + (state.open[index] ? sizes.Of(pages::RightPanel(index)).height : 0);
        Require(strip.bottom - strip.top == pages::kItemStripHeight);
        Require(bottom <= kColumnBottom);
        Require(strip.top > previousBottom);
        previousBottom = bottom;
    }
    if (state.rightView == pages::RightView::kBottom) {
        for (std::size_t index = 0; index < pages::kTopOnlyItemCount; ++index) {
            Require(!state.visible[index]);
        }
    }
    // The left column: each strip below the one before it and its open panel.
    const pages::Rect& assignment = state.Strip(Item::kButtonAssignment);
    const pages::Rect& macro = state.Strip(Item::kMacroManager);
    const pages::Rect& xy = state.Strip(Item::kXySensitivity);
    Require(macro.top > assignment.bottom && xy.top > macro.bottom);
    Require(xy.bottom + (state.xyOpen ? sizes.Of(pages::Panel::kXy).height : 0) <= kColumnBottom);

    // Child windows live only with their panel.
    for (int stage = 0; stage < 7; ++stage) {
        if (controls.Has(zalvane::app::kFirstStageSwatchId + stage)) {
            Require(state.Shows(pages::kDpiIndex) && state.rightView == pages::RightView::kTop);
        }
    }
    if (controls.Has(pages::kScrollLinesBoxId)) {
        Require(state.Shows(pages::kScrollSpeedIndex));
    }
}

// Drawing is the page's business; what the fuzzer checks is the state, so nothing is kept.
class NullCanvas final : public ui::Canvas {
public:
    bool DrawImage(const std::string&, int, int) override { return true; }
    void DrawText(std::string_view, const pages::Rect&, ui::TextAlignment) override {}
    void SetTextStyle(ui::FontRole, ui::SkinColour) override {}
    void Fill(const pages::Rect&, ui::SkinColour) override {}
};

// A point: mostly inside one of the live strips or a panel below it, so that the steps
// reach the controls; sometimes anywhere in (or just outside) the window.
pages::Point PointFrom(FuzzInput& input, const pages::PageState& state)
{
    const std::uint8_t how = input.Byte();
    const int dx = input.Byte();
    const int dy = input.Word() % 300;
    if (how % 4 == 3) {
        return {static_cast<int>(input.Word() % 1040) - 20, static_cast<int>(input.Word() % 700) - 20};
    }
    const pages::Rect& strip = state.strips[how % pages::kItemCount];
    return {strip.left + dx, strip.top + (how % 2 == 0 ? dy % 20 : dy)};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzInput input(data, size);
    // The settings bytes the panels draw from: a short pattern of the input over all of
    // them, so that the input's length goes to the steps.
    zalvane::settings::ProfileRecord record;
    const auto pattern = input.Bytes(input.Byte() % 32);
    for (std::size_t at = 0; at < zalvane::settings::ProfileRecord::kSettingsSize && !pattern.empty(); ++at) {
        record.bytes[at] = static_cast<std::uint8_t>(pattern[at % pattern.size()] + at / pattern.size());
    }
    ui::SkinState skin;
    skin.root = std::string(pages::testing::kSkinRoot);
    const zalvane::language::Language language = zalvane::language::Language::kEnglish;
    pages::testing::RecordingControls controls;
    pages::testing::FixedImageSizes images;  // no panel image loads: the default sizes
    NullCanvas canvas;
    pages::MainPage page({record, skin, language, controls, images});
    // As the window passes on the edit box's change notices, also for the page's own text.
    controls.onTextChange = [&page](std::string_view text) { page.ScrollLinesEdited(text); };
    page.FirstDraw(canvas);
    if (input.Byte() % 4 != 0) {
        page.SetPagesReady();
    }
    CheckState(page, controls);

    for (int step = 0; step < 32 && !input.Empty(); ++step) {
        const std::uint8_t what = input.Byte();
        switch (what % 12) {
            case 0:
            case 1:
            case 2:
            case 3:
            case 4: {
                const pages::Point point = PointFrom(input, page.State());
                const pages::PageState before = page.State();
                CheckPlan(before, pages::PlanClick(before, point, page.Sizes()));
                const pages::ClickOutcome outcome = page.Click(point, canvas);
                if (!before.pagesReady) {
                    Require(outcome.actions.empty() && outcome.dragWindow);
                }
                break;
            }
            case 5:
                page.ThumbMoved(static_cast<int>(static_cast<std::int16_t>(input.Word())) + pages::kScrollBar.top,
                                canvas);
                break;
            case 6: {
                const auto text = input.Bytes(input.Byte() % 8);
                page.ScrollLinesEdited(std::string(text.begin(), text.end()));
                break;
            }
            case 7:
                page.StageColourChosen(static_cast<int>(input.Byte() % 10) - 1, {input.Byte(), input.Byte(), 0});
                break;
            case 8:
                page.Refresh(canvas);
                break;
            case 9:
                page.ResetLayout(canvas);
                break;
            case 10:
                page.CloseTransientControls();
                break;
            default:
                page.SetPagesReady();
                page.ClearBusy();
                page.HelpClosed();
                page.ConfigClosed();
                break;
        }
        CheckState(page, controls);
    }
    return 0;
}
