#pragma once
// The whole default skin, and everything the generator writes.

#include <string>

#include "skin_set.h"

namespace zalvane::skingen {

inline constexpr const char* kSkinName = "Default";

// Every image of the default skin, by the program's names.
SkinSet BuildDefaultSkin();

// Writes, under `out`: Skins/Default/..., resources/zalvane.ico, resources/thumb.png and
// contact-sheet.png. Fails, writing nothing, when the skin lacks a name the program asks for.
bool GenerateAll(const std::string& out, std::string& error);

}  // namespace zalvane::skingen
