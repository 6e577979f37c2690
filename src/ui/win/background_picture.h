#pragma once
// What a skinned dialog shows: a copy of its decoded background image, on which the
// dialog draws its texts once and its hover images as they come. A repaint copies the
// picture to the screen and draws nothing again, so a text never lands on itself (its
// smoothed edges would thicken at every repaint), and the decoded image stays as it was.

#include <windows.h>

#include "ui/win/memory_surface.h"

namespace zalvane::ui::win {

class BackgroundPicture {
public:
    // A copy of `background` (a bitmap not selected anywhere), in a surface compatible
    // with `reference`. False, and no picture, without a background or a surface.
    bool Compose(HBITMAP background, HDC reference) noexcept;

    // Where to draw on the picture; null without one.
    HDC Dc() const noexcept { return m_surface.Dc(); }
    explicit operator bool() const noexcept { return static_cast<bool>(m_surface); }

    // The whole picture to `target`, its top-left corner at (0, 0).
    void CopyTo(HDC target) const noexcept;

private:
    MemorySurface m_surface;
};

}  // namespace zalvane::ui::win
