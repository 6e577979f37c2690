#include "ui/win/gdip_button.h"

#include "platform/win/gdi_guards.h"
#include "ui/win/mem_dc.h"
#include "ui/win/private_messages.h"

namespace zalvane::ui::win {
namespace {

constexpr wchar_t kButtonClass[] = L"Zalvane.GdipButton";

std::size_t Index(ButtonPicture picture) { return static_cast<std::size_t>(picture); }

}  // namespace

ThumbMoved PostThumbMoved(HWND window)
{
    return [window](int top) { ::PostMessageW(window, kThumbMovedMessage, static_cast<WPARAM>(top), 0); };
}

CGdipButton::~CGdipButton() { DestroyWindow(); }

std::span<const MessageEntry> CGdipButton::Messages() const
{
    static constexpr MessageEntry kTable[] = {
        OnMessage<kReflectedCtlColor, &CGdipButton::OnCtlColor>(),
        OnMessage<kReflectedDrawItem, &CGdipButton::OnDrawItem>(),
        OnMessage<WM_ERASEBKGND, &CGdipButton::OnEraseBackground>(),
        OnMessage<WM_MOUSEMOVE, &CGdipButton::OnMouseMove>(),
        OnMessage<WM_MOUSEHOVER, &CGdipButton::OnMouseHover>(),
        OnMessage<WM_MOUSELEAVE, &CGdipButton::OnMouseLeave>(),
    };
    return kTable;
}

bool CGdipButton::Create(const CreateArgs& args)
{
    CreateArgs ownerDrawn = args;
    ownerDrawn.style |= BS_OWNERDRAW;
    // Our windows of the system's button class: the button's own procedure does the rest.
    return CreateAs(L"BUTTON", kButtonClass, ownerDrawn);
}

bool CGdipButton::LoadStdImage(UINT id, const wchar_t* type)
{
    m_stdImage.emplace();
    return m_stdImage->Load(id, type);
}

bool CGdipButton::LoadAltImage(UINT id, const wchar_t* type)
{
    m_hasAltImage = true;
    m_altImage.emplace();
    return m_altImage->Load(id, type);
}

const MemorySurface& CGdipButton::Picture(ButtonPicture picture) const noexcept { return m_pictures[Index(picture)]; }

HBRUSH CGdipButton::OnCtlColor(HDC, HWND)
{
    PreparePictures();
    return nullptr;  // the parent answers the colour request itself
}

RECT CGdipButton::RectInParent() const noexcept
{
    RECT rect{};
    ::GetWindowRect(Hwnd(), &rect);
    ::MapWindowPoints(nullptr, ::GetParent(Hwnd()), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

// The parent's pixels under the button's first position, taken once.
void CGdipButton::CopyBackground(int width, int height)
{
    const HWND parent = ::GetParent(Hwnd());
    const platform::win::WindowDc parentDc(parent);
    if (!parentDc || !m_background.Create(parentDc.get(), width, height)) {
        return;
    }
    const RECT at = RectInParent();
    ::BitBlt(m_background.Dc(), 0, 0, width, height, parentDc.get(), at.left, at.top, SRCCOPY);
}

void CGdipButton::ComposePicture(ButtonPicture picture, HDC buffer, Gdiplus::Graphics& graphics, Gdiplus::Bitmap* image,
                                 int x, int y, const ColourMatrix* matrix)
{
    MemorySurface& surface = m_pictures[Index(picture)];
    if (surface) {
        return;
    }
    const int width = m_background.Width();
    const int height = m_background.Height();
    ::BitBlt(buffer, 0, 0, width, height, m_background.Dc(), 0, 0, SRCCOPY);
    DrawBitmap(graphics, image, x, y, matrix);
    graphics.Flush(Gdiplus::FlushIntentionSync);
    if (surface.Create(buffer, width, height)) {
        ::BitBlt(surface.Dc(), 0, 0, width, height, buffer, 0, 0, SRCCOPY);
    }
}

void CGdipButton::PreparePictures()
{
    if (m_prepared || !m_stdImage) {
        return;
    }
    RECT client{};
    ::GetClientRect(Hwnd(), &client);
    if (client.right <= 0 || client.bottom <= 0) {
        return;
    }
    if (!m_background) {
        CopyBackground(client.right, client.bottom);
    }
    if (!m_background) {
        return;
    }

    const platform::win::WindowDc buttonDc(Hwnd());
    const CMemDC buffer(buttonDc.get(), &client);
    Gdiplus::Graphics graphics(buffer.get());

    Gdiplus::Bitmap* standard = m_stdImage->get();
    ComposePicture(ButtonPicture::kStandard, buffer.get(), graphics, standard, 0, 0, nullptr);
    ComposePicture(ButtonPicture::kStandardPressed, buffer.get(), graphics, standard, 0, 0, nullptr);
    ComposePicture(ButtonPicture::kStandardHot, buffer.get(), graphics, standard, 0, 0, &kHotMatrix);
    ComposePicture(ButtonPicture::kDisabled, buffer.get(), graphics, standard, 0, 0, &kGreyscaleMatrix);
    if (m_hasAltImage && m_altImage) {
        Gdiplus::Bitmap* alternate = m_altImage->get();
        ComposePicture(ButtonPicture::kAlternate, buffer.get(), graphics, alternate, 0, 0, nullptr);
        // Pressed shows the alternate image one pixel down and right.
        ComposePicture(ButtonPicture::kAlternatePressed, buffer.get(), graphics, alternate, 1, 1, nullptr);
        ComposePicture(ButtonPicture::kAlternateHot, buffer.get(), graphics, alternate, 0, 0, &kHotMatrix);
    }
    if (!m_current) {
        m_current = ButtonPicture::kStandard;
    }
    m_prepared = true;
}

void CGdipButton::OnDrawItem(const DRAWITEMSTRUCT& item)
{
    m_current = m_state.Paint((item.itemState & ODS_SELECTED) != 0);
    const MemorySurface& picture = m_pictures[Index(*m_current)];
    if (!picture) {
        return;  // not prepared: nothing visible changes
    }
    RECT client{};
    ::GetClientRect(Hwnd(), &client);
    ::BitBlt(item.hDC, 0, 0, client.right, client.bottom, picture.Dc(), 0, 0, SRCCOPY);
}

bool CGdipButton::OnEraseBackground(HDC) { return true; }

void CGdipButton::OnMouseMove(UINT, POINT)
{
    if (m_state.NeedsTracking()) {
        TRACKMOUSEEVENT tracking{sizeof tracking, TME_HOVER | TME_LEAVE, Hwnd(), 1};
        m_state.SetTracking(::TrackMouseEvent(&tracking) != FALSE);
    }
    ContinueDefault();
}

void CGdipButton::OnMouseHover(UINT, POINT)
{
    m_state.Hover();
    ::InvalidateRect(Hwnd(), nullptr, TRUE);
}

void CGdipButton::OnMouseLeave()
{
    m_state.Leave();
    ::InvalidateRect(Hwnd(), nullptr, TRUE);
}

// Dragging runs on the pointer positions of the messages addressed to the thumb: only a
// release that reaches the thumb ends a drag.
bool CGdipButton::PreTranslateMessage(MSG& message)
{
    if (message.hwnd != Hwnd()) {
        return false;
    }
    switch (message.message) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            m_drag.Press(message.pt.y);
            break;
        case WM_LBUTTONUP:
            m_drag.Release();
            break;
        case WM_MOUSEMOVE: {
            const RECT rect = RectInParent();
            const std::optional<int> top = m_drag.Move(message.pt.y, rect.left, rect.top, rect.bottom);
            if (!top) {
                break;
            }
            ::SetWindowPos(Hwnd(), nullptr, rect.left, *top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            ::InvalidateRect(Hwnd(), nullptr, TRUE);
            ::UpdateWindow(Hwnd());
            if (m_thumbMoved) {
                m_thumbMoved(*top);
            }
            break;
        }
        default:
            break;
    }
    return false;
}

}  // namespace zalvane::ui::win
