// The main page's profile dialog: a new CConfigDialog at every Config click the page lets
// through. The dialog ends itself with its close button and posts 0xB03 (closed) to the
// main window, which tells the page; the ended dialog's object goes at the next opening.

#include <optional>

#include "app/win/page_features.h"
#include "dialogs/win/config_dialog.h"

namespace zalvane::app::win {
namespace {

class ProfileDialogFeature final : public ConfigFeature {
public:
    explicit ProfileDialogFeature(const FeatureContext& context)
        : m_window(context.window), m_state(context.state), m_ini(context.ports.ini), m_skin(context.skin)
    {
    }

    bool Open() override
    {
        m_dialog.reset();
        m_dialog.emplace(m_state, m_ini, m_skin);
        if (!m_dialog->Open(m_window.Window())) {
            m_dialog.reset();
            return false;
        }
        return true;
    }

private:
    PageWindow& m_window;
    AppState& m_state;
    platform::IniStore& m_ini;
    const ui::SkinState& m_skin;
    std::optional<dialogs::win::CConfigDialog> m_dialog;
};

}  // namespace

std::unique_ptr<ConfigFeature> MakeConfigFeature(const FeatureContext& context)
{
    return std::make_unique<ProfileDialogFeature>(context);
}

}  // namespace zalvane::app::win
