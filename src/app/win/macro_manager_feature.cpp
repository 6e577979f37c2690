// The main page's macro manager: the dialog (assign/win) runs modally over the window, and
// however it ends the profile record and the button captions follow it (on OK the new
// macro area; either way every button keeps playing its own macro or is switched off).

#include <optional>

#include "app/win/page_features.h"
#include "assign/macro_manager.h"
#include "assign/win/macro_program_dialog.h"

namespace zalvane::app::win {
namespace {

class MacroManagerDialogFeature final : public MacroManagerFeature {
public:
    explicit MacroManagerDialogFeature(const FeatureContext& context) : m_context(context) {}

    void Open() override
    {
        AppState& state = m_context.state;
        // Without a program folder there is no macro file, and nothing may be written.
        if (!state.files.paths.recordFile) {
            return;
        }
        assign::win::CMacroProgramDialog dialog(
            {m_context.ports.ini, *state.files.paths.recordFile, state.language, m_context.skin, state.keyNames});
        (void)dialog.DoModal(m_context.window.Window());
        if (const std::optional<assign::MacroManagerOutcome> outcome = dialog.TakeOutcome()) {
            assign::ApplyMacroManagerOutcome(*outcome, state.record, state.text.captions, state.language);
        }
        // The captions of renumbered or switched-off buttons show at once.
        m_context.window.RefreshPage();
    }

private:
    FeatureContext m_context;
};

}  // namespace

std::unique_ptr<MacroManagerFeature> MakeMacroManagerFeature(const FeatureContext& context)
{
    return std::make_unique<MacroManagerDialogFeature>(context);
}

}  // namespace zalvane::app::win
