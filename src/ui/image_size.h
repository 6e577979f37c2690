#pragma once
// How large a skin image is. The main page measures its panel backgrounds once, at its
// first drawing; the window answers with its real decoder, tests with fixed sizes.

#include <optional>
#include <string>

#include "ui/rect.h"

namespace zalvane::ui {

class ImageSizePort {
public:
    virtual ~ImageSizePort() = default;
    // The width and height of the image at `path`; nothing when it does not load.
    [[nodiscard]] virtual std::optional<ui::Size> SizeOf(const std::string& path) = 0;
};

}  // namespace zalvane::ui
