#include "ui/win/window.h"

#include <exception>
#include <utility>

namespace zalvane::ui::win {
namespace {

constexpr wchar_t kObjectProperty[] = L"Zalvane.CWindow";

HINSTANCE ThisModule() noexcept { return ::GetModuleHandleW(nullptr); }

HandlerFailureReport& FailureReport()
{
    static HandlerFailureReport report;
    return report;
}

}  // namespace

void SetHandlerFailureReport(HandlerFailureReport report) { FailureReport() = std::move(report); }

void TellHandlerFailure(UINT message) noexcept
{
    // Nothing here allocates before the report: the failure may be the allocator's.
    const char* what = "unknown exception";
    try {
        if (const std::exception_ptr failure = std::current_exception()) {
            std::rethrow_exception(failure);
        }
    } catch (const std::exception& error) {
        what = error.what();
    } catch (...) {  // NOLINT(bugprone-empty-catch): not a standard exception, so it says nothing
    }
    try {
        if (const HandlerFailureReport& report = FailureReport()) {
            report(message, what);
        }
    } catch (...) {  // NOLINT(bugprone-empty-catch): the message has its default handling; telling is all that fails
    }
}

CWindow::~CWindow()
{
    // Only CWindow's own (empty) table is reachable from here on.
    if (m_hwnd) {
        ::DestroyWindow(m_hwnd);
    }
    if (m_hwnd) {
        Unbind();
    }
}

CWindow* CWindow::FromHandle(HWND window) noexcept
{
    return window ? static_cast<CWindow*>(::GetPropW(window, kObjectProperty)) : nullptr;
}

bool CWindow::PreTranslateMessage(MSG&) { return false; }

bool CWindow::DestroyWindow() noexcept { return m_hwnd && ::DestroyWindow(m_hwnd); }

bool CWindow::RegisterWindowClass(WNDCLASSEXW windowClass) noexcept
{
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = &CWindow::WindowProc;
    if (!windowClass.hInstance) {
        windowClass.hInstance = ThisModule();
    }
    return ::RegisterClassExW(&windowClass) != 0 || ::GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

WNDPROC CWindow::RegisterSuperclass(const wchar_t* baseClass, const wchar_t* newClass) noexcept
{
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    if (!::GetClassInfoExW(nullptr, baseClass, &windowClass)) {
        return nullptr;
    }
    const WNDPROC baseProc = windowClass.lpfnWndProc;
    windowClass.lpszClassName = newClass;
    windowClass.hInstance = ThisModule();
    windowClass.style &= ~static_cast<UINT>(CS_GLOBALCLASS);
    return RegisterWindowClass(windowClass) ? baseProc : nullptr;
}

bool CWindow::CreateEx(const wchar_t* className, const CreateArgs& args, WNDPROC baseProc) noexcept
{
    if (m_hwnd) {
        return false;
    }
    m_baseProc = baseProc;
    const HMENU menuOrId = (args.style & WS_CHILD) ? reinterpret_cast<HMENU>(static_cast<UINT_PTR>(args.id)) : nullptr;
    const RECT& rect = args.rect;
    const HWND window =
        ::CreateWindowExW(args.exStyle, className, args.text ? args.text : L"", args.style, rect.left, rect.top,
                          rect.right - rect.left, rect.bottom - rect.top, args.parent, menuOrId, ThisModule(), this);
    return window != nullptr && window == m_hwnd;
}

LRESULT CWindow::DefaultProc(UINT message, WPARAM wParam, LPARAM lParam) noexcept
{
    if (m_baseProc) {
        return ::CallWindowProcW(m_baseProc, m_hwnd, message, wParam, lParam);
    }
    return ::DefWindowProcW(m_hwnd, message, wParam, lParam);
}

bool CWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    return ReflectToChild(message, wParam, lParam, result) || Dispatch(message, wParam, lParam, result);
}

bool CWindow::Dispatch(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    for (const MessageEntry& entry : Messages()) {
        if (!entry.Matches(message, wParam, lParam)) {
            continue;
        }
        m_continueDefault = false;
        result = entry.thunk(*this, wParam, lParam);
        const bool handled = !m_continueDefault;
        m_continueDefault = false;
        return handled;
    }
    // Registered messages lie in 0xC000-0xFFFF.
    return message >= 0xC000 && message <= 0xFFFF && OnRegisteredMessage(message, wParam, lParam, result);
}

// A control asks its parent for its colours and its drawing, and tells it its
// notifications; a control object of ours answers first. A colour request that the
// control answers without a brush, and a notification it has no handler for, go on to
// the parent's own table.
bool CWindow::ReflectToChild(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    HWND child = nullptr;
    UINT reflected = 0;
    switch (message) {
        case WM_COMMAND: {
            CWindow* control = FromHandle(reinterpret_cast<HWND>(lParam));  // null for menus and accelerators
            if (!control || control == this || !control->OnReflectedCommand(HIWORD(wParam))) {
                return false;
            }
            result = 0;
            return true;
        }
        case WM_CTLCOLORBTN:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORSCROLLBAR:
            child = reinterpret_cast<HWND>(lParam);
            reflected = kReflectedCtlColor;
            break;
        case WM_DRAWITEM:
            if (wParam != 0) {  // 0: a menu item
                child = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)->hwndItem;
            }
            reflected = kReflectedDrawItem;
            break;
        default:
            return false;
    }
    CWindow* control = FromHandle(child);
    if (!control || control == this) {
        return false;
    }
    LRESULT answer = 0;
    if (!control->Dispatch(reflected, wParam, lParam, answer)) {
        return false;
    }
    if (message == WM_DRAWITEM) {
        result = TRUE;
        return true;
    }
    if (answer == 0) {
        return false;
    }
    result = answer;
    return true;
}

void CWindow::Bind(HWND window) noexcept
{
    m_hwnd = window;
    ::SetPropW(window, kObjectProperty, this);
}

void CWindow::Unbind() noexcept
{
    if (m_hwnd) {
        ::RemovePropW(m_hwnd, kObjectProperty);
    }
    m_hwnd = nullptr;
}

LRESULT CALLBACK CWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept
{
    CWindow* self = FromHandle(window);
    if (!self && message == WM_NCCREATE) {
        self = static_cast<CWindow*>(reinterpret_cast<const CREATESTRUCTW*>(lParam)->lpCreateParams);
        if (self) {
            self->Bind(window);
        }
    }
    if (!self) {
        return ::DefWindowProcW(window, message, wParam, lParam);
    }
    LRESULT result = 0;
    try {
        if (!self->HandleMessage(message, wParam, lParam, result)) {
            result = self->DefaultProc(message, wParam, lParam);
        }
    } catch (...) {
        TellHandlerFailure(message);
        result = self->DefaultProc(message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {
        self->Unbind();
    }
    return result;
}

// Pre-translation runs handlers outside any window procedure: the same boundary here, and
// a message whose pre-translation failed is dispatched as usual.
bool PreTranslateChain(MSG& message) noexcept
{
    try {
        for (HWND window = message.hwnd; window;) {
            if (CWindow* object = CWindow::FromHandle(window); object && object->PreTranslateMessage(message)) {
                return true;
            }
            if ((::GetWindowLongPtrW(window, GWL_STYLE) & WS_CHILD) == 0) {
                break;  // the top-level window was the last
            }
            window = ::GetParent(window);
        }
    } catch (...) {
        TellHandlerFailure(message.message);
    }
    return false;
}

void PumpMessage(MSG& message) noexcept
{
    if (PreTranslateChain(message)) {
        return;
    }
    if (message.hwnd) {
        const HWND root = ::GetAncestor(message.hwnd, GA_ROOT);
        const CWindow* object = CWindow::FromHandle(root);
        if (object && object->IsDialog() && ::IsDialogMessageW(root, &message)) {
            return;
        }
    }
    ::TranslateMessage(&message);
    ::DispatchMessageW(&message);
}

}  // namespace zalvane::ui::win
