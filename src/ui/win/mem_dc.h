#pragma once
// CMemDC: a drawing surface that buffers everything drawn on it and copies the result to
// its target in one block transfer when it goes out of scope, so that a window never
// shows half-drawn states. Callers draw in the target's coordinates. It may draw on a bitmap
// that the caller keeps, which then holds the picture afterwards.

#include <windows.h>

#include "ui/win/memory_surface.h"

namespace zalvane::ui::win {

class CMemDC {
public:
    // `rect` null or empty: the target's clip box. A printer target is drawn on directly.
    explicit CMemDC(HDC target, const RECT* rect = nullptr) noexcept;
    // Draws on `keep` instead of a buffer of its own, so that what is drawn stays in that
    // bitmap (a window's background) after it was copied to the target. The bitmap covers
    // the target from (0, 0); null: a buffer of its own as above.
    CMemDC(HDC target, const RECT* rect, HBITMAP keep) noexcept;
    ~CMemDC();
    CMemDC(const CMemDC&) = delete;
    CMemDC& operator=(const CMemDC&) = delete;

    HDC get() const noexcept { return m_direct ? m_target : m_buffer.Dc(); }
    const RECT& Rect() const noexcept { return m_rect; }

private:
    void Prepare(HDC target, const RECT* rect, HBITMAP keep) noexcept;

    HDC m_target;
    RECT m_rect{};
    bool m_direct = false;
    MemorySurface m_buffer;
};

}  // namespace zalvane::ui::win
