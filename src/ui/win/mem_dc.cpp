#include "ui/win/mem_dc.h"

namespace zalvane::ui::win {

CMemDC::CMemDC(HDC target, const RECT* rect) noexcept : m_target(target) { Prepare(target, rect, nullptr); }

CMemDC::CMemDC(HDC target, const RECT* rect, HBITMAP keep) noexcept : m_target(target) { Prepare(target, rect, keep); }

void CMemDC::Prepare(HDC target, const RECT* rect, HBITMAP keep) noexcept
{
    if (rect && !::IsRectEmpty(rect)) {
        m_rect = *rect;
    } else {
        ::GetClipBox(target, &m_rect);
    }
    m_direct = ::GetDeviceCaps(target, TECHNOLOGY) == DT_RASPRINTER;
    if (m_direct) {
        return;
    }
    // A kept bitmap covers the target from its origin: its pixels are the target's.
    if (keep != nullptr && m_buffer.CreateOver(target, keep)) {
        return;
    }
    // Without a buffer everything goes straight to the target rather than nowhere.
    if (!m_buffer.Create(target, m_rect.right - m_rect.left, m_rect.bottom - m_rect.top)) {
        m_direct = true;
        return;
    }
    ::SetWindowOrgEx(m_buffer.Dc(), m_rect.left, m_rect.top, nullptr);
}

CMemDC::~CMemDC()
{
    if (m_direct) {
        return;
    }
    ::BitBlt(m_target, m_rect.left, m_rect.top, m_rect.right - m_rect.left, m_rect.bottom - m_rect.top, m_buffer.Dc(),
             m_rect.left, m_rect.top, SRCCOPY);
}

}  // namespace zalvane::ui::win
