#include "ui/skin_state.h"

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

std::uint8_t ColourComponentFromText(std::string_view text)
{
    std::size_t pos = 0;
    while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t'))
        ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    // Only the low 8 bits are kept, so the number is taken modulo 256 as it is read: no
    // overflow however long the digits run.
    unsigned value = 0;
    for (; pos < text.size() && text[pos] >= '0' && text[pos] <= '9'; ++pos)
        value = (value * 10 + static_cast<unsigned>(text[pos] - '0')) % 256;
    if (negative)
        value = (256 - value) % 256;
    return static_cast<std::uint8_t>(value);
}

SkinState ReadSkinState(platform::IniStore& store, const std::string& textFilePath, std::string_view modulePath)
{
    auto read = [&](std::string_view key) { return store.GetString(textFilePath, kSkinsSection, key); };
    SkinState state;
    state.name = read("Path");
    state.language = read("Lan");
    state.textColour = {ColourComponentFromText(read("RColor")), ColourComponentFromText(read("GColor")),
                        ColourComponentFromText(read("BColor"))};
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
