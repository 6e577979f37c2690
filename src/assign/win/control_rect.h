#pragma once
// The dialogs' rectangles as the system's.

#include <windows.h>

#include "ui/rect.h"

namespace zalvane::assign::win {

constexpr RECT ToRect(const ui::Rect& rect) { return {rect.left, rect.top, rect.right, rect.bottom}; }
constexpr ui::Rect FromRect(const RECT& rect) { return {rect.left, rect.top, rect.right, rect.bottom}; }

}  // namespace zalvane::assign::win
