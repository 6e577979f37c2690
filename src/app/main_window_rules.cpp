#include "app/main_window_rules.h"

#include <algorithm>

namespace zalvane::app {
namespace {

constexpr ColourRef kEditBrush = 0x949494;
constexpr ColourRef kListText = 0xFAFAFA;
constexpr ColourRef kListBackground = 0x0000FA;
constexpr ColourRef kListBrush = 0x000050;

constexpr ColourRef Rgb(std::uint8_t red, std::uint8_t green, std::uint8_t blue)
{
    return red | (green << 8) | (static_cast<ColourRef>(blue) << 16);
}

}  // namespace

ui::Point CentredIn(const ui::Rect& workArea, ui::Size size)
{
    const int workWidth = workArea.right - workArea.left;
    const int workHeight = workArea.bottom - workArea.top;
    return {(workWidth - size.width) / 2 + workArea.left, (workHeight - size.height) / 2 + workArea.top};
}

TrayAction TrayActionFor(std::uint64_t mouseMessage)
{
    switch (mouseMessage) {
        case kTrayLeftButtonUp:
        case kTrayLeftDoubleClick:
            return TrayAction::kShowWindow;
        case kTrayRightButtonUp:
            return TrayAction::kShowMenu;
        default:
            return TrayAction::kNone;
    }
}

ControlColours ControlColoursFor(ControlKind kind, int controlId, const settings::ProfileRecord& record,
                                 ui::SkinColour skinText)
{
    const ColourRef skin = Rgb(skinText.red, skinText.green, skinText.blue);
    ControlColours colours;
    switch (kind) {
        case ControlKind::kStatic: {
            const int stage = controlId - kFirstStageSwatchId;
            if (stage < 0 || stage >= static_cast<int>(settings::kStageCount)) {
                break;
            }
            const std::size_t at = settings::ProfileRecord::kStageColour + 3 * static_cast<std::size_t>(stage);
            colours.transparent = true;
            colours.brush = Rgb(record[at], record[at + 1], record[at + 2]);
            break;
        }
        case ControlKind::kButton:
            colours.transparent = true;
            break;
        case ControlKind::kEdit:
            colours.text = skin;
            colours.transparent = true;
            colours.brush = kEditBrush;
            colours.selectMainFont = true;
            break;
        case ControlKind::kListBox:
            colours.transparent = true;
            if (std::ranges::find(kSkinColouredListIds, controlId) != std::end(kSkinColouredListIds)) {
                colours.text = skin;
                colours.brush = kEditBrush;
            } else {
                colours.text = kListText;
                colours.background = kListBackground;
                colours.brush = kListBrush;
                colours.selectMainFont = true;
            }
            break;
        case ControlKind::kOther:
            break;
    }
    return colours;
}

}  // namespace zalvane::app
