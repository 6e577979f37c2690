#pragma once
// Where the skin lives and how its text is coloured. Read once while the main window
// initialises; a changed skin name or colour takes effect at the next start.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "settings/text_settings.h"

namespace zalvane::ui {

struct SkinColour {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend bool operator==(const SkinColour&, const SkinColour&) = default;
};

// The text colour until the text file has been read.
inline constexpr SkinColour kDefaultTextColour{0, 255, 0};

// The skin shipped with the program, and the two images the main window is drawn from:
// without them the window has no size and nothing to show.
inline constexpr std::string_view kDefaultSkinName = "Default";
inline constexpr std::string_view kStartImage = "/start.png";
inline constexpr std::string_view kMainImage = "/main.png";

struct SkinState {
    std::string root;  // skin folder, no trailing separator
    std::string name;  // "Path"
    SkinColour textColour = kDefaultTextColour;

    // Image names begin with "/" ("/main.png", "/Mouse/Front/F-1-over.png").
    std::string ImagePath(std::string_view imageName) const { return root + std::string(imageName); }
};

// The module path with every "Zalvane.exe" taken out (what remains ends with the folder's
// separator), then "/Skins/" and the skin name. A renamed executable keeps its full path
// in front of "/Skins/", so it finds no skin.
std::string SkinRootFromModulePath(std::string_view modulePath, std::string_view skinName);

// The low 8 bits of the number a text starts with ("300" gives 44, "-1" gives 255).
std::uint8_t ColourComponentFromText(std::string_view text);

// The skin named by "Path" of the current text file, coloured by "RColor", "GColor" and
// "BColor", with its root found from the module path.
SkinState SkinStateFor(const settings::TextSettings& text, std::string_view modulePath);

// Whether the file at `path` (UTF-8) can be a skin image: it exists and begins with the
// PNG signature.
bool SkinImageUsable(const std::string& path);

using SkinImageCheck = std::function<bool(const std::string& path)>;

struct SkinChoice {
    SkinState state;
    // The named skin's root when the default skin stands in for it; empty otherwise.
    std::string replacedRoot;
};

// The skin of SkinStateFor, unless it lacks a usable start or main image while the default
// skin has both: a damaged or emptied text file then still gives a window.
SkinChoice ChooseSkin(const settings::TextSettings& text, std::string_view modulePath,
                      const SkinImageCheck& usable = SkinImageUsable);

// What the main window tells the user, once, when the default skin stands in.
std::string DefaultSkinInsteadText(std::string_view replacedRoot);

// What the main window tells the user, once, when an image it is drawn from is missing:
// without it the window has no size and nothing to show.
std::string MissingSkinImageText(std::string_view imagePath);

}  // namespace zalvane::ui
