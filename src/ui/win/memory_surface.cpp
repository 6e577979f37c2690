#include "ui/win/memory_surface.h"

#include <utility>

namespace zalvane::ui::win {

MemorySurface::MemorySurface(MemorySurface&& other) noexcept
    : m_dc(std::move(other.m_dc)),
      m_bitmap(std::move(other.m_bitmap)),
      m_previous(std::exchange(other.m_previous, nullptr)),
      m_width(std::exchange(other.m_width, 0)),
      m_height(std::exchange(other.m_height, 0))
{
}

MemorySurface& MemorySurface::operator=(MemorySurface&& other) noexcept
{
    if (this != &other) {
        Reset();
        m_dc = std::move(other.m_dc);
        m_bitmap = std::move(other.m_bitmap);
        m_previous = std::exchange(other.m_previous, nullptr);
        m_width = std::exchange(other.m_width, 0);
        m_height = std::exchange(other.m_height, 0);
    }
    return *this;
}

bool MemorySurface::Create(HDC reference, int width, int height) noexcept
{
    Reset();
    platform::win::UniqueHdc dc(::CreateCompatibleDC(reference));
    if (!dc || width <= 0 || height <= 0) {
        return false;
    }
    platform::win::UniqueHBitmap bitmap(::CreateCompatibleBitmap(reference, width, height));
    if (!bitmap) {
        return false;
    }
    m_previous = ::SelectObject(dc.get(), bitmap.get());
    m_dc = std::move(dc);
    m_bitmap = std::move(bitmap);
    m_width = width;
    m_height = height;
    return true;
}

bool MemorySurface::CreateOver(HDC reference, HBITMAP bitmap) noexcept
{
    Reset();
    BITMAP info{};
    if (!bitmap || ::GetObjectW(bitmap, sizeof info, &info) == 0) {
        return false;
    }
    platform::win::UniqueHdc dc(::CreateCompatibleDC(reference));
    if (!dc) {
        return false;
    }
    const HGDIOBJ previous = ::SelectObject(dc.get(), bitmap);
    if (!previous || previous == HGDI_ERROR) {
        return false;  // e.g. selected into another surface already
    }
    m_previous = previous;
    m_dc = std::move(dc);
    m_width = info.bmWidth;
    m_height = info.bmHeight < 0 ? -info.bmHeight : info.bmHeight;
    return true;
}

void MemorySurface::Reset() noexcept
{
    // A bitmap cannot be deleted while it is selected: put the surface's first object back.
    if (m_dc && m_previous) {
        ::SelectObject(m_dc.get(), m_previous);
    }
    m_previous = nullptr;
    m_bitmap.reset();
    m_dc.reset();
    m_width = 0;
    m_height = 0;
}

}  // namespace zalvane::ui::win
