#pragma once
// What every skinned window's hover highlighting shares: how long the pointer rests on an
// element before it lights up, and the two looks an element has.

namespace zalvane::ui {

// How long the pointer rests on an element before it is highlighted.
inline constexpr unsigned kHoverTimeMs = 10;

enum class HoverLook { kNormal, kOver };

}  // namespace zalvane::ui
