#include "ui/win/background_picture.h"

#include "platform/win/gdi_guards.h"
#include "platform/win/unique_handle.h"

namespace zalvane::ui::win {

bool BackgroundPicture::Compose(HBITMAP background, HDC reference) noexcept
{
    m_surface.Reset();
    BITMAP info{};
    if (!background || ::GetObjectW(background, sizeof info, &info) == 0) {
        return false;
    }
    if (!m_surface.Create(reference, info.bmWidth, info.bmHeight)) {
        return false;
    }
    const platform::win::UniqueHdc source(::CreateCompatibleDC(reference));
    if (!source) {
        m_surface.Reset();
        return false;
    }
    const platform::win::SelectGuard selected(source.get(), background);
    ::BitBlt(m_surface.Dc(), 0, 0, info.bmWidth, info.bmHeight, source.get(), 0, 0, SRCCOPY);
    return true;
}

void BackgroundPicture::CopyTo(HDC target) const noexcept
{
    if (m_surface) {
        ::BitBlt(target, 0, 0, m_surface.Width(), m_surface.Height(), m_surface.Dc(), 0, 0, SRCCOPY);
    }
}

}  // namespace zalvane::ui::win
