#include "assign/button_rows.h"

#include "settings/profile_record.h"

namespace zalvane::assign {
namespace {

constexpr std::size_t kFirstSideButton = 7;  // S1

}  // namespace

std::optional<std::size_t> ButtonOfRow(MouseView view, int row)
{
    if (row < 1 || row > kAssignmentRows) {
        return std::nullopt;
    }
    const auto index = static_cast<std::size_t>(row - 1);
    if (view == MouseView::kFront && row <= kFrontViewRows) {
        return index;
    }
    return kFirstSideButton + index;
}

std::optional<int> RowOfButton(MouseView view, std::size_t button)
{
    if (button >= settings::kButtonCount) {
        return std::nullopt;
    }
    if (view == MouseView::kFront) {
        return button < kFirstSideButton ? std::optional<int>(static_cast<int>(button) + 1) : std::nullopt;
    }
    return button >= kFirstSideButton ? std::optional<int>(static_cast<int>(button - kFirstSideButton) + 1)
                                      : std::nullopt;
}

}  // namespace zalvane::assign
