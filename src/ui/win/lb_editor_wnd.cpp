#include "ui/win/lb_editor_wnd.h"

#include <utility>

namespace zalvane::ui::win {
namespace {

using ui::win::OnMessage;
using ui::win::OnRawMessage;

CLBEditorWnd* g_activeEditor = nullptr;  // window thread only

bool IsEditKey(WPARAM key) { return key == VK_RETURN || key == VK_TAB || key == VK_ESCAPE; }

std::wstring LineText(HWND list, int item)
{
    const LRESULT length = ::SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(item), 0);
    if (length <= 0) {
        return {};
    }
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const LRESULT copied =
        ::SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
    return text;
}

}  // namespace

CLBEditorWnd::~CLBEditorWnd()
{
    // The owner is going: nobody is told any more.
    m_callbacks = {};
    if (g_activeEditor == this) {
        g_activeEditor = nullptr;
    }
    if (::GetCapture() == Hwnd() && Hwnd()) {
        ::ReleaseCapture();
    }
}

CLBEditorWnd* CLBEditorWnd::Active() noexcept { return g_activeEditor; }

std::span<const ui::win::MessageEntry> CLBEditorWnd::Messages() const
{
    static constexpr ui::win::MessageEntry kTable[] = {
        OnRawMessage<WM_GETDLGCODE, &CLBEditorWnd::OnGetDialogCode>(),
        OnMessage<WM_KEYDOWN, &CLBEditorWnd::OnKeyDown>(),
        OnRawMessage<WM_CHAR, &CLBEditorWnd::OnChar>(),
        OnMessage<WM_LBUTTONDOWN, &CLBEditorWnd::OnLeftButtonDown>(),
        OnRawMessage<WM_LBUTTONUP, &CLBEditorWnd::OnLeftButtonUp>(),
        OnRawMessage<WM_KILLFOCUS, &CLBEditorWnd::OnKillFocus>(),
        OnMessage<WM_DESTROY, &CLBEditorWnd::OnDestroy>(),
    };
    return kTable;
}

bool CLBEditorWnd::Start(HWND list, int item, Callbacks callbacks)
{
    if (g_activeEditor) {
        g_activeEditor->Commit();
    }
    const LRESULT count = ::SendMessageW(list, LB_GETCOUNT, 0, 0);
    RECT line{};
    if (item < 0 || count == LB_ERR || item >= count ||
        ::SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&line)) == LB_ERR) {
        return false;
    }
    ::InflateRect(&line, 1, 1);
    const std::wstring text = LineText(list, item);
    if (!Create(L"Edit", {.parent = list,
                          .id = kEditorId,
                          .rect = line,
                          .style = WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL,
                          .text = text.c_str()})) {
        return false;
    }
    ::SendMessageW(Hwnd(), WM_SETFONT, static_cast<WPARAM>(::SendMessageW(list, WM_GETFONT, 0, 0)), FALSE);
    m_list = list;
    m_item = item;
    m_callbacks = std::move(callbacks);
    m_editing = true;
    g_activeEditor = this;
    ::SetFocus(Hwnd());
    ::SendMessageW(Hwnd(), EM_SETSEL, 0, -1);
    ::SetCapture(Hwnd());
    return true;
}

void CLBEditorWnd::End(Ending ending, bool focusLeaving)
{
    if (!m_editing) {
        return;
    }
    m_editing = false;
    if (g_activeEditor == this) {
        g_activeEditor = nullptr;
    }
    const std::wstring text = Text();
    const int item = m_item;
    const Callbacks callbacks = std::exchange(m_callbacks, {});
    if (::GetCapture() == Hwnd()) {
        ::ReleaseCapture();
    }
    // The list keeps the keyboard, unless the focus is leaving for somewhere else.
    if (!focusLeaving && ::GetFocus() == Hwnd()) {
        ::SetFocus(m_list);
    }
    DestroyWindow();
    // Last: the owner may start another edit, or end this object, from here.
    if (ending == Ending::kCommit) {
        if (callbacks.commit) {
            callbacks.commit(item, text);
        }
    } else if (callbacks.cancel) {
        callbacks.cancel(item);
    }
}

bool CLBEditorWnd::OnEditKey(UINT key)
{
    if (!IsEditKey(key)) {
        return false;
    }
    End(key == VK_ESCAPE ? Ending::kCancel : Ending::kCommit);
    return true;
}

bool CLBEditorWnd::PreTranslateMessage(MSG& message)
{
    return message.hwnd == Hwnd() && message.message == WM_KEYDOWN && m_editing &&
           OnEditKey(static_cast<UINT>(message.wParam));
}

// Message loops that are not ours (a message box's, a menu's) bring the keys here.
LRESULT CLBEditorWnd::OnGetDialogCode(WPARAM wParam, LPARAM lParam)
{
    return DefaultProc(WM_GETDLGCODE, wParam, lParam) | DLGC_WANTALLKEYS;
}

void CLBEditorWnd::OnKeyDown(UINT key, LPARAM)
{
    if (!m_editing || !OnEditKey(key)) {
        ContinueDefault();
    }
}

// The characters of the keys that ended the edit would only beep.
LRESULT CLBEditorWnd::OnChar(WPARAM character, LPARAM)
{
    if (character != L'\r' && character != L'\t' && character != 0x1B) {
        ContinueDefault();
    }
    return 0;
}

// With the capture, a click anywhere comes here, in this box's client coordinates.
void CLBEditorWnd::OnLeftButtonDown(UINT, POINT point)
{
    RECT client{};
    ::GetClientRect(Hwnd(), &client);
    if (m_editing && !::PtInRect(&client, point)) {
        Commit();
        return;
    }
    ContinueDefault();
}

// The edit box releases the capture after a click of its own; the editor takes it back.
LRESULT CLBEditorWnd::OnLeftButtonUp(WPARAM wParam, LPARAM lParam)
{
    const LRESULT result = DefaultProc(WM_LBUTTONUP, wParam, lParam);
    if (m_editing && ::GetCapture() != Hwnd()) {
        ::SetCapture(Hwnd());
    }
    return result;
}

LRESULT CLBEditorWnd::OnKillFocus(WPARAM wParam, LPARAM lParam)
{
    if (m_editing) {
        End(Ending::kCommit, true);
        return 0;
    }
    return DefaultProc(WM_KILLFOCUS, wParam, lParam);
}

// Destroyed with its list or its dialog: the edit just ends, nobody is told.
void CLBEditorWnd::OnDestroy()
{
    if (m_editing) {
        m_editing = false;
        m_callbacks = {};
        if (g_activeEditor == this) {
            g_activeEditor = nullptr;
        }
    }
    ContinueDefault();
}

}  // namespace zalvane::ui::win
