#pragma once
// Hover highlighting in the main window. Its seven frame buttons and, while "Button
// Assignment" is open, its twelve assignment rows show their "over" image once the
// pointer has rested on them; a pointer move over any point that is not hot gives the
// highlighted elements their normal images back. The machine keeps one flag per element
// and says what to draw; the window arms the system's hover tracking, paints the steps
// on its background bitmap through the canvas and copies the client area to the screen.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "language/language.h"
#include "pages/geometry_types.h"
#include "pages/main_window_geometry.h"
#include "pages/page_state.h"
#include "settings/profile_record.h"
#include "settings/text_settings.h"
#include "ui/canvas.h"
#include "ui/hover_look.h"
#include "ui/skin_state.h"

namespace zalvane::pages {

enum class HotElement : std::uint8_t {
    kHelp,
    kMinimise,
    kClose,
    kReset,
    kCancel,
    kSave,
    kConfig,
    kRow1,  // rows 1-12 follow in order
};
inline constexpr std::size_t kHoverButtonCount = 7;
inline constexpr std::size_t kHotElementCount =
    kHoverButtonCount + static_cast<std::size_t>(pages::kAssignmentRowCount);

// Row 1-12 of the button assignment.
constexpr HotElement RowElement(int row)
{
    return static_cast<HotElement>(static_cast<int>(HotElement::kRow1) + row - 1);
}
// The row an element is, when it is one.
std::optional<int> RowOf(HotElement element);

// What the pages say about themselves at the moment of the event.
struct HoverPage {
    bool pagesReady = false;  // the main page has been drawn once
    MouseView view = MouseView::kFront;
    bool assignmentOpen = false;  // the "Button Assignment" fold-out
    // A button's function list is open: its spot shows its over form and stays so.
    std::array<bool, settings::kButtonCount> listOpen{};
};

using ui::HoverLook;
using ui::kHoverTimeMs;

// One element drawn in one look: its image at its rectangle's top-left corner, then its
// label. A restored row first shows its button's spot in its normal form when `spot`.
struct HoverStep {
    HotElement element = HotElement::kHelp;
    HoverLook look = HoverLook::kNormal;
    std::size_t button = 0;  // rows: the button the row stands for; its caption is the label
    bool spot = false;
    friend bool operator==(const HoverStep&, const HoverStep&) = default;
};

struct HoverOutcome {
    // Arm hover and leave tracking with kHoverTimeMs.
    bool armTracking = false;
    // Drawn in this order on the background bitmap, after which the whole client area is
    // copied to the window. Empty: nothing to draw and nothing to copy.
    std::vector<HoverStep> steps;
};

class HoverMachine {
public:
    // WM_MOUSEMOVE at a client point. On a hot element: arm tracking and nothing else
    // (another element's highlight stays). Elsewhere: restore every highlighted element
    // of what the window shows now: the buttons, and the rows of the current view while
    // the fold-out is open (rows 1-7 in the front view, 1-12 in the side view).
    HoverOutcome PointerMoved(ui::Point point, const HoverPage& page);

    // WM_MOUSEHOVER at a client point: highlight the element there, restoring the
    // neighbours the element replaces (Reset, Cancel and Save each other; a row the other
    // rows of its view). Nothing while the element is already highlighted, before the
    // pages are ready, and for front-view rows 8-12.
    HoverOutcome Hovered(ui::Point point, const HoverPage& page);

    // WM_MOUSELEAVE needs no call: highlights stay until the next move over a point
    // that is not hot.

    bool Highlighted(HotElement element) const { return m_flags[Index(element)]; }

    // A choice in a row's function list leaves that row to be restored by the next move
    // away from the hot elements.
    void MarkRowHighlighted(int row);

private:
    static constexpr std::size_t Index(HotElement element) { return static_cast<std::size_t>(element); }
    HoverStep Restore(HotElement element, const HoverPage& page, bool withSpot);

    std::array<bool, kHotElementCount> m_flags{};
};

// The element under `point`, tested as Reset, Cancel, Save, Help, Close, Minimise,
// Config, then the rows (only while the fold-out is open, in either view).
std::optional<HotElement> HotElementAt(ui::Point point, const HoverPage& page);

// The element's rectangle in the main window's client area.
ui::Rect HotElementRect(HotElement element);

struct HoverPaintContext {
    const ui::SkinState& skin;                 // image root and text colour
    language::Language language;               // the Reset, Cancel, Save and Config labels
    const settings::ButtonCaptions& captions;  // the row labels
};

// Draws the steps in the main font and the skin text colour: images, spots, labels. A row
// caption wider than its row is drawn from the row's left edge with an ellipsis.
void PaintHover(ui::Canvas& canvas, ui::TextMeasure& measure, const HoverPaintContext& context,
                std::span<const HoverStep> steps);

}  // namespace zalvane::pages
