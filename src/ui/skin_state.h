#pragma once
// Where the skin lives and how its text is coloured. Read once while the main window
// initialises; a changed skin name or colour takes effect at the next start.

#include <cstdint>
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

// What the main window tells the user, once, when an image it is drawn from is missing:
// without it the window has no size and nothing to show.
std::string MissingSkinImageText(std::string_view imagePath);

}  // namespace zalvane::ui
