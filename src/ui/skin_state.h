#pragma once
// Where the skin lives and how its text is coloured. Read once while the main window
// initialises; a changed skin name or colour takes effect at the next start.

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/ini_store.h"
#include "settings/program_paths.h"

namespace zalvane::ui {

struct SkinColour {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend bool operator==(const SkinColour&, const SkinColour&) = default;
};

// The text colour until the text file has been read.
inline constexpr SkinColour kDefaultTextColour{0, 255, 0};

inline constexpr std::string_view kSkinsSection = "Skins";

struct SkinState {
    std::string root;      // skin folder, no trailing separator
    std::string name;      // "Path"
    std::string language;  // "Lan"
    SkinColour textColour = kDefaultTextColour;

    // Image names begin with "/" ("/main.png", "/Mouse/Front/F-1-over.png").
    std::string ImagePath(std::string_view imageName) const { return root + std::string(imageName); }
};

// The module path with every "Zalvane.exe" taken out (what remains ends with the folder's
// separator), then "/Skins/" and the skin name. A renamed executable keeps its full path
// in front of "/Skins/", so it finds no skin.
std::string SkinRootFromModulePath(std::string_view modulePath, std::string_view skinName);

// The low 8 bits of a decimal integer text ("300" gives 44, "-1" gives 255). Leading
// blanks and a sign are read, reading stops at the first other character; empty gives 0.
std::uint8_t ColourComponentFromText(std::string_view text);

// Reads "Path", "Lan", "RColor", "GColor" and "BColor" of the "Skins" section of the
// current text file (a missing key reads as empty) and builds the skin root.
SkinState ReadSkinState(platform::IniStore& store, const std::string& textFilePath, std::string_view modulePath);

// What the main window tells the user, once, when an image it is drawn from is missing:
// without it the window has no size and nothing to show.
std::string MissingSkinImageText(std::string_view imagePath);

}  // namespace zalvane::ui
