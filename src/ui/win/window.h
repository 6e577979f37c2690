#pragma once
// Window objects without a class library: a CWindow is bound to its window handle from
// WM_NCCREATE (WM_INITDIALOG for dialogs) to WM_NCDESTROY; messages go through its
// message table, what the table does not take goes to the default procedure.
//
// The window and dialog procedures are the shell's one exception boundary: a handler that
// throws (the allocator is the usual reason) is told to the handler-failure report, and
// the message gets its default handling as if no handler had taken it.

#include <windows.h>

#include <functional>
#include <span>
#include <string_view>

#include "ui/win/message_map.h"

namespace zalvane::ui::win {

// Where and how a window is made, named field by field; what is left out keeps its
// default:
//   CreateArgs{.parent = Hwnd(), .id = 121, .rect = {40, 80, 90, 100}, .style = WS_CHILD | ES_NUMBER}
struct CreateArgs {
    HWND parent = nullptr;
    UINT id = 0;  // a child window's control id
    RECT rect{};  // in the parent's client pixels; screen pixels for a top-level window
    DWORD style = 0;
    DWORD exStyle = 0;
    const wchar_t* text = L"";  // the window text: a caption, a control's first text
};

// Hears of a handler that let an exception out: the message it was handling and what the
// exception said.
using HandlerFailureReport = std::function<void(UINT message, std::string_view what)>;

// Sets the one report for the whole program (the shell's trace); empty: nobody is told.
void SetHandlerFailureReport(HandlerFailureReport report);

// From inside a window or dialog procedure's catch handler: tells the report about the
// exception being handled. Never throws.
void TellHandlerFailure(UINT message) noexcept;

class CWindow {
public:
    CWindow() = default;
    CWindow(const CWindow&) = delete;
    CWindow& operator=(const CWindow&) = delete;
    // Destroys a window that is still there; its handlers no longer run by then.
    virtual ~CWindow();

    HWND Hwnd() const noexcept { return m_hwnd; }

    // The object bound to `window`, or null.
    static CWindow* FromHandle(HWND window) noexcept;

    // Sees every message addressed to this window or to its children before it is
    // dispatched (in the program's own message loops); true swallows the message.
    virtual bool PreTranslateMessage(MSG& message);

    // Dialogs get the dialog keyboard handling in the message loop.
    virtual bool IsDialog() const noexcept { return false; }

    bool DestroyWindow() noexcept;

    // Registers a window class whose windows are CWindow objects (lpfnWndProc is set here).
    static bool RegisterWindowClass(WNDCLASSEXW windowClass) noexcept;

    // Registers `newClass` as a copy of the system class `baseClass` whose windows are
    // CWindow objects; returns the base class's procedure (null on failure), which such
    // objects pass to CreateEx for their default handling.
    static WNDPROC RegisterSuperclass(const wchar_t* baseClass, const wchar_t* newClass) noexcept;

protected:
    virtual std::span<const MessageEntry> Messages() const { return {}; }

    // Messages whose number is known only at run time (RegisterWindowMessageW), which no
    // table can name: called for every message the table does not take. True when handled.
    virtual bool OnRegisteredMessage(UINT, WPARAM, LPARAM, LRESULT&) { return false; }

    // Creates a window of a class registered above, bound to this object; `baseProc` is
    // what RegisterSuperclass returned for a superclass.
    bool CreateEx(const wchar_t* className, const CreateArgs& args, WNDPROC baseProc = nullptr) noexcept;

    // A notification that this window, a child control, sent its parent (the code of its
    // WM_COMMAND). True when this window took it; the parent's table does not see it then.
    virtual bool OnReflectedCommand(UINT) { return false; }

    // From inside a handler: let the default handling run as well, and answer with its
    // result instead of the handler's.
    void ContinueDefault() noexcept { m_continueDefault = true; }

    // The class's own handling of a message: the base class of a superclass, otherwise
    // the system's default procedure.
    LRESULT DefaultProc(UINT message, WPARAM wParam, LPARAM lParam) noexcept;

    // Runs the reflection and the message table. False when nothing took the message.
    bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

    void Bind(HWND window) noexcept;
    void Unbind() noexcept;

private:
    friend class CDialog;  // its dialog procedure drives the same binding and table

    bool Dispatch(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    bool ReflectToChild(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept;

    HWND m_hwnd = nullptr;
    WNDPROC m_baseProc = nullptr;
    bool m_continueDefault = false;
};

// One message of a loop of ours: pre-translation by every bound window from the target up
// to its top-level window, the dialog keyboard handling of a dialog of ours, then
// translation and dispatch.
void PumpMessage(MSG& message) noexcept;

// The pre-translation part alone; true when a window swallowed the message.
bool PreTranslateChain(MSG& message) noexcept;

}  // namespace zalvane::ui::win
