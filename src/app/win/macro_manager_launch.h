#pragma once
// The "Macro Manager" item of the main window: the manager runs modally over the window,
// and however it ends, the profile record and the button captions follow it (on OK the
// new macro area; either way every button keeps playing its own macro or is switched off).

#include <windows.h>

#include "app/app_state.h"
#include "assign/key_name_map.h"
#include "platform/ini_store.h"
#include "ui/skin_state.h"

namespace zalvane::app::win {

// True when the manager ran (it needs the program folder's macro file); the record and the
// captions may have changed then, and the page should be drawn again.
bool RunMacroManager(HWND owner, AppState& state, platform::IniStore& ini, const ui::SkinState& skin,
                     const assign::KeyNameMap& keyNames);

}  // namespace zalvane::app::win
