#pragma once
// The dialogs' rectangles as the system's.

#include <windows.h>

#include "pages/rect.h"

namespace zalvane::assign::win {

constexpr RECT ToRect(const pages::Rect& rect) { return {rect.left, rect.top, rect.right, rect.bottom}; }
constexpr pages::Rect FromRect(const RECT& rect) { return {rect.left, rect.top, rect.right, rect.bottom}; }

}  // namespace zalvane::assign::win
