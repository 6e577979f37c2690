#include "assign/win/key_dialog_base.h"

#include <utility>

#include "assign/key_dialog_layout.h"
#include "assign/win/system_key_names.h"
#include "pages/skin_catalogue.h"
#include "platform/win/gdi_guards.h"
#include "platform/win/message_box.h"
#include "platform/win/wide_text.h"
#include "ui/hover_look.h"
#include "ui/win/fonts.h"
#include "ui/win/gdi_canvas.h"
#include "ui/win/mem_dc.h"
#include "ui/win/private_messages.h"
#include "ui/win/skin_image.h"

namespace zalvane::assign::win {
namespace {

using platform::win::Widen;
using ui::win::OnMessage;
using ui::win::OnRawMessage;

constexpr COLORREF kControlText = RGB(255, 255, 255);
constexpr COLORREF kControlBackground = dialogs::kKeyDialogControlBackground;
constexpr wchar_t kImageFailedText[] = L"LoadPng---Load image failed.";

std::string_view BackgroundOf(KeyDialog kind)
{
    switch (kind) {
        case KeyDialog::kComboKey:
            return pages::kComboKeyBackground;
        case KeyDialog::kMacroKey:
            return pages::kMacroKeyBackground;
        case KeyDialog::kSingleKey:
            break;
    }
    return pages::kSingleKeyBackground;
}

ui::FontUse FontOf(KeyDialog kind)
{
    return kind == KeyDialog::kSingleKey ? ui::FontUse::kSingleKeyDialog : ui::FontUse::kDialog;
}

UINT CaptureMessageOf(KeyDialog kind)
{
    return kind == KeyDialog::kComboKey ? ui::win::kComboKeyCapturedMessage : ui::win::kSingleKeyCapturedMessage;
}

}  // namespace

CKeyDialogBase::CKeyDialogBase(UINT templateId, KeyDialog kind, const KeyDialogContext& context)
    : CDialog(templateId), m_kind(kind), m_context(context), m_texts(TextsOf(kind, context.language))
{
}

std::span<const ui::win::MessageEntry> CKeyDialogBase::Messages() const
{
    static constexpr ui::win::MessageEntry kTable[] = {
        OnMessage<WM_PAINT, &CKeyDialogBase::OnPaint>(),
        OnMessage<WM_ERASEBKGND, &CKeyDialogBase::OnEraseBackground>(),
        OnMessage<WM_LBUTTONDOWN, &CKeyDialogBase::OnLeftButtonDown>(),
        OnMessage<WM_MOUSEMOVE, &CKeyDialogBase::OnMouseMove>(),
        OnMessage<WM_MOUSEHOVER, &CKeyDialogBase::OnMouseHover>(),
        OnMessage<WM_MOUSELEAVE, &CKeyDialogBase::OnMouseLeave>(),
        OnMessage<WM_CTLCOLORSTATIC, &CKeyDialogBase::OnCtlColor>(),
        OnMessage<WM_CTLCOLOREDIT, &CKeyDialogBase::OnCtlColor>(),
        OnMessage<WM_CTLCOLORLISTBOX, &CKeyDialogBase::OnCtlColor>(),
        OnRawMessage<WM_HELP, &CKeyDialogBase::OnHelp>(),
        OnRawMessage<ui::win::kSingleKeyCapturedMessage, &CKeyDialogBase::OnKeyCapturedMessage>(),
        OnRawMessage<ui::win::kComboKeyCapturedMessage, &CKeyDialogBase::OnKeyCapturedMessage>(),
        OnRawMessage<ui::win::kTellMissingImagesMessage, &CKeyDialogBase::OnTellMissingImages>(),
        OnRawMessage<ui::win::kDestroyHiddenListMessage, &CKeyDialogBase::OnDestroyHiddenList>(),
    };
    return kTable;
}

// The title names the window for the system and for tests; no title bar shows it. Without
// its background the dialog still works on a plain dark surface of the size its areas need.
BOOL CKeyDialogBase::OnInitDialog()
{
    const HWND window = Hwnd();
    ::SetWindowTextW(window, Widen(m_texts.title).c_str());
    const std::wstring caption = Widen(ImageErrorCaption(m_kind));
    m_background =
        ui::win::LoadDialogBackground(window, Widen(m_context.skin.ImagePath(BackgroundOf(m_kind))), caption.c_str());
    if (!m_background) {
        ::SetWindowPos(window, nullptr, 0, 0, kKeyDialogFallbackSize.width, kKeyDialogFallbackSize.height,
                       SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    m_font =
        ui::win::CreateSkinFont(ui::ChooseFont(FontOf(m_kind), m_context.language, ui::win::CurrentWindowsVersion()));
    InitContent();
    return TRUE;
}

bool CKeyDialogBase::PreTranslateMessage(MSG& message)
{
    return KeyDialogSwallows(message.message, static_cast<std::uint64_t>(message.wParam));
}

void CKeyDialogBase::CaptureKeys()
{
    if (m_hook.Install([this](std::uint32_t keyFlags) { OnKeyEvent(keyFlags); })) {
        return;
    }
    const DWORD error = ::GetLastError();
    platform::win::ShowMessage(Hwnd(), Widen(HookErrorText(m_kind, error)));
}

// The name is asked for with the scan code and extended flag alone, as the map was built.
void CKeyDialogBase::OnKeyEvent(std::uint32_t keyFlags)
{
    const std::string name = SystemKeyName(KeyFlagsFromScanCode(ScanCodeFromKeyFlags(keyFlags)));
    std::optional<CapturedKey> key = CaptureKey(keyFlags, name, m_context.keyNames);
    if (!key || !Hwnd()) {
        return;
    }
    m_captured = std::move(*key);
    ::SendMessageW(Hwnd(), CaptureMessageOf(m_kind), 0, 0);
}

LRESULT CKeyDialogBase::OnKeyCapturedMessage(WPARAM, LPARAM)
{
    KeyCaptured(m_captured);
    return 0;
}

void CKeyDialogBase::PostDestroyHiddenList() noexcept
{
    ::PostMessageW(Hwnd(), ui::win::kDestroyHiddenListMessage, 0, 0);
}

LRESULT CKeyDialogBase::OnDestroyHiddenList(WPARAM, LPARAM)
{
    DestroyHiddenList();
    return 0;
}

LRESULT CKeyDialogBase::OnHelp(WPARAM, LPARAM) { return TRUE; }

// --- drawing -----------------------------------------------------------------------------

void CKeyDialogBase::Redraw() noexcept { ::InvalidateRect(Hwnd(), nullptr, FALSE); }

bool CKeyDialogBase::OnEraseBackground(HDC) { return true; }

// The background stays as it was loaded: every paint draws the whole dialog on a copy.
void CKeyDialogBase::OnPaint()
{
    std::vector<std::string> missing;
    {
        const platform::win::PaintGuard paint(Hwnd());
        RECT client{};
        ::GetClientRect(Hwnd(), &client);
        const ui::win::CMemDC surface(paint.get(), &client);
        if (m_background) {
            const platform::win::UniqueHdc source(::CreateCompatibleDC(surface.get()));
            const platform::win::SelectGuard selected(source.get(), m_background.get());
            ::BitBlt(surface.get(), 0, 0, client.right, client.bottom, source.get(), 0, 0, SRCCOPY);
        } else {
            const platform::win::UniqueHBrush plain(::CreateSolidBrush(kControlBackground));
            ::FillRect(surface.get(), &client, plain.get());
        }
        ui::win::GdiCanvas gdi(surface.get(), m_font.get(), m_font.get());
        ui::MissingImageCanvas canvas(gdi);
        dialogs::PaintKeyDialogFrame(canvas, m_context.skin, m_texts, m_hovered);
        PaintContent(canvas);
        missing = canvas.Missing();
    }
    // Told after the paint, from a posted message: a message box here would paint again.
    std::vector<std::string> news = m_toldImages.NotYetTold(missing);
    if (news.empty()) {
        return;
    }
    const bool waiting = !m_imagesToTell.empty();
    m_imagesToTell.insert(m_imagesToTell.end(), news.begin(), news.end());
    if (!waiting) {
        ::PostMessageW(Hwnd(), ui::win::kTellMissingImagesMessage, 0, 0);
    }
}

LRESULT CKeyDialogBase::OnTellMissingImages(WPARAM, LPARAM)
{
    const std::vector<std::string> paths = std::exchange(m_imagesToTell, {});
    for (std::size_t i = 0; i < paths.size(); ++i) {
        platform::win::ShowMessage(Hwnd(), kImageFailedText);
    }
    return 0;
}

HBRUSH CKeyDialogBase::OnCtlColor(HDC dc, HWND)
{
    ::SetTextColor(dc, kControlText);
    ::SetBkColor(dc, kControlBackground);
    ::SetBkMode(dc, TRANSPARENT);
    if (!m_controlBrush) {
        m_controlBrush.reset(::CreateSolidBrush(kControlBackground));
    }
    return m_controlBrush.get();
}

// --- pointer -----------------------------------------------------------------------------

void CKeyDialogBase::OnLeftButtonDown(UINT, POINT point)
{
    const ui::Point at{point.x, point.y};
    switch (Click(at)) {
        case DialogEnd::kOk:
            EndDialog(IDOK);
            return;
        case DialogEnd::kCancel:
            EndDialog(IDCANCEL);
            return;
        case DialogEnd::kNone:
            break;
    }
    if (HasAreaAt(at)) {
        return;
    }
    // Any other click moves the dialog, which has no title bar.
    ::ClientToScreen(Hwnd(), &point);
    ::PostMessageW(Hwnd(), WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(point.x, point.y));
}

void CKeyDialogBase::OnMouseMove(UINT, POINT point)
{
    if (dialogs::KeyDialogButtonAt({point.x, point.y}) == dialogs::KeyDialogButton::kNone) {
        SetHovered(dialogs::KeyDialogButton::kNone);
        return;
    }
    TRACKMOUSEEVENT track{};
    track.cbSize = sizeof track;
    track.dwFlags = TME_HOVER | TME_LEAVE;
    track.hwndTrack = Hwnd();
    track.dwHoverTime = ui::kHoverTimeMs;
    ::TrackMouseEvent(&track);
}

void CKeyDialogBase::OnMouseHover(UINT, POINT point) { SetHovered(dialogs::KeyDialogButtonAt({point.x, point.y})); }

void CKeyDialogBase::OnMouseLeave() { SetHovered(dialogs::KeyDialogButton::kNone); }

void CKeyDialogBase::SetHovered(dialogs::KeyDialogButton button)
{
    if (button == m_hovered) {
        return;
    }
    m_hovered = button;
    Redraw();
}

}  // namespace zalvane::assign::win
