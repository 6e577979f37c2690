#include "assign/win/macro_dialog.h"

#include <algorithm>
#include <utility>

#include "assign/key_dialog_layout.h"
#include "assign/win/control_rect.h"
#include "dialogs/key_dialog_painting.h"
#include "platform/win/wide_text.h"

namespace zalvane::assign::win {
namespace {

constexpr int kWheelLines = 3;  // list lines per wheel notch

}  // namespace

CMacroDialog::CMacroDialog(const KeyDialogContext& context, std::vector<std::string> macroNames)
    : CKeyDialogBase(IDD_MACRO_KEY_DIALOG, KeyDialog::kMacroKey, context), m_state(std::move(macroNames))
{
}

void CMacroDialog::InitContent()
{
    m_display.Create(L"Static", {.parent = Hwnd(),
                                 .id = kMacroDisplayId,
                                 .rect = ToRect(kMacroKeyDisplay),
                                 .style = WS_CHILD | SS_CENTER | SS_CENTERIMAGE | SS_NOPREFIX});
    ::SendMessageW(m_display.Hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(Font()), FALSE);
}

void CMacroDialog::PaintContent(ui::Canvas& canvas)
{
    dialogs::PaintMacroKeyContent(canvas, Context().skin, Context().language, Texts(), m_state.RepeatMode(),
                                  !m_state.MacroName().empty());
}

DialogEnd CMacroDialog::Click(ui::Point point)
{
    const std::uint8_t mode = m_state.RepeatMode();
    const DialogEnd end = m_state.Click(point);
    if (m_state.RepeatMode() != mode) {
        Redraw();
    }
    OpenOrCloseList();
    return end;
}

bool CMacroDialog::HasAreaAt(ui::Point point) const
{
    for (int mode = 0; mode < kMacroRepeatModeCount; ++mode) {
        if (MacroModeTick(mode).Contains(point)) {
            return true;
        }
    }
    return kMacroKeyArea.Contains(point);
}

void CMacroDialog::OpenOrCloseList()
{
    const bool shown = m_list && !m_listHidden;
    if (m_state.MacroListOpen() == shown) {
        return;
    }
    m_list.reset();
    m_listHidden = false;
    if (!m_state.MacroListOpen()) {
        return;
    }
    const auto offered = m_state.Offered();
    m_list.emplace();
    if (!m_list->Create({.parent = Hwnd(), .id = kMacroListId, .rect = ToRect(kMacroKeyList), .style = WS_VSCROLL},
                        offered, Font())) {
        m_list.reset();
        return;
    }
    m_list->OnNotification(LBN_SELCHANGE, [this] { OnListNotice(); });
    m_list->OnNotification(LBN_DBLCLK, [this] { OnListNotice(); });
}

// The name is shown in the display, which stands over the prompt: while no macro is
// chosen the display hides, so that the prompt shows.
void CMacroDialog::ShowMacroName()
{
    const std::string_view name = m_state.MacroName();
    ::SetWindowTextW(m_display.Hwnd(), platform::win::Widen(name).c_str());
    ::ShowWindow(m_display.Hwnd(), name.empty() ? SW_HIDE : SW_SHOW);
    Redraw();
}

// Inside the list's own notification the list is only hidden; a posted message destroys it.
void CMacroDialog::OnListNotice()
{
    if (!m_list || m_listHidden) {
        return;
    }
    m_state.ChooseMacro(m_list->Selection());
    ShowMacroName();
    if (m_state.MacroListOpen()) {
        return;
    }
    ::ShowWindow(m_list->Hwnd(), SW_HIDE);
    m_listHidden = true;
    PostDestroyHiddenList();
}

void CMacroDialog::DestroyHiddenList()
{
    if (m_listHidden) {
        m_list.reset();
        m_listHidden = false;
    }
}

bool CMacroDialog::PreTranslateMessage(MSG& message)
{
    const bool listShown = m_list && !m_listHidden;
    if (listShown && message.message == WM_MOUSEMOVE && message.hwnd == m_list->Hwnd()) {
        m_list->SelectUnderCursor();
    }
    if (listShown && message.message == WM_MOUSEWHEEL && ScrollList(message)) {
        return true;
    }
    return CKeyDialogBase::PreTranslateMessage(message);
}

// The wheel scrolls the list under the pointer three lines a notch, whichever window has
// the focus.
bool CMacroDialog::ScrollList(const MSG& wheel) noexcept
{
    const POINT cursor{GET_X_LPARAM(wheel.lParam), GET_Y_LPARAM(wheel.lParam)};
    if (::WindowFromPoint(cursor) != m_list->Hwnd()) {
        return false;
    }
    const int notches = GET_WHEEL_DELTA_WPARAM(wheel.wParam) / WHEEL_DELTA;
    const auto top = static_cast<int>(::SendMessageW(m_list->Hwnd(), LB_GETTOPINDEX, 0, 0));
    const int wanted = std::max(0, top - notches * kWheelLines);
    ::SendMessageW(m_list->Hwnd(), LB_SETTOPINDEX, static_cast<WPARAM>(wanted), 0);
    m_list->SelectUnderCursor();
    return true;
}

}  // namespace zalvane::assign::win
