#pragma once
// CComboDialog: at most one modifier, picked from a list, and up to two keys, each
// pressed while its field has the focus. OK stores the combination for the button
// ("Combo Key-" and the parts that are set, joined by "+").

#include <optional>

#include "assign/key_dialog_state.h"
#include "assign/win/key_dialog_base.h"
#include "resource_ids.h"
#include "ui/win/control.h"
#include "ui/win/list_box.h"

namespace zalvane::assign::win {

inline constexpr UINT kComboModifierDisplayId = 512;
inline constexpr UINT kComboModifierListId = 515;
inline constexpr UINT kComboKey1FieldId = 516;
inline constexpr UINT kComboKey2FieldId = 517;

class CComboDialog final : public CKeyDialogBase {
public:
    explicit CComboDialog(const KeyDialogContext& context);

    // What OK stores; read after DoModal returned IDOK.
    Assignment Result() const { return m_state.Result(Context().language); }
    const ComboKeyState& State() const { return m_state; }

protected:
    bool PreTranslateMessage(MSG& message) override;

private:
    void InitContent() override;
    void PaintContent(ui::Canvas&) override {}
    DialogEnd Click(ui::Point point) override;
    bool HasAreaAt(ui::Point point) const override;
    void KeyCaptured(const CapturedKey& key) override;
    void DestroyHiddenList() override;

    void OpenOrCloseList();
    void OnListNotice();
    void EnableKeyFields(bool enabled) noexcept;
    ComboKeyState::Field FocusedField() const noexcept;

    ComboKeyState m_state;
    ui::win::CControl m_modifierDisplay;
    ui::win::CControl m_key1Field;
    ui::win::CControl m_key2Field;
    std::optional<ui::win::CListBox> m_list;
    bool m_listHidden = false;  // closed by its own notice, destroyed from a posted message
    ComboKeyState::Field m_focusBeforeList = ComboKeyState::Field::kNone;
};

}  // namespace zalvane::assign::win
