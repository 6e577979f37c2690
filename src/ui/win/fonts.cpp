#include "ui/win/fonts.h"

#include <windows.h>

#include "platform/win/wide_text.h"

namespace zalvane::ui::win {

WindowsVersion CurrentWindowsVersion() noexcept
{
    const DWORD version = ::GetVersion();
    return {LOBYTE(LOWORD(version)), HIBYTE(LOWORD(version))};
}

platform::win::UniqueHFont CreateSkinFont(const FontChoice& font)
{
    const std::wstring face = platform::win::Widen(font.face);
    return platform::win::UniqueHFont(::CreateFontW(font.height, 0, 0, 0, font.weight, FALSE, FALSE, FALSE,
                                                    ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                                    DEFAULT_QUALITY, FF_SWISS, face.c_str()));
}

}  // namespace zalvane::ui::win
