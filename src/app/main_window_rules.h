#pragma once
// The main window's decisions that need no window: where the main page goes when the
// splash ends, what a click on the notification-area icon does, and how the window
// colours its child controls.

#include <cstdint>
#include <optional>
#include <string_view>

#include "settings/profile_record.h"
#include "ui/rect.h"
#include "ui/skin_state.h"

namespace zalvane::app {

// The top-left corner that centres a `size` window in the work area: halves are rounded
// toward zero, also when the window is larger than the area.
ui::Point CentredIn(const ui::Rect& workArea, ui::Size size);

inline constexpr std::uint64_t kTrayLeftButtonUp = 0x202;     // WM_LBUTTONUP
inline constexpr std::uint64_t kTrayLeftDoubleClick = 0x203;  // WM_LBUTTONDBLCLK
inline constexpr std::uint64_t kTrayRightButtonUp = 0x205;    // WM_RBUTTONUP
inline constexpr unsigned kTrayExitCommand = 1028;            // the tray menu's "Exit"

enum class TrayAction { kNone, kShowWindow, kShowMenu };

// `mouseMessage` is the tray callback's second parameter.
TrayAction TrayActionFor(std::uint64_t mouseMessage);

// Colour references as the system takes them: 0x00BBGGRR.
using ColourRef = std::uint32_t;

enum class ControlKind { kStatic, kButton, kEdit, kListBox, kOther };

// What the window's answer to a control's colour request sets; nothing means unchanged.
struct ControlColours {
    std::optional<ColourRef> text;
    bool transparent = false;
    std::optional<ColourRef> background;
    // A solid brush of this colour; nothing: the framework's default brush.
    std::optional<ColourRef> brush;
    bool selectMainFont = false;
    friend bool operator==(const ControlColours&, const ControlColours&) = default;
};

inline constexpr int kFirstStageSwatchId = 71;  // the DPI stages' colour swatches, 71-77
inline constexpr int kSkinColouredListIds[] = {151, 152};

ControlColours ControlColoursFor(ControlKind kind, int controlId, const settings::ProfileRecord& record,
                                 ui::SkinColour skinText);

}  // namespace zalvane::app
