#pragma once
// The system's common colour dialog, as the DPI stages use it: it opens with its own
// defaults (black, nothing preselected, no extra options) and tells the colour chosen.

#include <windows.h>

#include <array>
#include <optional>

#include "ui/skin_state.h"

namespace zalvane::ui::win {

class ColourDialog {
public:
    // Modal over `owner`; nothing when the user cancels.
    std::optional<SkinColour> Choose(HWND owner);

private:
    // The dialog's sixteen custom colours, kept for the run like the system's own dialogs.
    std::array<COLORREF, 16> m_customColours{};
};

}  // namespace zalvane::ui::win
