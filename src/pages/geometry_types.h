#pragma once
// The pages speak of client rectangles, points and sizes in the toolkit's own types.

#include "ui/rect.h"

namespace zalvane::pages {

using ui::Point;
using ui::Rect;
using ui::Size;

}  // namespace zalvane::pages
