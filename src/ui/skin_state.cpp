#include "ui/skin_state.h"

#include "platform/text_parsing.h"
#include "settings/program_paths.h"

namespace zalvane::ui {

using settings::kExecutableName;

std::string SkinRootFromModulePath(std::string_view modulePath, std::string_view skinName)
{
    std::string root;
    root.reserve(modulePath.size() + skinName.size() + 7);
    std::size_t start = 0;
    for (std::size_t found = modulePath.find(kExecutableName); found != std::string_view::npos;
         found = modulePath.find(kExecutableName, start)) {
        root.append(modulePath.substr(start, found - start));
        start = found + kExecutableName.size();
    }
    root.append(modulePath.substr(start));
    root.append("/Skins/");
    root.append(skinName);
    return root;
}

std::uint8_t ColourComponentFromText(std::string_view text) { return platform::ReadLeadingDecimal(text).LowByte(); }

SkinState SkinStateFor(const settings::TextSettings& text, std::string_view modulePath)
{
    SkinState state;
    state.name = text.skinPath;
    state.textColour = {ColourComponentFromText(text.red), ColourComponentFromText(text.green),
                        ColourComponentFromText(text.blue)};
    state.root = SkinRootFromModulePath(modulePath, state.name);
    return state;
}

std::string MissingSkinImageText(std::string_view imagePath)
{
    return "The skin image could not be loaded:\n" + std::string(imagePath) +
           "\n\nThe window cannot be shown without it. The \"Skins\" folder belongs next to "
           "Zalvane.exe, and \"Path\" in the \"Skins\" section of the profile's text file names the "
           "skin in it.";
}

}  // namespace zalvane::ui
