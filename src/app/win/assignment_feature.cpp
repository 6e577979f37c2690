// The main page's button-assignment rows and lists: the list boxes and key dialogs of
// src/assign/win, drawing on the main window's kept picture.

#include <memory>

#include "app/win/page_features.h"
#include "assign/win/assignment_list_boxes.h"
#include "platform/win/unique_handle.h"
#include "ui/win/gdi_canvas.h"

namespace zalvane::app::win {
namespace {

class AssignmentRowsAndLists final : public AssignmentFeature, private assign::win::AssignmentHost {
public:
    explicit AssignmentRowsAndLists(const FeatureContext& context)
        : m_window(context.window),
          m_mainFont(context.mainFont),
          m_measureDc(::CreateCompatibleDC(nullptr)),
          m_measure(m_measureDc.get(), context.mainFont, context.valueFont),
          m_lists(context.window.Window(), *this, context.state, context.skin, context.ports.ini)
    {
    }

    // pages::AssignmentRows
    void DrawRows(ui::Canvas& canvas, pages::MouseView view) override { m_lists.DrawRows(canvas, view); }
    void CloseAllLists() override { m_lists.CloseAllLists(); }

    // AssignmentFeature
    void OpenRowList(int row, pages::MouseView view) override { m_lists.OpenRowList(row, view); }
    void CloseRowLists(int row) override { m_lists.CloseRowLists(row); }

private:
    // assign::win::AssignmentHost
    void DrawOnWindow(const std::function<void(ui::Canvas&, ui::TextMeasure&)>& draw) override
    {
        m_window.DrawOnPage([&](ui::Canvas& canvas) { draw(canvas, m_measure); });
    }
    ui::TextMeasure& CaptionMeasure() override { return m_measure; }
    // The main window keeps no hover highlights yet, so nothing waits to restore the row:
    // its chosen look stays until the panel is drawn again.
    void RowChosen(int) override {}
    HFONT ListFont() const override { return m_mainFont; }

    PageWindow& m_window;
    HFONT m_mainFont;
    // Measures captions in the window's fonts, inside the page's drawing as outside it.
    platform::win::UniqueHdc m_measureDc;
    ui::win::GdiCanvas m_measure;
    assign::win::AssignmentListBoxes m_lists;
};

}  // namespace

std::unique_ptr<AssignmentFeature> MakeAssignmentFeature(const FeatureContext& context)
{
    return std::make_unique<AssignmentRowsAndLists>(context);
}

}  // namespace zalvane::app::win
