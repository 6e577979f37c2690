#pragma once
// CMacroProgramDialog: the modal macro manager. The list of macros in the macro file, the
// selected macro's event lines, its two options and loop count; recording from the
// keyboard, editing line by line, names and delays edited in place; OK encodes every macro
// for the mouse.
//
// The rules live in MacroManager (assign/macro_manager.h); this window turns clicks, list
// notices and keys into its calls, shows what its getters say after each one, and keeps
// the keyboard hook and the in-place editor.

#include <windows.h>

#include <memory>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "assign/key_name_map.h"
#include "assign/macro_manager.h"
#include "assign/macro_manager_layout.h"
#include "assign/win/record_hook.h"
#include "language/language.h"
#include "platform/ini_store.h"
#include "platform/win/unique_handle.h"
#include "ui/skin_state.h"
#include "ui/win/control.h"
#include "ui/win/dialog.h"
#include "ui/win/lb_editor_wnd.h"

namespace zalvane::assign::win {

struct MacroManagerContext {
    platform::IniStore& store;
    std::string macroFilePath;  // record.ini in the program folder
    language::Language language = language::Language::kEnglish;
    ui::SkinState skin;          // image root and text colour
    const KeyNameMap& keyNames;  // the names this system reports, for the encoding on OK
};

class CMacroProgramDialog final : public ui::win::CDialog {
public:
    explicit CMacroProgramDialog(const MacroManagerContext& context);
    ~CMacroProgramDialog() override;

    // How the manager ended, once it has (OK or not); the caller carries it into the
    // profile record and the button captions. Nothing when it never opened its macros
    // (the background image was missing).
    std::optional<MacroManagerOutcome> TakeOutcome() { return std::exchange(m_outcome, std::nullopt); }

    bool PreTranslateMessage(MSG& message) override;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    std::span<const ui::win::MessageEntry> Messages() const override;

private:
    // Opening.
    void CreateControls();
    void CentreOverOwner();

    // Showing the manager's state.
    void Refresh();
    void FillList(ui::win::CControl& list, std::vector<std::string>& shown, const std::vector<std::string>& lines,
                  std::optional<std::size_t> selection);
    void ShowLoopText(const std::string& text);
    void TellWriteFailure();

    // Drawing and the pointer.
    void OnPaint();
    bool OnEraseBackground(HDC dc);
    HBRUSH OnCtlColorListBox(HDC dc, HWND control);
    HBRUSH OnCtlColorEdit(HDC dc, HWND control);
    HBRUSH OnCtlColorStatic(HDC dc, HWND control);
    void OnLeftButtonDown(UINT keys, POINT point);
    bool ClickArea(MacroManagerArea area);
    void OnOptionTick(MacroManagerArea tick);
    void OnMouseMove(UINT keys, POINT point);
    void OnMouseHover(UINT keys, POINT point);
    void OnMouseLeave();
    LRESULT OnContextMenu(WPARAM window, LPARAM screenPoint);
    void ScrollEventList(int wheelDelta);

    // The controls.
    void OnMacroSelectionChange();
    void OnMacroDoubleClick();
    void OnEventNotice();
    void OnLoopTextChange();
    void OnNew();
    void OnDelete();
    void OnRecordButton();
    void OnRecordedKey(const RecordedKey& key, std::uint32_t now);
    void StopHook();

    // The in-place editor.
    void OpenEditor(ui::win::CControl& list, std::size_t line);
    void CloseEditor();
    void OnEditorCommit(const std::wstring& text);
    void OnEditorCancel();
    std::optional<std::wstring> EditorText() const;
    std::optional<std::size_t> MacroLineClicked() const;

    // Leaving.
    void Finish(bool ok);
    void EndWith(bool ok);
    void OnDestroy();

    MacroManagerContext m_context;
    std::optional<MacroManager> m_manager;  // none when the dialog could not be skinned
    std::optional<MacroManagerOutcome> m_outcome;
    bool m_finished = false;

    platform::win::UniqueHBitmap m_background;
    platform::win::UniqueHFont m_font;
    platform::win::UniqueHBrush m_listBrush;
    platform::win::UniqueHBrush m_fieldBrush;
    ui::win::CControl m_macroList;
    ui::win::CControl m_eventList;
    ui::win::CControl m_loopField;
    std::vector<std::string> m_shownMacros;
    std::vector<std::string> m_shownLines;
    std::optional<MacroManagerArea> m_hot;
    RecordHook m_hook;
    ui::win::CLBEditorWnd m_editor;
    bool m_closingEditor = false;  // the manager dropped the editor: its callbacks say nothing
};

}  // namespace zalvane::assign::win
