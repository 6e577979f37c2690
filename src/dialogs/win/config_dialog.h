#pragma once
// CConfigDialog: the profile list, a skinned, translucent panel over the main window's
// left edge. It shows up to six profile names (list 130) and lets the user add them
// (the New strip), delete, rename in place, copy, load and save them (the "ProfileList"
// menu of the list). Load and Save are the main window's (message 0xB03 with the
// profile's position); the names and the profiles' files are written when the close
// button ends the dialog, which tells the main window so (0xB03, wParam 2).
//
// The rules live in dialogs/profile_list_dialog.h; this class turns messages into those
// calls and shows the list they leave. Enter, Escape, IDOK and IDCANCEL do nothing here:
// only the close button ends the dialog.

#include <windows.h>

#include <optional>
#include <span>
#include <string>

#include "app/app_state.h"
#include "app/profile_transfer.h"
#include "dialogs/profile_list_dialog.h"
#include "platform/ini_store.h"
#include "platform/win/message_box.h"
#include "platform/win/unique_handle.h"
#include "ui/skin_state.h"
#include "ui/win/background_picture.h"
#include "ui/win/control.h"
#include "ui/win/dialog.h"
#include "ui/win/lb_editor_wnd.h"

namespace zalvane::dialogs::win {

inline constexpr UINT kProfileListId = 130;
inline constexpr int kProfileItemHeight = 16;  // pixels, whatever the font
inline constexpr BYTE kConfigDialogAlpha = 178;

class CConfigDialog final : public ui::win::CDialog {
public:
    // Everything is referenced and read when the dialog opens and while it works.
    CConfigDialog(app::AppState& state, platform::IniStore& ini, const ui::SkinState& skin);
    ~CConfigDialog() override;

    // Makes the dialog a child of `mainWindow` at its client origin and shows it. The
    // window is gone again once the close button ended it.
    bool Open(HWND mainWindow);

    bool PreTranslateMessage(MSG& message) override;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override {}
    void OnCancel() override {}
    std::span<const ui::win::MessageEntry> Messages() const override;

private:
    void MakeTranslucent();
    void ComposePicture();
    void FillList();
    HWND MainWindow() const;

    bool OnEraseBackground(HDC dc);
    void OnLeftButtonDown(UINT keys, POINT point);
    HBRUSH OnCtlColorListBox(HDC dc, HWND list);
    void ShowMenu(POINT screen);

    void OnItemClicked();
    void StartRename(std::size_t position);
    void OnRenameCommitted(int position, const std::wstring& text);
    void OnNew();
    void OnDelete();
    void OnEdit();
    void OnCopy();
    void OnLoad() { RequestTransfer(app::ProfileDialogRequest::kLoad); }
    void OnSave() { RequestTransfer(app::ProfileDialogRequest::kSave); }
    void RequestTransfer(app::ProfileDialogRequest request);
    void Close();

    app::AppState& m_state;
    platform::IniStore& m_ini;
    const ui::SkinState& m_skin;
    platform::win::WinMessageBox m_messages;
    platform::win::UniqueHFont m_font;
    platform::win::UniqueHBitmap m_background;
    ui::win::BackgroundPicture m_picture;
    platform::win::UniqueHBrush m_listBrush;
    ui::win::CControl m_list;
    ui::win::CLBEditorWnd m_editor;
    // Nothing while the background is missing: no list is shown, and closing writes none.
    std::optional<ProfileListDialog> m_model;
};

}  // namespace zalvane::dialogs::win
