#include "ui/win/colour_dialog.h"

#include <commdlg.h>

namespace zalvane::ui::win {

std::optional<SkinColour> ColourDialog::Choose(HWND owner)
{
    CHOOSECOLORW choice{};
    choice.lStructSize = sizeof choice;
    choice.hwndOwner = owner;
    choice.rgbResult = RGB(0, 0, 0);
    choice.lpCustColors = m_customColours.data();
    if (!::ChooseColorW(&choice)) {
        return std::nullopt;
    }
    return SkinColour{GetRValue(choice.rgbResult), GetGValue(choice.rgbResult), GetBValue(choice.rgbResult)};
}

}  // namespace zalvane::ui::win
