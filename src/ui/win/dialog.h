#pragma once
// Dialogs from templates in the resource script, modal (in a message loop of our own,
// so that pre-translation sees every message of the dialog and its children) or
// modeless.

#include <windows.h>

#include "ui/win/window.h"

namespace zalvane::ui::win {

class CDialog : public CWindow {
public:
    explicit CDialog(UINT templateId) noexcept : m_templateId(templateId) {}

    // Creates the dialog, disables the owner and runs until EndDialog; returns what was
    // passed to EndDialog, -1 when the dialog could not be created. The window is gone
    // when this returns. A WM_QUIT ends the loop too and is posted again for the caller.
    INT_PTR DoModal(HWND owner = nullptr) noexcept;

    // A modeless dialog; it lives until DestroyWindow (or the object's end).
    bool Create(HWND owner = nullptr) noexcept;

    // Ends a modal dialog with `result`; destroys a modeless one.
    void EndDialog(INT_PTR result) noexcept;

    bool IsDialog() const noexcept override { return true; }
    UINT TemplateId() const noexcept { return m_templateId; }

protected:
    // WM_INITDIALOG, once the object is bound: TRUE lets the system set the focus.
    virtual BOOL OnInitDialog() { return TRUE; }
    // IDOK and IDCANCEL commands that the table does not take (Enter, Escape, the close
    // box): end the dialog with that id.
    virtual void OnOK() { EndDialog(IDOK); }
    virtual void OnCancel() { EndDialog(IDCANCEL); }

private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept;
    // The dialog procedure's answer; what a handler throws goes to DialogProc's boundary.
    static INT_PTR Answer(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    HWND CreateFromTemplate(HWND owner) noexcept;
    void RunModalLoop() noexcept;

    UINT m_templateId;
    bool m_modal = false;
    bool m_ended = false;
    INT_PTR m_result = -1;
};

// Registers a copy of the system's dialog class (atom 0x8002) under `className`, so that
// a template can name it in its CLASS statement. True also when it is registered already.
bool RegisterDialogClassCopy(const wchar_t* className) noexcept;

}  // namespace zalvane::ui::win
