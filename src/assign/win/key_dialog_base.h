#pragma once
// What the single key, combo key and macro key dialogs share: the skin background (the
// window takes its size), the font, the title as window text, the close, OK and Cancel
// buttons with their hover looks, the dark control colours, the keyboard hook and the
// keys that must not end or leave the dialog. A missing image is told once per image.

#include <windows.h>

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "assign/key_dialog_state.h"
#include "assign/key_dialog_texts.h"
#include "assign/key_name_map.h"
#include "assign/win/keyboard_hook.h"
#include "dialogs/key_dialog_painting.h"
#include "language/language.h"
#include "platform/win/unique_handle.h"
#include "ui/canvas.h"
#include "ui/missing_images.h"
#include "ui/skin_state.h"
#include "ui/win/dialog.h"

namespace zalvane::assign::win {

// What the dialogs read from the main window.
struct KeyDialogContext {
    const ui::SkinState& skin;
    language::Language language = language::Language::kEnglish;
    const KeyNameMap& keyNames;
};

class CKeyDialogBase : public ui::win::CDialog {
public:
    CKeyDialogBase(UINT templateId, KeyDialog kind, const KeyDialogContext& context);

protected:
    BOOL OnInitDialog() override;
    std::span<const ui::win::MessageEntry> Messages() const override;
    bool PreTranslateMessage(MSG& message) override;
    // Neither Enter nor Esc ends the dialog: only its OK, Cancel and close areas do.
    void OnOK() override {}
    void OnCancel() override {}

    // Controls and the rest of the set-up, after the frame's.
    virtual void InitContent() = 0;
    // Drawn after the frame.
    virtual void PaintContent(ui::Canvas& canvas) = 0;
    // A click that reached the dialog itself: how it ends the dialog, if it does.
    virtual DialogEnd Click(ui::Point point) = 0;
    // Whether a click at `point` falls on an area of the dialog's content; a click that
    // falls on none, and ends nothing, moves the dialog.
    virtual bool HasAreaAt(ui::Point) const { return false; }

    // A key-down the keyboard hook took (see CaptureKeys).
    virtual void KeyCaptured(const CapturedKey&) {}
    // The list box a notice closed was only hidden (it is inside its own notification);
    // this runs from a posted message, to destroy it.
    virtual void DestroyHiddenList() {}
    void PostDestroyHiddenList() noexcept;

    // Installs the keyboard hook: each key-down reaches KeyCaptured through the dialog's
    // capture message (0xB04 single key, 0xB05 combo key); a failure is told with the
    // dialog's hook error text and the dialog goes on without capture.
    void CaptureKeys();

    void Redraw() noexcept;

    const KeyDialogContext& Context() const { return m_context; }
    const KeyDialogTexts& Texts() const { return m_texts; }
    HFONT Font() const noexcept { return m_font.get(); }
    KeyDialog Kind() const noexcept { return m_kind; }

private:
    void OnPaint();
    bool OnEraseBackground(HDC dc);
    void OnLeftButtonDown(UINT keys, POINT point);
    void OnMouseMove(UINT keys, POINT point);
    void OnMouseHover(UINT keys, POINT point);
    void OnMouseLeave();
    HBRUSH OnCtlColor(HDC dc, HWND control);
    LRESULT OnHelp(WPARAM wParam, LPARAM lParam);
    LRESULT OnTellMissingImages(WPARAM wParam, LPARAM lParam);
    LRESULT OnKeyCapturedMessage(WPARAM wParam, LPARAM lParam);
    LRESULT OnDestroyHiddenList(WPARAM wParam, LPARAM lParam);
    void SetHovered(dialogs::KeyDialogButton button);
    void OnKeyEvent(std::uint32_t keyFlags);

    KeyDialog m_kind;
    KeyDialogContext m_context;
    KeyDialogTexts m_texts;
    platform::win::UniqueHBitmap m_background;
    platform::win::UniqueHFont m_font;
    platform::win::UniqueHBrush m_controlBrush;
    ThreadKeyboardHook m_hook;
    CapturedKey m_captured;
    dialogs::KeyDialogButton m_hovered = dialogs::KeyDialogButton::kNone;
    ui::MissingImageNotes m_toldImages;
    std::vector<std::string> m_imagesToTell;
};

}  // namespace zalvane::assign::win
