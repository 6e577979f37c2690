#pragma once
// Client rectangles of the configuration (profile list) dialog: a title strip, the list of
// profiles, and the New strip at the bottom.

#include "ui/rect.h"

namespace zalvane::dialogs {

using ui::Point;
using ui::Rect;

inline constexpr Rect kConfigClose{240, 8, 255, 23};
inline constexpr Rect kConfigTitleStrip{0, 0, 263, 31};
// Wide enough for "Configuration" in every dialog font; it ends before the close button.
inline constexpr Rect kConfigTitleText{10, 0, 230, 31};
inline constexpr Rect kConfigList{0, 31, 263, 575};  // list id 130
inline constexpr Rect kConfigNewStrip{0, 575, 263, 598};
inline constexpr Point kConfigNewImage{14, 582};
inline constexpr Rect kConfigNewText{30, 575, 80, 598};

enum class ConfigClick {
    kNone,   // default handling
    kClose,  // write the list, tell the main window, end the dialog
    kNew,    // the New flow
};

// A left press at a dialog client point.
constexpr ConfigClick ConfigClickAt(Point point)
{
    if (kConfigClose.Contains(point)) {
        return ConfigClick::kClose;
    }
    if (kConfigNewStrip.Contains(point)) {
        return ConfigClick::kNew;
    }
    return ConfigClick::kNone;
}

}  // namespace zalvane::dialogs
