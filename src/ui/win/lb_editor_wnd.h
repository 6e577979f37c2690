#pragma once
// CLBEditorWnd: an edit box laid over one line of a list box, one pixel larger than the
// line on every side, with the list's font and the line's text; it holds the focus and
// the mouse capture while it is open. Enter, Tab, a left click outside it and the loss of
// the focus commit, Escape cancels; the first of these ends the edit, and the box is gone
// before its owner hears of it through a callback. What becomes of the text (the line
// replaced, or kept because the name is taken) is the owner's decision.
//
// The editor takes Enter, Tab and Escape before any dialog's pre-translation sees them,
// so that a dialog never confirms, closes or moves the focus while a line is edited. One
// editor is open at a time: starting one commits another that is still open.
//
//   m_editor.Start(m_list.Hwnd(), item, {.commit = [this](int item, const std::wstring& text) { ... },
//                                        .cancel = [this](int item) { ... }});

#include <windows.h>

#include <functional>
#include <span>
#include <string>

#include "ui/win/control.h"

namespace zalvane::ui::win {

class CLBEditorWnd final : public ui::win::CControl {
public:
    // The box's control id, as a child of the list.
    static constexpr UINT kEditorId = 1;

    struct Callbacks {
        std::function<void(int item, const std::wstring& text)> commit;
        std::function<void(int item)> cancel;
    };

    CLBEditorWnd() = default;
    ~CLBEditorWnd() override;

    // Opens the editor over line `item` of `list`, with the focus, the whole text selected
    // and the mouse capture. False, and no box, when the line is not in the list.
    bool Start(HWND list, int item, Callbacks callbacks);

    bool Editing() const noexcept { return m_editing; }
    int Item() const noexcept { return m_item; }

    // End the edit from outside (a command of the owner, another editor starting).
    void Commit() { End(Ending::kCommit); }
    void Cancel() { End(Ending::kCancel); }

    // The editor that is open now, in any window; null when none is.
    static CLBEditorWnd* Active() noexcept;

    bool PreTranslateMessage(MSG& message) override;

protected:
    std::span<const ui::win::MessageEntry> Messages() const override;

private:
    enum class Ending { kCommit, kCancel };

    // Enter, Tab and Escape end the edit; true when `key` was one of them.
    bool OnEditKey(UINT key);
    // `focusLeaving`: the focus is on its way elsewhere and stays where it goes.
    void End(Ending ending, bool focusLeaving = false);

    LRESULT OnGetDialogCode(WPARAM wParam, LPARAM lParam);
    void OnKeyDown(UINT key, LPARAM keyData);
    LRESULT OnChar(WPARAM character, LPARAM keyData);
    void OnLeftButtonDown(UINT keys, POINT point);
    LRESULT OnLeftButtonUp(WPARAM wParam, LPARAM lParam);
    LRESULT OnKillFocus(WPARAM wParam, LPARAM lParam);
    void OnDestroy();

    HWND m_list = nullptr;
    int m_item = -1;
    bool m_editing = false;
    Callbacks m_callbacks;
};

}  // namespace zalvane::ui::win
