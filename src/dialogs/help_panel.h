#pragma once
// The help panel's decisions that need no window: the web site it shows and opens, what a
// click on the panel does, and the hover pictures of its close, OK and Cancel areas.

#include <array>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "language/language.h"
#include "ui/canvas.h"
#include "ui/hover_look.h"
#include "ui/rect.h"
#include "ui/skin_state.h"

namespace zalvane::dialogs {

// The vendor's web site, shown on the address line and opened in the browser. A build
// setting: the CMake cache variable ZALVANE_SITE_ADDRESS.
std::string_view SiteAddress();

enum class HelpClick {
    kNone,    // default handling
    kOk,      // ends the panel with OK
    kCancel,  // ends it with Cancel (so do the close button and IDCANCEL)
    kClose,
    kAddress,  // opens SiteAddress() with the shell's "open" verb
};

// A left press at a panel client point. The update line is text only.
HelpClick HelpClickAt(ui::Point point);

// Every way the panel ends clears the help-open flag, OK included: a panel that is gone
// is never taken for an open one.
inline constexpr bool HelpClickEndsPanel(HelpClick click)
{
    return click == HelpClick::kOk || click == HelpClick::kCancel || click == HelpClick::kClose;
}

enum class HelpHotElement { kClose, kOk, kCancel };

struct HelpHoverStep {
    HelpHotElement element = HelpHotElement::kClose;
    ui::HoverLook look = ui::HoverLook::kNormal;
    friend bool operator==(const HelpHoverStep&, const HelpHoverStep&) = default;
};

struct HelpHoverOutcome {
    bool armTracking = false;  // hover tracking only, ui::kHoverTimeMs
    // Drawn in order on the panel's background, then the whole panel is copied to the
    // screen; empty: nothing to draw or copy.
    std::vector<HelpHoverStep> steps;
};

// The panel's own hover model, as the main window's: a move over a hot area arms
// tracking, a move elsewhere restores what is highlighted, a hover highlights (OK and
// Cancel restore each other) and does nothing on what is already highlighted.
class HelpPanelHover {
public:
    HelpHoverOutcome PointerMoved(ui::Point point);
    HelpHoverOutcome Hovered(ui::Point point);
    bool Highlighted(HelpHotElement element) const { return m_flags[static_cast<std::size_t>(element)]; }

private:
    std::array<bool, 3> m_flags{};
};

// Draws the steps: the close images alone; OK and Cancel as the dialog button images with
// their texts centred, in the panel's font (the canvas's main font) and the skin colour.
void PaintHelpHover(ui::Canvas& canvas, const ui::SkinState& skin, language::Language language,
                    std::span<const HelpHoverStep> steps);

}  // namespace zalvane::dialogs
