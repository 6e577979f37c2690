// The main page's button-assignment lists (src/assign/win): made here once the dialog exists. Until then the
// page's clicks for it do nothing.

#include "app/win/page_features.h"

namespace zalvane::app::win {

std::unique_ptr<AssignmentFeature> MakeAssignmentFeature(const FeatureContext&) { return nullptr; }

}  // namespace zalvane::app::win
