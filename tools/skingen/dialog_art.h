#pragma once
// Backgrounds of the key dialogs, the macro manager, the profile list and the help panel.

#include "skin_set.h"

namespace zalvane::skingen {

void AddDialogImages(SkinSet& skin);

}  // namespace zalvane::skingen
