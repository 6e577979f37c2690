#include "settings/text_settings.h"

#include <vector>

#include "language/language_tables.h"

namespace zalvane::settings {

std::string_view ButtonLabelSection(language::Language language)
{
    return language::InLanguage(language, "Setting-EN", "Setting-CHS", "Setting-CHT");
}

std::string CaptionKey(std::size_t button) { return "Item" + std::to_string(button + 1); }

TextSettings ReadTextSettings(platform::IniStore& store, const std::optional<std::string>& textPath,
                              language::Language language)
{
    TextSettings settings;
    if (!textPath) {
        return settings;
    }
    const auto read = [&](std::string_view section, std::string_view key) {
        return store.GetString(*textPath, section, key);
    };
    const std::string_view captionSection = ButtonLabelSection(language);
    for (std::size_t button = 0; button < kButtonCount; ++button) {
        settings.captions[button] = read(captionSection, CaptionKey(button));
    }
    settings.red = read(kSkinsSection, kRedKey);
    settings.green = read(kSkinsSection, kGreenKey);
    settings.blue = read(kSkinsSection, kBlueKey);
    settings.skinPath = read(kSkinsSection, kSkinPathKey);
    for (std::size_t row = 0; row < kSliderRowCount; ++row) {
        settings.sliderRows[row] = read(kPointSection, kSliderRowKeys[row]);
    }
    return settings;
}

std::string ReadLanguageCode(platform::IniStore& store, const std::optional<std::string>& textPath)
{
    return textPath ? store.GetString(*textPath, kSkinsSection, kLanguageKey) : std::string();
}

bool WriteCaptions(platform::IniStore& store, const std::optional<std::string>& textPath, language::Language language,
                   const ButtonCaptions& captions)
{
    if (!textPath) {
        return false;
    }
    // In one write where the store can: a save that is cut short leaves the old captions
    // or the new ones, never some of each.
    std::vector<platform::IniEntry> entries;
    entries.reserve(kButtonCount);
    for (std::size_t button = 0; button < kButtonCount; ++button) {
        entries.push_back({CaptionKey(button), captions[button]});
    }
    return store.WriteStrings(*textPath, ButtonLabelSection(language), entries);
}

}  // namespace zalvane::settings
