#include "pages/hover.h"

#include <algorithm>
#include <string_view>

#include "language/language_tables.h"
#include "pages/main_window_geometry.h"
#include "pages/skin_catalogue.h"

namespace zalvane::pages {
namespace {

using pages::kFrontSpotNormalPattern;
using pages::kFrontSpotOverPattern;
using pages::kSideSpotNormalPattern;
using pages::kSideSpotOverPattern;
using pages::SkinImageName;

struct ButtonLook {
    HotElement element;
    ui::Rect rect;
    std::string_view overImage;
    std::string_view normalImage;
    std::optional<language::TextSlot> label;
};

// In the order a hover tests them.
constexpr std::array<ButtonLook, kHoverButtonCount> kButtons{{
    {HotElement::kReset, pages::kResetButton, pages::kCancelOverImage, pages::kCancelNormalImage,
     language::TextSlot::kReset},
    {HotElement::kCancel, pages::kCancelButton, pages::kCancelOverImage, pages::kCancelNormalImage,
     language::TextSlot::kCancel},
    {HotElement::kSave, pages::kSaveButton, pages::kSaveOverImage, pages::kSaveNormalImage, language::TextSlot::kSave},
    {HotElement::kHelp, pages::kHelpButton, pages::kHelpOverImage, pages::kHelpNormalImage, std::nullopt},
    {HotElement::kClose, pages::kCloseButton, pages::kCloseOverImage, pages::kCloseNormalImage, std::nullopt},
    {HotElement::kMinimise, pages::kMinimiseButton, pages::kMinimiseOverImage, pages::kMinimiseNormalImage,
     std::nullopt},
    {HotElement::kConfig, pages::kConfigButton, pages::kConfigOverImage, pages::kConfigNormalImage,
     language::TextSlot::kConfig},
}};

// The order of a restore pass.
constexpr std::array<HotElement, kHoverButtonCount> kRestoreOrder = {
    HotElement::kHelp,   HotElement::kMinimise, HotElement::kClose,  HotElement::kReset,
    HotElement::kCancel, HotElement::kSave,     HotElement::kConfig,
};

const ButtonLook& LookOf(HotElement element)
{
    const auto look = std::ranges::find(kButtons, element, &ButtonLook::element);
    return look == kButtons.end() ? kButtons.front() : *look;  // rows never come here
}

// Reset, Cancel and Save stand side by side: highlighting one restores the other two.
bool IsActionButton(HotElement element)
{
    return element == HotElement::kReset || element == HotElement::kCancel || element == HotElement::kSave;
}

int RowCount(MouseView view)
{
    return view == MouseView::kFront ? pages::kAssignmentFrontRowCount : pages::kAssignmentRowCount;
}

ui::Point SpotOf(std::size_t button)
{
    return button < pages::kFrontSpotCount ? pages::kFrontSpots[button]
                                           : pages::kSideSpots[button - pages::kFrontSpotCount];
}

std::string SpotNormalImage(std::size_t button)
{
    if (button < pages::kFrontSpotCount) {
        return SkinImageName(kFrontSpotNormalPattern, static_cast<int>(button) + 1);
    }
    return SkinImageName(kSideSpotNormalPattern, static_cast<int>(button - pages::kFrontSpotCount) + 1);
}

}  // namespace

std::optional<int> RowOf(HotElement element)
{
    const int row = static_cast<int>(element) - static_cast<int>(HotElement::kRow1) + 1;
    if (row < 1 || row > pages::kAssignmentRowCount) {
        return std::nullopt;
    }
    return row;
}

namespace {

// The button (0-18) that row 1-12 stands for among the rows the view shows: buttons 1-7
// in the front view, S1-S12 (buttons 8-19) in the side view.
std::optional<std::size_t> RowButton(MouseView view, int row)
{
    if (row < 1 || row > RowCount(view)) {
        return std::nullopt;
    }
    return assign::ButtonOfRow(view, row);
}

}  // namespace

std::optional<HotElement> HotElementAt(ui::Point point, const HoverPage& page)
{
    const auto button =
        std::ranges::find_if(kButtons, [point](const ButtonLook& look) { return look.rect.Contains(point); });
    if (button != kButtons.end()) {
        return button->element;
    }
    if (!page.assignmentOpen) {
        return std::nullopt;
    }
    for (int row = 1; row <= pages::kAssignmentRowCount; ++row) {
        if (pages::AssignmentRow(row).Contains(point)) {
            return RowElement(row);
        }
    }
    return std::nullopt;
}

ui::Rect HotElementRect(HotElement element)
{
    if (const auto row = RowOf(element)) {
        return pages::AssignmentRow(*row);
    }
    return LookOf(element).rect;
}

HoverStep HoverMachine::Restore(HotElement element, const HoverPage& page, bool withSpot)
{
    m_flags[Index(element)] = false;
    HoverStep step{element, HoverLook::kNormal, 0, false};
    const auto row = RowOf(element);
    if (const auto button = row ? RowButton(page.view, *row) : std::nullopt) {
        step.button = *button;
        step.spot = withSpot && !page.listOpen[*button];
    }
    return step;
}

HoverOutcome HoverMachine::PointerMoved(ui::Point point, const HoverPage& page)
{
    if (HotElementAt(point, page)) {
        return {.armTracking = true, .steps = {}};
    }
    HoverOutcome outcome;
    // Before the first page is drawn there is no background to restore onto.
    if (!page.pagesReady) {
        return outcome;
    }
    for (const HotElement element : kRestoreOrder) {
        if (Highlighted(element)) {
            outcome.steps.push_back(Restore(element, page, false));
        }
    }
    // Rows the window does not show now (fold-out closed, side rows in the front view)
    // keep their flags; the page drew over them, and they are restored once they show.
    if (page.assignmentOpen) {
        for (int row = 1; row <= RowCount(page.view); ++row) {
            if (Highlighted(RowElement(row))) {
                outcome.steps.push_back(Restore(RowElement(row), page, true));
            }
        }
    }
    return outcome;
}

HoverOutcome HoverMachine::Hovered(ui::Point point, const HoverPage& page)
{
    HoverOutcome outcome;
    if (!page.pagesReady) {
        return outcome;
    }
    const auto element = HotElementAt(point, page);
    // Resting again on what is already highlighted draws nothing new.
    if (!element || Highlighted(*element)) {
        return outcome;
    }

    if (const auto row = RowOf(*element)) {
        const auto button = RowButton(page.view, *row);
        if (!button) {
            return outcome;
        }
        outcome.steps.push_back({*element, HoverLook::kOver, *button, false});
        for (int other = 1; other <= RowCount(page.view); ++other) {
            if (other != *row && Highlighted(RowElement(other))) {
                outcome.steps.push_back(Restore(RowElement(other), page, false));
            }
        }
    } else {
        outcome.steps.push_back({*element, HoverLook::kOver, 0, false});
        if (IsActionButton(*element)) {
            for (const HotElement other : kRestoreOrder) {
                if (other != *element && IsActionButton(other) && Highlighted(other)) {
                    outcome.steps.push_back(Restore(other, page, false));
                }
            }
        }
    }
    m_flags[Index(*element)] = true;
    return outcome;
}

void HoverMachine::MarkRowHighlighted(int row)
{
    if (row >= 1 && row <= pages::kAssignmentRowCount) {
        m_flags[Index(RowElement(row))] = true;
    }
}

void PaintHover(ui::Canvas& canvas, ui::TextMeasure& measure, const HoverPaintContext& context,
                std::span<const HoverStep> steps)
{
    if (steps.empty()) {
        return;
    }
    canvas.SetTextStyle(ui::FontRole::kMain, context.skin.textColour);
    for (const HoverStep& step : steps) {
        const bool over = step.look == HoverLook::kOver;
        const ui::Rect rect = HotElementRect(step.element);
        if (RowOf(step.element)) {
            canvas.DrawImage(context.skin.ImagePath(over ? pages::kDropdownOverImage : pages::kDropdownNormalImage),
                             rect.left, rect.top);
            if (step.spot) {
                const ui::Point spot = SpotOf(step.button);
                canvas.DrawImage(context.skin.ImagePath(SpotNormalImage(step.button)), spot.x, spot.y);
            }
            const std::string& caption = context.captions[step.button];
            canvas.DrawText(caption, rect, ui::CaptionAlignment(measure, caption, rect));
            continue;
        }
        const ButtonLook& look = LookOf(step.element);
        canvas.DrawImage(context.skin.ImagePath(over ? look.overImage : look.normalImage), rect.left, rect.top);
        if (!look.label) {
            continue;
        }
        const std::string_view label = language::SlotText(*look.label, context.language);
        if (step.element == HotElement::kConfig) {
            canvas.DrawText(label, {rect.left + pages::kConfigLabelInset, rect.top, rect.right, rect.bottom},
                            ui::TextAlignment::kLeft);
        } else {
            canvas.DrawText(label, rect, ui::TextAlignment::kCentre);
        }
    }
}

}  // namespace zalvane::pages
