#pragma once
// Client rectangles of the help panel: three text lines, and a close, OK and Cancel area
// that only matter when the background image is large enough to hold them.

#include "ui/rect.h"

namespace zalvane::dialogs {

using ui::Rect;

inline constexpr Rect kHelpAddressLine{0, 0, 166, 25};
inline constexpr Rect kHelpUpdateLine{0, 26, 166, 49};
inline constexpr Rect kHelpVersionLine{0, 50, 166, 77};
inline constexpr Rect kHelpClose{352, 6, 370, 24};
inline constexpr Rect kHelpOk{250, 250, 308, 275};
inline constexpr Rect kHelpCancel{314, 250, 372, 275};

}  // namespace zalvane::dialogs
