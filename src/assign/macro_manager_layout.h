#pragma once
// Client rectangles of the macro manager: three columns (macros, the selected macro's
// events, record options) between a title band and the New / Delete / OK / Cancel buttons.

#include <array>
#include <optional>
#include <utility>

#include "ui/rect.h"

namespace zalvane::assign {

using ui::Point;
using ui::Rect;

inline constexpr Rect kMacroTitleBand{0, 0, 414, 31};
inline constexpr int kMacroTitleInset = 15;  // the title is left-aligned from here
inline constexpr Rect kMacroClose{427, 17, 478, 41};
inline constexpr Rect kMacroOk{298, 394, 352, 422};
inline constexpr Rect kMacroCancel{354, 394, 408, 422};
inline constexpr Rect kMacroNew{17, 367, 75, 392};
inline constexpr Rect kMacroDelete{77, 367, 135, 392};

// Column headers: "Select Macro", "Key Press Sequence", "Record Option".
inline constexpr std::array<Rect, 3> kMacroColumnHeaders{{
    {16, 60, 134, 78},
    {148, 60, 266, 78},
    {279, 60, 397, 78},
}};

inline constexpr Rect kMacroList{21, 82, 130, 353};   // list id 151
inline constexpr Rect kEventList{153, 82, 262, 353};  // list id 152

inline constexpr Rect kRecordButton{295, 87, 384, 111};
inline constexpr Rect kDelayTick{370, 144, 384, 158};
inline constexpr Rect kDelayLabel{290, 136, 370, 166};  // word-wrapped, vertically centred
inline constexpr Rect kLoopTick{296, 314, 310, 328};
inline constexpr Rect kLoopLabel{315, 314, 390, 328};
inline constexpr Rect kLoopTimesField{298, 333, 379, 345};  // edit id 149

inline constexpr int kMacroListId = 151;
inline constexpr int kEventListId = 152;
inline constexpr int kLoopTimesFieldId = 149;
inline constexpr int kManagerListItemHeight = 16;

// What a click on the dialog's own surface hits; the lists and the loop field are child
// windows and take their own clicks.
enum class MacroManagerArea { kClose, kOk, kCancel, kNew, kDelete, kRecord, kDelayOption, kLoopOption };

inline constexpr std::array<std::pair<MacroManagerArea, Rect>, 8> kMacroManagerAreas{{
    {MacroManagerArea::kClose, kMacroClose},
    {MacroManagerArea::kOk, kMacroOk},
    {MacroManagerArea::kCancel, kMacroCancel},
    {MacroManagerArea::kNew, kMacroNew},
    {MacroManagerArea::kDelete, kMacroDelete},
    {MacroManagerArea::kRecord, kRecordButton},
    {MacroManagerArea::kDelayOption, kDelayTick},
    {MacroManagerArea::kLoopOption, kLoopTick},
}};

// Nothing: a free spot, from which the dialog is dragged.
constexpr std::optional<MacroManagerArea> MacroManagerAreaAt(Point point)
{
    for (const auto& [area, rect] : kMacroManagerAreas) {
        if (rect.Contains(point)) {
            return area;
        }
    }
    return std::nullopt;
}

constexpr Rect MacroManagerAreaRect(MacroManagerArea area)
{
    for (const auto& [each, rect] : kMacroManagerAreas) {
        if (each == area) {
            return rect;
        }
    }
    return {};
}

// The areas that show their "over" image while the pointer rests on them.
constexpr bool IsHotArea(MacroManagerArea area)
{
    return area == MacroManagerArea::kClose || area == MacroManagerArea::kOk || area == MacroManagerArea::kCancel ||
           area == MacroManagerArea::kNew || area == MacroManagerArea::kDelete;
}

}  // namespace zalvane::assign
