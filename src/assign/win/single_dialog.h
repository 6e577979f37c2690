#pragma once
// CSingleDialog: the user presses one key; the dialog shows its name, and OK stores the
// key for the button ("Single Key-" and the name). The last key pressed wins, Enter, Esc
// and Tab included.

#include "assign/key_dialog_state.h"
#include "assign/win/key_dialog_base.h"
#include "resource_ids.h"
#include "ui/win/control.h"

namespace zalvane::assign::win {

inline constexpr UINT kSingleKeyDisplayId = 502;

class CSingleDialog final : public CKeyDialogBase {
public:
    explicit CSingleDialog(const KeyDialogContext& context);

    // What OK stores; read after DoModal returned IDOK.
    Assignment Result() const { return m_state.Result(Context().language); }
    const SingleKeyState& State() const { return m_state; }

private:
    void InitContent() override;
    void PaintContent(ui::Canvas& canvas) override;
    DialogEnd Click(ui::Point point) override { return DialogEndAt(point); }
    void KeyCaptured(const CapturedKey& key) override;

    SingleKeyState m_state;
    ui::win::CControl m_display;
};

}  // namespace zalvane::assign::win
