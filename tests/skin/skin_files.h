#pragma once
// Access to the skin the build generated (ZALVANE_SKIN_OUTPUT), for the checks.

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <string_view>

#include "canvas.h"
#include "ui/rect.h"

namespace zalvane::skingen::testing {

inline std::string OutputFolder() { return ZALVANE_SKIN_OUTPUT; }
inline std::string SkinFolder() { return OutputFolder() + "/Skins/Default"; }

// The image of `name` ("/main.png"), loaded once per test process; empty when missing.
inline const Image& SkinImage(std::string_view name)
{
    static std::map<std::string, Image, std::less<>> cache;
    auto it = cache.find(name);
    if (it == cache.end()) {
        it = cache.emplace(std::string(name), LoadPng(SkinFolder() + std::string(name))).first;
    }
    return it->second;
}

inline ui::Rect Bounds(const Image& image) { return {0, 0, image.Width(), image.Height()}; }

inline std::string Describe(const ui::Rect& r)
{
    return "(" + std::to_string(r.left) + ", " + std::to_string(r.top) + ", " + std::to_string(r.right) + ", " +
           std::to_string(r.bottom) + ")";
}

}  // namespace zalvane::skingen::testing
