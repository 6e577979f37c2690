#pragma once
// CMacroDialog: the user picks one of the macros of the macro file and one of three
// repeat modes. OK with a macro stores its place in the list and the mode for the button
// ("Macro Key-" and the macro's name); OK without one changes nothing. Only the first
// nineteen macros, the ones the mouse holds, are offered.

#include <optional>
#include <string>
#include <vector>

#include "assign/macro_key_state.h"
#include "assign/win/key_dialog_base.h"
#include "resource_ids.h"
#include "ui/win/control.h"
#include "ui/win/list_box.h"

namespace zalvane::assign::win {

inline constexpr UINT kMacroDisplayId = 592;
inline constexpr UINT kMacroListId = 593;

class CMacroDialog final : public CKeyDialogBase {
public:
    // `macroNames`: every macro name of the macro file, in file order.
    CMacroDialog(const KeyDialogContext& context, std::vector<std::string> macroNames);

    // What OK stores; nothing when no macro was chosen. Read after DoModal returned IDOK.
    std::optional<Assignment> Result() const { return m_state.Result(Context().language); }
    const MacroKeyState& State() const { return m_state; }

protected:
    bool PreTranslateMessage(MSG& message) override;

private:
    void InitContent() override;
    void PaintContent(ui::Canvas& canvas) override;
    DialogEnd Click(ui::Point point) override;
    bool HasAreaAt(ui::Point point) const override;
    void DestroyHiddenList() override;

    void OpenOrCloseList();
    void OnListNotice();
    void ShowMacroName();
    bool ScrollList(const MSG& wheel) noexcept;

    MacroKeyState m_state;
    ui::win::CControl m_display;
    std::optional<ui::win::CListBox> m_list;
    bool m_listHidden = false;  // closed by its own notice, destroyed from a posted message
};

}  // namespace zalvane::assign::win
