#pragma once
// Previews for review: the skin's images put together the way the program draws them,
// with sample texts in the skin's text colour (in a stand-in font).

#include <vector>

#include "skin_set.h"

namespace zalvane::skingen {

std::vector<Image> RenderPreviews(const SkinSet& skin);

}  // namespace zalvane::skingen
