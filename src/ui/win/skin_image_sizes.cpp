#include "ui/win/skin_image_sizes.h"

#include "platform/win/wide_text.h"
#include "ui/win/gdiplus_bitmap.h"

namespace zalvane::ui::win {

std::optional<ui::Size> SkinImageSizes::SizeOf(const std::string& path)
{
    CGdiPlusBitmap image;
    if (!image.Load(platform::win::Widen(path))) {
        return std::nullopt;
    }
    return ui::Size{static_cast<int>(image.get()->GetWidth()), static_cast<int>(image.get()->GetHeight())};
}

}  // namespace zalvane::ui::win
