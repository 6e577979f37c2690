// The main page's help panel (src/dialogs/win): made here once the dialog exists. Until then the
// page's clicks for it do nothing.

#include "app/win/page_features.h"

namespace zalvane::app::win {

std::unique_ptr<HelpFeature> MakeHelpFeature(const FeatureContext&) { return nullptr; }

}  // namespace zalvane::app::win
