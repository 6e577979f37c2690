// The button-assignment rows and the mouse-picture spots as drawn on the main window.

#include "pages/assignment_row_painting.h"

#include <gtest/gtest.h>

#include "unit/pages/page_test_support.h"

namespace zalvane::pages {
namespace {

using testing::kSkinRoot;
using testing::RecordingCanvas;

// Every character 7 pixels wide.
class FixedMeasure final : public ui::TextMeasure {
public:
    int TextWidth(std::string_view text, ui::FontRole) override { return 7 * static_cast<int>(text.size()); }
};

class AssignmentRowPaintingTest : public ::testing::Test {
protected:
    AssignmentRowPaintingTest()
    {
        m_skin.root = std::string(kSkinRoot);
        for (std::size_t button = 0; button < m_captions.size(); ++button) {
            m_captions[button] = "B" + std::to_string(button + 1);
        }
    }

    ui::SkinState m_skin;
    settings::ButtonCaptions m_captions;
    RecordingCanvas m_canvas;
    FixedMeasure m_measure;
};

TEST_F(AssignmentRowPaintingTest, EachViewShowsItsButtonsInItsRows)
{
    struct Case {
        MouseView view;
        std::size_t rows;
        std::string firstCaption;
        std::string lastCaption;
    };
    for (const Case& c : {Case{MouseView::kFront, 7, "B1", "B7"}, Case{MouseView::kSide, 12, "B8", "B19"}}) {
        m_canvas.Clear();
        PaintAssignmentRows(m_canvas, m_measure, {m_skin, m_captions}, c.view);
        ASSERT_EQ(m_canvas.images.size(), c.rows);
        ASSERT_EQ(m_canvas.texts.size(), c.rows);
        EXPECT_EQ(m_canvas.images.front(),
                  (RecordingCanvas::Image{"/ButtonAssignment/DropdownBox-normal.png", {120, 129}}));
        EXPECT_EQ(m_canvas.texts.front().text, c.firstCaption);
        EXPECT_EQ(m_canvas.texts.back().text, c.lastCaption);
        EXPECT_EQ(m_canvas.texts.back().rect, AssignmentRow(static_cast<int>(c.rows)));
    }
}

TEST_F(AssignmentRowPaintingTest, ARowAfterAChoiceTakesItsLookAndACaptionTooWideEndsInAnEllipsis)
{
    m_captions[9] = "Combo Key-Right Alt+Z";  // 21 x 7 = 147 px in a 130 px box
    PaintAssignmentRow(m_canvas, m_measure, {m_skin, m_captions}, MouseView::kSide, 3, RowBoxLook::kChosen);
    PaintAssignmentRow(m_canvas, m_measure, {m_skin, m_captions}, MouseView::kSide, 4, RowBoxLook::kNormal);
    PaintAssignmentRow(m_canvas, m_measure, {m_skin, m_captions}, MouseView::kFront, 9, RowBoxLook::kChosen);
    ASSERT_EQ(m_canvas.images.size(), 2u);  // the front view shows no box for row 9
    EXPECT_EQ(m_canvas.images[0], (RecordingCanvas::Image{"/ButtonAssignment/DropdownBox-leave.png", {120, 169}}));
    EXPECT_EQ(m_canvas.images[1].name, "/ButtonAssignment/DropdownBox-normal.png");
    EXPECT_EQ(m_canvas.texts[0].alignment, ui::TextAlignment::kLeftEllipsis);
    EXPECT_EQ(m_canvas.texts[1].alignment, ui::TextAlignment::kCentre);
}

TEST_F(AssignmentRowPaintingTest, TheOpenRowsSpotIsLitAndTheViewsOtherSpotsAreNot)
{
    PaintRowSpots(m_canvas, m_skin, MouseView::kFront, 3);
    ASSERT_EQ(m_canvas.images.size(), 7u);
    EXPECT_EQ(m_canvas.images[2], (RecordingCanvas::Image{"/Mouse/Front/F-3-over.png", {507, 148}}));
    EXPECT_EQ(m_canvas.images[0], (RecordingCanvas::Image{"/Mouse/Front/F-1-normal.png", {363, 111}}));

    m_canvas.Clear();
    PaintRowSpots(m_canvas, m_skin, MouseView::kFront, 9);  // S9 has no spot in the front view
    EXPECT_EQ(std::ranges::count_if(m_canvas.images, [](const auto& i) { return i.name.ends_with("-over.png"); }), 0);

    m_canvas.Clear();
    PaintRowSpots(m_canvas, m_skin, MouseView::kSide, 12);
    ASSERT_EQ(m_canvas.images.size(), 12u);
    EXPECT_EQ(m_canvas.images[11], (RecordingCanvas::Image{"/Mouse/Side/S-12-over.png", {559, 274}}));
}

}  // namespace
}  // namespace zalvane::pages
