#include "ui/skin_state.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <utility>

#include "platform/file_io.h"
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

bool SkinImageUsable(const std::string& path)
{
    static constexpr std::array<char, 8> kPngSignature = {'\x89', 'P', 'N', 'G', '\r', '\n', '\x1a', '\n'};
    std::ifstream file(platform::PathFromUtf8(path), std::ios::binary);
    std::array<char, kPngSignature.size()> head{};
    return file.read(head.data(), head.size()) && head == kPngSignature;
}

namespace {

bool HasWindowImages(const SkinState& skin, const SkinImageCheck& usable)
{
    return usable(skin.ImagePath(kStartImage)) && usable(skin.ImagePath(kMainImage));
}

}  // namespace

SkinChoice ChooseSkin(const settings::TextSettings& text, std::string_view modulePath, const SkinImageCheck& usable)
{
    SkinChoice choice{SkinStateFor(text, modulePath), {}};
    if (choice.state.name == kDefaultSkinName || HasWindowImages(choice.state, usable)) {
        return choice;
    }
    // The text file's colours stay: they may belong to it, not to the skin it names.
    SkinState fallback = choice.state;
    fallback.name = kDefaultSkinName;
    fallback.root = SkinRootFromModulePath(modulePath, kDefaultSkinName);
    if (!HasWindowImages(fallback, usable)) {
        return choice;
    }
    choice.replacedRoot = std::exchange(choice.state, std::move(fallback)).root;
    return choice;
}

std::string DefaultSkinInsteadText(std::string_view replacedRoot)
{
    return "The skin in\n" + std::string(replacedRoot) +
           "\nhas no usable start.png and main.png, so the default skin is used.\n\n\"Path\" in the "
           "\"Skins\" section of the profile's text file names the skin; it may be damaged.";
}

std::string MissingSkinImageText(std::string_view imagePath)
{
    return "The skin image could not be loaded:\n" + std::string(imagePath) +
           "\n\nThe window cannot be shown without it. The \"Skins\" folder belongs next to "
           "Zalvane.exe, and \"Path\" in the \"Skins\" section of the profile's text file names the "
           "skin in it.";
}

}  // namespace zalvane::ui
