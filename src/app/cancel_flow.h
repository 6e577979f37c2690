#pragma once
// The "Cancel" button: the page's unsaved changes are thrown away and the window hides;
// it loads the profile again when it is shown next.

#include "app/app_state.h"

namespace zalvane::app {

void RunCancelFlow(AppState& state, FlowUi& ui);

}  // namespace zalvane::app
