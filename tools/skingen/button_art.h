#pragma once
// Buttons, switches, tick boxes and small marks shared by the main window and the dialogs.

#include "skin_set.h"

namespace zalvane::skingen {

void AddButtonImages(SkinSet& skin);

}  // namespace zalvane::skingen
