#include "app/cancel_flow.h"

namespace zalvane::app {

void RunCancelFlow(AppState& state, FlowUi& ui)
{
    state.record = state.applied;
    state.reloadOnShow = true;
    ui.HideMainWindow();
}

}  // namespace zalvane::app
