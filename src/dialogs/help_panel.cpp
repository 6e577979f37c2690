#include "dialogs/help_panel.h"

#include <algorithm>

#include "dialogs/dialog_texts.h"
#include "dialogs/help_dialog_layout.h"
#include "pages/skin_catalogue.h"

#ifndef ZALVANE_SITE_ADDRESS
#error "ZALVANE_SITE_ADDRESS comes from the build (src/CMakeLists.txt)"
#endif

namespace zalvane::dialogs {
namespace {

struct HelpArea {
    HelpHotElement element = HelpHotElement::kClose;
    Rect rect;
};

constexpr std::array<HelpArea, 3> kHotAreas{{
    {HelpHotElement::kClose, kHelpClose},
    {HelpHotElement::kOk, kHelpOk},
    {HelpHotElement::kCancel, kHelpCancel},
}};

std::optional<HelpHotElement> HotAreaAt(ui::Point point)
{
    const auto area = std::ranges::find_if(kHotAreas, [point](const HelpArea& a) { return a.rect.Contains(point); });
    return area == kHotAreas.end() ? std::nullopt : std::optional(area->element);
}

}  // namespace

std::string_view SiteAddress() { return ZALVANE_SITE_ADDRESS; }

HelpClick HelpClickAt(ui::Point point)
{
    if (kHelpOk.Contains(point)) {
        return HelpClick::kOk;
    }
    if (kHelpCancel.Contains(point)) {
        return HelpClick::kCancel;
    }
    if (kHelpClose.Contains(point)) {
        return HelpClick::kClose;
    }
    if (kHelpAddressLine.Contains(point)) {
        return HelpClick::kAddress;
    }
    return HelpClick::kNone;
}

HelpHoverOutcome HelpPanelHover::PointerMoved(ui::Point point)
{
    if (HotAreaAt(point)) {
        return {.armTracking = true, .steps = {}};
    }
    HelpHoverOutcome outcome;
    for (const HelpArea& area : kHotAreas) {
        if (Highlighted(area.element)) {
            m_flags[static_cast<std::size_t>(area.element)] = false;
            outcome.steps.push_back({area.element, ui::HoverLook::kNormal});
        }
    }
    return outcome;
}

HelpHoverOutcome HelpPanelHover::Hovered(ui::Point point)
{
    HelpHoverOutcome outcome;
    const auto element = HotAreaAt(point);
    if (!element || Highlighted(*element)) {
        return outcome;
    }
    outcome.steps.push_back({*element, ui::HoverLook::kOver});
    const auto partner = *element == HelpHotElement::kOk       ? std::optional(HelpHotElement::kCancel)
                         : *element == HelpHotElement::kCancel ? std::optional(HelpHotElement::kOk)
                                                               : std::nullopt;
    if (partner && Highlighted(*partner)) {
        m_flags[static_cast<std::size_t>(*partner)] = false;
        outcome.steps.push_back({*partner, ui::HoverLook::kNormal});
    }
    m_flags[static_cast<std::size_t>(*element)] = true;
    return outcome;
}

void PaintHelpHover(ui::Canvas& canvas, const ui::SkinState& skin, language::Language language,
                    std::span<const HelpHoverStep> steps)
{
    if (steps.empty()) {
        return;
    }
    canvas.SetTextStyle(ui::FontRole::kMain, skin.textColour);
    for (const HelpHoverStep& step : steps) {
        const bool over = step.look == ui::HoverLook::kOver;
        if (step.element == HelpHotElement::kClose) {
            canvas.DrawImage(skin.ImagePath(over ? pages::kCloseOverImage : pages::kCloseNormalImage), kHelpClose.left,
                             kHelpClose.top);
            continue;
        }
        const bool ok = step.element == HelpHotElement::kOk;
        const Rect& rect = ok ? kHelpOk : kHelpCancel;
        canvas.DrawImage(skin.ImagePath(over ? pages::kDialogButtonOverImage : pages::kDialogButtonNormalImage),
                         rect.left, rect.top);
        canvas.DrawText(DialogTextIn(ok ? DialogText::kHelpOk : DialogText::kHelpCancel, language), rect,
                        ui::TextAlignment::kCentre);
    }
}

}  // namespace zalvane::dialogs
