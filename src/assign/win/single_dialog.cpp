#include "assign/win/single_dialog.h"

#include "assign/key_dialog_layout.h"
#include "assign/win/control_rect.h"
#include "dialogs/key_dialog_painting.h"
#include "platform/win/wide_text.h"

namespace zalvane::assign::win {

CSingleDialog::CSingleDialog(const KeyDialogContext& context)
    : CKeyDialogBase(IDD_SINGLE_KEY_DIALOG, KeyDialog::kSingleKey, context)
{
}

void CSingleDialog::InitContent()
{
    m_display.Create(L"Static", {.parent = Hwnd(),
                                 .id = kSingleKeyDisplayId,
                                 .rect = ToRect(kSingleKeyDisplay),
                                 .style = WS_CHILD | WS_VISIBLE | SS_CENTER | SS_CENTERIMAGE | SS_NOPREFIX});
    ::SendMessageW(m_display.Hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(Font()), FALSE);
    CaptureKeys();
}

void CSingleDialog::PaintContent(ui::Canvas& canvas) { dialogs::PaintSingleKeyPrompt(canvas, Texts()); }

void CSingleDialog::KeyCaptured(const CapturedKey& key)
{
    m_state.OnKeyDown(key);
    ::SetWindowTextW(m_display.Hwnd(), platform::win::Widen(m_state.Key().name).c_str());
    ::InvalidateRect(m_display.Hwnd(), nullptr, TRUE);
}

}  // namespace zalvane::assign::win
