#include "pages/assignment_row_painting.h"

#include <string>

#include "assign/button_rows.h"
#include "pages/main_window_geometry.h"
#include "pages/skin_catalogue.h"

namespace zalvane::pages {
namespace {

int RowsOf(MouseView view) { return view == MouseView::kFront ? kAssignmentFrontRowCount : kAssignmentRowCount; }

}  // namespace

void PaintAssignmentRows(ui::Canvas& canvas, ui::TextMeasure& measure, const RowPaintContext& context, MouseView view)
{
    for (int row = 1; row <= RowsOf(view); ++row) {
        PaintAssignmentRow(canvas, measure, context, view, row, RowBoxLook::kNormal);
    }
}

void PaintAssignmentRow(ui::Canvas& canvas, ui::TextMeasure& measure, const RowPaintContext& context, MouseView view,
                        int row, RowBoxLook look)
{
    if (row < 1 || row > RowsOf(view)) {
        return;
    }
    const std::optional<std::size_t> button = assign::ButtonOfRow(view, row);
    if (!button) {
        return;
    }
    const Rect box = AssignmentRow(row);
    canvas.DrawImage(
        context.skin.ImagePath(look == RowBoxLook::kChosen ? pages::kDropdownChosenImage : pages::kDropdownNormalImage),
        box.left, box.top);
    canvas.SetTextStyle(ui::FontRole::kMain, context.skin.textColour);
    const std::string& caption = context.captions[*button];
    canvas.DrawText(caption, box, ui::CaptionAlignment(measure, caption, box));
}

void PaintRowSpots(ui::Canvas& canvas, const ui::SkinState& skin, MouseView view, int row)
{
    const bool front = view == MouseView::kFront;
    const std::size_t count = front ? kFrontSpotCount : kSideSpotCount;
    for (std::size_t spot = 0; spot < count; ++spot) {
        const int number = static_cast<int>(spot) + 1;
        const bool over = number == row;
        const std::string_view pattern = front ? (over ? pages::kFrontSpotOverPattern : pages::kFrontSpotNormalPattern)
                                               : (over ? pages::kSideSpotOverPattern : pages::kSideSpotNormalPattern);
        const Point at = front ? kFrontSpots[spot] : kSideSpots[spot];
        canvas.DrawImage(skin.ImagePath(pages::SkinImageName(pattern, number)), at.x, at.y);
    }
}

}  // namespace zalvane::pages
