// The main page's macro manager: the dialog (assign/win) runs modally over the window, and
// however it ends the profile record and the button captions follow it (on OK the new
// macro area; either way every button keeps playing its own macro or is switched off).

#include <array>
#include <optional>

#include "app/win/page_features.h"
#include "assign/key_name_map.h"
#include "assign/macro_manager.h"
#include "assign/win/macro_program_dialog.h"
#include "platform/win/wide_text.h"

namespace zalvane::app::win {
namespace {

// The name this system gives every key, linked to its code, so that recorded names in any
// keyboard layout or display language encode to the right key.
assign::KeyNameMap SystemKeyNames()
{
    return assign::BuildKeyNameMap([](assign::ScanCode scan) {
        std::array<wchar_t, 32> name{};
        const LONG flags = static_cast<LONG>(assign::KeyFlagsFromScanCode(scan));
        const int length = ::GetKeyNameTextW(flags, name.data(), static_cast<int>(name.size()));
        return length > 0 ? platform::win::Narrow(std::wstring_view(name.data(), static_cast<std::size_t>(length)))
                          : std::string();
    });
}

class MacroManagerDialogFeature final : public MacroManagerFeature {
public:
    explicit MacroManagerDialogFeature(const FeatureContext& context) : m_context(context) {}

    void Open() override
    {
        AppState& state = m_context.state;
        if (!m_keyNames) {
            m_keyNames = SystemKeyNames();
        }
        // Without a program folder there is no macro file, and nothing may be written.
        if (!state.files.paths.recordFile) {
            return;
        }
        assign::win::CMacroProgramDialog dialog(
            {m_context.ports.ini, *state.files.paths.recordFile, state.language, m_context.skin, *m_keyNames});
        (void)dialog.DoModal(m_context.window.Window());
        if (const std::optional<assign::MacroManagerOutcome> outcome = dialog.TakeOutcome()) {
            assign::ApplyMacroManagerOutcome(*outcome, state.record, state.text.captions, state.language);
        }
        // The captions of renumbered or switched-off buttons show at once.
        m_context.window.RefreshPage();
    }

private:
    FeatureContext m_context;
    std::optional<assign::KeyNameMap> m_keyNames;  // made at the first opening
};

}  // namespace

std::unique_ptr<MacroManagerFeature> MakeMacroManagerFeature(const FeatureContext& context)
{
    return std::make_unique<MacroManagerDialogFeature>(context);
}

}  // namespace zalvane::app::win
