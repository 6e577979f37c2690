#include "app/win/macro_manager_launch.h"

#include "assign/win/macro_program_dialog.h"

namespace zalvane::app::win {

bool RunMacroManager(HWND owner, AppState& state, platform::IniStore& ini, const ui::SkinState& skin,
                     const assign::KeyNameMap& keyNames)
{
    // Without a program folder there is no macro file, and nothing may be written.
    if (!state.files.paths.recordFile) {
        return false;
    }
    assign::win::CMacroProgramDialog dialog({ini, *state.files.paths.recordFile, state.language, skin, keyNames});
    (void)dialog.DoModal(owner);
    if (const std::optional<assign::MacroManagerOutcome> outcome = dialog.TakeOutcome()) {
        assign::ApplyMacroManagerOutcome(*outcome, state.record, state.text.captions, state.language);
    }
    return true;
}

}  // namespace zalvane::app::win
