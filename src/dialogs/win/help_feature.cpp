// The main page's help panel: CHelpDialog under the Help button, made at a Help click and
// destroyed at the next one or at another click on the page. A panel that ended itself
// (OK, Cancel, its close button) has already told the page; its object goes at the next
// opening, outside the panel's own message handling.

#include <optional>

#include "app/win/page_features.h"
#include "dialogs/win/help_dialog.h"

namespace zalvane::app::win {
namespace {

class HelpPanelFeature final : public HelpFeature {
public:
    explicit HelpPanelFeature(const FeatureContext& context)
        : m_window(context.window), m_state(context.state), m_page(context.page), m_skin(context.skin)
    {
    }

    bool Open() override
    {
        m_panel.reset();
        m_panel.emplace(m_state, m_skin);
        if (!m_panel->Open(m_window.Window(), [this] { m_page.HelpClosed(); })) {
            m_panel.reset();
            return false;
        }
        return true;
    }

    void Close() override { m_panel.reset(); }

private:
    PageWindow& m_window;
    const AppState& m_state;
    pages::MainPage& m_page;
    const ui::SkinState& m_skin;
    std::optional<dialogs::win::CHelpDialog> m_panel;
};

}  // namespace

std::unique_ptr<HelpFeature> MakeHelpFeature(const FeatureContext& context)
{
    return std::make_unique<HelpPanelFeature>(context);
}

}  // namespace zalvane::app::win
