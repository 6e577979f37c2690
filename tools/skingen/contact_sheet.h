#pragma once
// One picture of the whole skin for review: the previews of the assembled windows first,
// then every image at its own size on a checkerboard (so transparency shows), labelled
// with its name and grouped by folder.

#include <vector>

#include "skin_set.h"

namespace zalvane::skingen {

Image RenderContactSheet(const SkinSet& skin, const std::vector<Image>& previews);

}  // namespace zalvane::skingen
