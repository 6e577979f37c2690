#pragma once
// An off-screen surface: a memory device context with its own bitmap selected, or with a
// bitmap that someone else keeps.

#include <windows.h>

#include "platform/win/unique_handle.h"

namespace zalvane::ui::win {

class MemorySurface {
public:
    MemorySurface() = default;
    MemorySurface(MemorySurface&& other) noexcept;
    MemorySurface& operator=(MemorySurface&& other) noexcept;
    ~MemorySurface() { Reset(); }

    // A surface of `width` x `height` compatible with `reference`; false (and empty) when
    // the system refuses.
    bool Create(HDC reference, int width, int height) noexcept;
    // A surface that draws on `bitmap`, which stays the caller's (and must outlive the
    // surface or its next Reset); false (and empty) when the system refuses.
    bool CreateOver(HDC reference, HBITMAP bitmap) noexcept;
    void Reset() noexcept;

    HDC Dc() const noexcept { return m_dc.get(); }
    HBITMAP Bitmap() const noexcept { return m_bitmap.get(); }
    int Width() const noexcept { return m_width; }
    int Height() const noexcept { return m_height; }
    explicit operator bool() const noexcept { return static_cast<bool>(m_dc); }

private:
    platform::win::UniqueHdc m_dc;
    platform::win::UniqueHBitmap m_bitmap;
    HGDIOBJ m_previous = nullptr;
    int m_width = 0;
    int m_height = 0;
};

}  // namespace zalvane::ui::win
