#include "ui/win/mem_dc.h"

namespace zalvane::ui::win {

CMemDC::CMemDC(HDC target, const RECT* rect) noexcept : m_target(target)
{
    if (rect && !::IsRectEmpty(rect))
        m_rect = *rect;
    else
        ::GetClipBox(target, &m_rect);
    m_direct = ::GetDeviceCaps(target, TECHNOLOGY) == DT_RASPRINTER;
    if (m_direct)
        return;
    // Without a buffer everything goes straight to the target rather than nowhere.
    if (!m_buffer.Create(target, m_rect.right - m_rect.left, m_rect.bottom - m_rect.top)) {
        m_direct = true;
        return;
    }
    ::SetWindowOrgEx(m_buffer.Dc(), m_rect.left, m_rect.top, nullptr);
}

CMemDC::~CMemDC()
{
    if (m_direct)
        return;
    ::BitBlt(m_target, m_rect.left, m_rect.top, m_rect.right - m_rect.left, m_rect.bottom - m_rect.top, m_buffer.Dc(),
             m_rect.left, m_rect.top, SRCCOPY);
}

}  // namespace zalvane::ui::win
