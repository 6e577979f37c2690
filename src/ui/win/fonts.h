#pragma once
// The skin's fonts as GDI fonts.

#include "platform/win/unique_handle.h"
#include "ui/font_choice.h"

namespace zalvane::ui::win {

// The version as GetVersion reports it (without a compatibility manifest, Windows 8 and
// later report 6.2).
WindowsVersion CurrentWindowsVersion() noexcept;

platform::win::UniqueHFont CreateSkinFont(const FontChoice& font);

}  // namespace zalvane::ui::win
