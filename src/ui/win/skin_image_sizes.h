#pragma once
// How large a skin image is, as the PNG decoder reads it: the main page's panel
// backgrounds are measured this way once, at its first drawing.

#include "ui/image_size.h"

namespace zalvane::ui::win {

class SkinImageSizes final : public ImageSizePort {
public:
    // `path` is UTF-8; GDI+ must be running.
    [[nodiscard]] std::optional<ui::Size> SizeOf(const std::string& path) override;
};

}  // namespace zalvane::ui::win
