#pragma once
// The text file of a profile ("str%d.ini", the factory "str.ini"): the nineteen button
// captions in the UI language's section, and the skin and slider settings that come
// with the shipped files. Only the captions are ever written.

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "language/language.h"
#include "platform/ini_store.h"
#include "settings/profile_record.h"

namespace zalvane::settings {

inline constexpr std::string_view kSkinsSection = "Skins";
inline constexpr std::string_view kLanguageKey = "Lan";
inline constexpr std::string_view kSkinPathKey = "Path";
inline constexpr std::string_view kRedKey = "RColor";
inline constexpr std::string_view kGreenKey = "GColor";
inline constexpr std::string_view kBlueKey = "BColor";
inline constexpr std::string_view kPointSection = "Point";
inline constexpr std::size_t kSliderRowCount = 4;
// The pixel rows of the X and Y sensitivity sliders, the gesture-correction slider and
// the mouse-speed dial.
inline constexpr std::array<std::string_view, kSliderRowCount> kSliderRowKeys = {"SensitivityX_Y", "SensitivityY_Y",
                                                                                 "Sensitivity_Y", "MouseSpeed_Y"};

// The text-file section that keeps the nineteen button captions of `language`:
// "Setting-EN", "Setting-CHS" or "Setting-CHT".
std::string_view ButtonLabelSection(language::Language language);

using ButtonCaptions = std::array<std::string, kButtonCount>;

// "Item1" ... "Item19" for buttons 0-18.
std::string CaptionKey(std::size_t button);

// Everything a text file is read for, as text: the numbers are converted once, where
// they are used.
struct TextSettings {
    ButtonCaptions captions;
    std::string red;
    std::string green;
    std::string blue;
    std::string skinPath;
    std::array<std::string, kSliderRowCount> sliderRows;

    friend bool operator==(const TextSettings&, const TextSettings&) = default;
};

// Reads, in this order, the captions of `language`'s section, the skin colour and
// "Path", then the slider rows. A missing file or key reads as empty; so does every
// value when `textPath` names no file.
TextSettings ReadTextSettings(platform::IniStore& store, const std::optional<std::string>& textPath,
                              language::Language language);

// "Lan" of "Skins": the UI language code, read once at start-up.
std::string ReadLanguageCode(platform::IniStore& store, const std::optional<std::string>& textPath);

// Writes "Item1" ... "Item19" of `language`'s section, creating a missing file. False
// when `textPath` names no file or a write failed (a store that writes them in one step
// then writes none).
bool WriteCaptions(platform::IniStore& store, const std::optional<std::string>& textPath, language::Language language,
                   const ButtonCaptions& captions);

}  // namespace zalvane::settings
