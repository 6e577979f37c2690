#include "ui/win/dialog.h"

namespace zalvane::ui::win {
namespace {

// Messages whose answer is the dialog procedure's return value itself rather than
// DWLP_MSGRESULT.
bool AnswersDirectly(UINT message) noexcept
{
    switch (message) {
        case WM_CTLCOLORMSGBOX:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORDLG:
        case WM_CTLCOLORSCROLLBAR:
        case WM_CTLCOLORSTATIC:
        case WM_COMPAREITEM:
        case WM_VKEYTOITEM:
        case WM_CHARTOITEM:
        case WM_QUERYDRAGICON:
        case WM_INITDIALOG:
            return true;
        default:
            return false;
    }
}

}  // namespace

HWND CDialog::CreateFromTemplate(HWND owner) noexcept
{
    return ::CreateDialogParamW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(m_templateId), owner,
                                &CDialog::DialogProc, reinterpret_cast<LPARAM>(this));
}

INT_PTR CDialog::DoModal(HWND owner) noexcept
{
    if (Hwnd()) {
        return -1;
    }
    m_modal = true;
    m_ended = false;
    m_result = -1;
    if (!CreateFromTemplate(owner)) {
        m_modal = false;
        return -1;
    }
    const bool disableOwner = owner && ::IsWindowEnabled(owner);
    if (disableOwner) {
        ::EnableWindow(owner, FALSE);
    }
    if (!m_ended && Hwnd() && !::IsWindowVisible(Hwnd())) {
        ::ShowWindow(Hwnd(), SW_SHOW);
    }
    RunModalLoop();
    // The owner is enabled before the dialog goes, so that it gets the activation back.
    if (disableOwner) {
        ::EnableWindow(owner, TRUE);
    }
    DestroyWindow();
    m_modal = false;
    return m_result;
}

void CDialog::RunModalLoop() noexcept
{
    MSG message;
    while (!m_ended && Hwnd()) {
        const BOOL got = ::GetMessageW(&message, nullptr, 0, 0);
        if (got == -1) {
            break;
        }
        if (got == 0) {
            ::PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        PumpMessage(message);
    }
}

bool CDialog::Create(HWND owner) noexcept
{
    if (Hwnd()) {
        return false;
    }
    m_modal = false;
    return CreateFromTemplate(owner) != nullptr;
}

void CDialog::EndDialog(INT_PTR result) noexcept
{
    if (!m_modal) {
        DestroyWindow();
        return;
    }
    m_result = result;
    m_ended = true;
    // GetMessage may be waiting: wake the loop so that it sees the end.
    ::PostMessageW(Hwnd(), WM_NULL, 0, 0);
}

INT_PTR CALLBACK CDialog::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept
{
    INT_PTR answer = FALSE;
    try {
        answer = Answer(window, message, wParam, lParam);
    } catch (...) {
        TellHandlerFailure(message);
        answer = FALSE;  // the dialog class's own handling
    }
    if (message == WM_NCDESTROY) {
        if (CWindow* self = FromHandle(window)) {
            self->Unbind();
        }
    }
    return answer;
}

INT_PTR CDialog::Answer(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        auto* dialog = reinterpret_cast<CDialog*>(lParam);
        dialog->Bind(window);
        return dialog->OnInitDialog();
    }
    CWindow* self = FromHandle(window);
    if (!self) {
        return FALSE;  // before WM_INITDIALOG: the dialog class's own handling
    }
    LRESULT result = 0;
    const bool handled = self->HandleMessage(message, wParam, lParam, result);
    const bool okOrCancel =
        message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL);
    if (!handled && okOrCancel) {
        auto* dialog = static_cast<CDialog*>(self);  // only dialogs come through here
        if (LOWORD(wParam) == IDOK) {
            dialog->OnOK();
        } else {
            dialog->OnCancel();
        }
        return TRUE;
    }
    if (!handled) {
        return FALSE;
    }
    if (AnswersDirectly(message)) {
        return static_cast<INT_PTR>(result);
    }
    ::SetWindowLongPtrW(window, DWLP_MSGRESULT, result);
    return TRUE;
}

bool RegisterDialogClassCopy(const wchar_t* className) noexcept
{
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    if (!::GetClassInfoExW(nullptr, MAKEINTATOM(0x8002), &windowClass)) {
        return false;
    }
    windowClass.lpszClassName = className;
    windowClass.hInstance = ::GetModuleHandleW(nullptr);
    windowClass.style &= ~static_cast<UINT>(CS_GLOBALCLASS);
    return ::RegisterClassExW(&windowClass) != 0 || ::GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

}  // namespace zalvane::ui::win
