#pragma once
// The button-assignment rows on the main window: each row's drop-down box with the
// caption of the button it stands for, and the spots of the mouse picture, where the
// button whose function list is open shows its over form.

#include <cstddef>
#include <optional>

#include "pages/page_state.h"
#include "settings/text_settings.h"
#include "ui/canvas.h"
#include "ui/skin_state.h"

namespace zalvane::pages {

// How a row's drop-down box looks: as drawn with the panel, or just after a choice in
// its function list.
enum class RowBoxLook { kNormal, kChosen };

struct RowPaintContext {
    const ui::SkinState& skin;                 // images and the text colour
    const settings::ButtonCaptions& captions;  // the buttons' captions
};

// Rows 1-7 in the front view, 1-12 in the side view, each box in its normal look. A
// caption wider than its box starts at the box's left edge and ends in an ellipsis.
void PaintAssignmentRows(ui::Canvas& canvas, ui::TextMeasure& measure, const RowPaintContext& context, MouseView view);

// Row `row` alone; nothing for a row the view shows no box for.
void PaintAssignmentRow(ui::Canvas& canvas, ui::TextMeasure& measure, const RowPaintContext& context, MouseView view,
                        int row, RowBoxLook look);

// Every spot of the view's mouse picture in its normal form, except the spot of the
// button row `row` stands for, in its over form (front rows 8-12 have none).
void PaintRowSpots(ui::Canvas& canvas, const ui::SkinState& skin, MouseView view, int row);

}  // namespace zalvane::pages
