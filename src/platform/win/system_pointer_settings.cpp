#include "platform/win/system_pointer_settings.h"

#include <windows.h>

namespace zalvane::platform::win {

bool SystemPointerSettings::SetMouse(const std::array<int, 3>& thresholdsAndAcceleration)
{
    std::array<int, 3> values = thresholdsAndAcceleration;
    return ::SystemParametersInfoW(SPI_SETMOUSE, 0, values.data(), SPIF_SENDCHANGE) != FALSE;
}

bool SystemPointerSettings::SetMouseSpeed(std::uint32_t speed)
{
    return ::SystemParametersInfoW(SPI_SETMOUSESPEED, 0, reinterpret_cast<void*>(static_cast<std::uintptr_t>(speed)),
                                   SPIF_SENDCHANGE) != FALSE;
}

bool SystemPointerSettings::SetWheelScrollLines(std::uint32_t lines)
{
    return ::SystemParametersInfoW(SPI_SETWHEELSCROLLLINES, lines, nullptr, SPIF_SENDCHANGE) != FALSE;
}

bool SystemPointerSettings::SetDoubleClickTime(std::uint32_t milliseconds)
{
    return ::SystemParametersInfoW(SPI_SETDOUBLECLICKTIME, milliseconds, nullptr,
                                   SPIF_UPDATEINIFILE | SPIF_SENDCHANGE) != FALSE;
}

}  // namespace zalvane::platform::win
