#pragma once
// The main page: the page state, the layout passes, the click dispatcher and the panels put
// together. The window hands it its messages with a canvas to draw on (one block copy to
// the screen afterwards) and carries out the window actions it gives back. Settings go into
// the profile record only; nothing reaches the mouse before the save flow.

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "language/language.h"
#include "pages/assignment_rows.h"
#include "pages/page_actions.h"
#include "pages/page_painter.h"
#include "pages/page_state.h"
#include "pages/panel_sizes.h"
#include "settings/profile_record.h"
#include "ui/canvas.h"
#include "ui/child_controls.h"
#include "ui/image_size.h"
#include "ui/skin_state.h"

namespace zalvane::pages {

// What the page works with. Everything is referenced, not copied: the record, the skin and
// the language may be filled after the page is made, and are read at every use.
struct PageContext {
    settings::ProfileRecord& record;
    const ui::SkinState& skin;
    const language::Language& language;
    ui::ChildControlPort& controls;
    ui::ImageSizePort& imageSizes;
};

struct ClickOutcome {
    std::vector<WindowAction> actions;  // for the window, in order
    bool dragWindow = false;            // start a window drag from the click point
};

// The thumb's top edge carried by message 0xB20 (wParam, as a signed int); nothing when
// lParam is not 0.
std::optional<int> ThumbTopFromMessage(std::uint64_t wParam, std::int64_t lParam);

class MainPage {
public:
    explicit MainPage(const PageContext& context);

    // The button-assignment code, once it exists; without it the rows are not drawn.
    void SetAssignmentRows(AssignmentRows* rows) { m_rows = rows; }

    const PageState& State() const { return m_state; }
    const PanelSizes& Sizes() const { return m_sizes; }
    bool HasDrawn() const { return m_drawn; }

    void SetPagesReady() { m_state.pagesReady = true; }
    void ClearBusy() { m_state.busy = false; }
    // The help or configuration dialog ended by itself (or could not be made).
    void HelpClosed() { m_state.helpOpen = false; }
    void ConfigClosed() { m_state.configOpen = false; }

    // The first showing: measures the panel backgrounds, then the closed-state drawing.
    void FirstDraw(ui::Canvas& canvas);
    // The whole page again from the current state.
    void Refresh(ui::Canvas& canvas);
    // Closes the transient controls, folds everything in, then the closed-state drawing.
    void ResetLayout(ui::Canvas& canvas);
    // The stage swatches, the scroll-lines box and every open list go; the thumb goes back
    // to the top of its bar.
    void CloseTransientControls();

    // A left button press at `point` (client pixels).
    [[nodiscard]] ClickOutcome Click(Point point, ui::Canvas& canvas);
    // The scroll thumb's top edge moved to `top` (ThumbTopFromMessage).
    void ThumbMoved(int top, ui::Canvas& canvas);
    // The scroll-lines box's text changed (EN_CHANGE of id 121). Changes made by the page
    // itself are ignored, so the window may pass on every notification.
    void ScrollLinesEdited(std::string_view text);
    // The colour dialog for `stage` (0..6) ended with OK.
    void StageColourChosen(int stage, ui::SkinColour colour);

private:
    PagePainter Painter(ui::Canvas& canvas) const;
    void DrawClosedState(PagePainter& painter);
    void DrawMouseView(PagePainter& painter) const;
    void DrawLeftColumn(PagePainter& painter);
    void DrawTopView(PagePainter& painter);
    void DrawBottomView(PagePainter& painter);
    void DrawRightItem(PagePainter& painter, std::size_t index);
    int PanelWidth(std::size_t index) const { return m_sizes.Of(RightPanel(index)).width; }

    void Apply(const PageAction& action, PagePainter& painter);
    void Apply(const SetSetting& action, PagePainter& painter);
    void ClickRight(std::size_t index, PagePainter& painter);
    void Note(const WindowAction& action);
    void CloseAssignmentLists();

    void CreateSwatches();
    void DestroySwatches();
    void CreateScrollBox(const Rect& strip);
    void DestroyScrollBox();
    void SetScrollBoxText(std::uint8_t lines);
    void SetScrollBoxText(std::string_view text);
    void ThumbToTop();

    PageContext m_context;
    AssignmentRows* m_rows = nullptr;
    PageState m_state;
    PanelSizes m_sizes;
    bool m_drawn = false;
    bool m_swatchesShown = false;
    bool m_scrollBoxShown = false;
    bool m_thumbShown = false;
    bool m_writingScrollBox = false;  // the page's own text change is under way
};

}  // namespace zalvane::pages
