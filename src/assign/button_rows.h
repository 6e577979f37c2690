#pragma once
// Which button each row of the button-assignment panel stands for. The front view shows
// buttons 1-7 in rows 1-7; the side view shows S1-S12 (buttons 8-19) in rows 1-12. Rows
// 8-12 stand for S8-S12 in either view, though the front view shows no box for them.

#include <cstddef>
#include <optional>

namespace zalvane::assign {

enum class MouseView { kFront = 1, kSide = 2 };

inline constexpr int kAssignmentRows = 12;
inline constexpr int kFrontViewRows = 7;

// The button (0-18) row `row` (1-12) addresses; nothing for a row outside the panel.
std::optional<std::size_t> ButtonOfRow(MouseView view, int row);

// The row (1-12) that shows `button` (0-18) in `view`; nothing when the view shows no box
// for it (the side buttons in the front view, the front buttons in the side view).
std::optional<int> RowOfButton(MouseView view, std::size_t button);

}  // namespace zalvane::assign
