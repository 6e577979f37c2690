#pragma once
// CHelpDialog: the help panel under the main window's Help button. It shows the web
// site's address (a click opens it in the browser), the update line and the version line,
// and its close, OK and Cancel areas light up under the pointer when the skin's background
// has them. Any of the three ends the panel, as does IDCANCEL; the main window ends it
// with its Help button and with other clicks (it destroys the panel then).
//
// The rules live in dialogs/help_panel.h; this class turns messages into those calls.

#include <windows.h>

#include <functional>
#include <span>

#include "app/app_state.h"
#include "dialogs/help_panel.h"
#include "platform/win/unique_handle.h"
#include "ui/skin_state.h"
#include "ui/win/background_picture.h"
#include "ui/win/dialog.h"

namespace zalvane::dialogs::win {

class CHelpDialog final : public ui::win::CDialog {
public:
    // Everything is referenced and read when the panel opens and while it works.
    CHelpDialog(const app::AppState& state, const ui::SkinState& skin);
    ~CHelpDialog() override;

    // Makes the panel a child of `mainWindow` at its place and shows it. `ended` runs when
    // the panel ended itself (OK, Cancel, close, IDCANCEL), after its window is gone: the
    // owner clears its help-open flag there, and deletes this object later, outside the
    // panel's own message handling.
    bool Open(HWND mainWindow, std::function<void()> ended);

protected:
    BOOL OnInitDialog() override;
    void OnOK() override { End(); }
    void OnCancel() override { End(); }
    std::span<const ui::win::MessageEntry> Messages() const override;

private:
    void ComposePicture();
    void PaintHover(std::span<const HelpHoverStep> steps);
    void End();

    bool OnEraseBackground(HDC dc);
    void OnLeftButtonDown(UINT keys, POINT point);
    void OnMouseMove(UINT keys, POINT point);
    void OnMouseHover(UINT keys, POINT point);

    const app::AppState& m_state;
    const ui::SkinState& m_skin;
    std::function<void()> m_ended;
    platform::win::UniqueHFont m_font;
    platform::win::UniqueHBitmap m_background;
    ui::win::BackgroundPicture m_picture;
    HelpPanelHover m_hover;
};

}  // namespace zalvane::dialogs::win
