#pragma once
// The UI language of one run. It comes from the "Lan" value of the text file's "Skins"
// section, read once at start-up; every window picks its texts from it when it is made.

#include <string_view>

namespace zalvane::language {

enum class Language { kEnglish, kSimplifiedChinese, kTraditionalChinese };

// Exactly "CHS" is Simplified Chinese and exactly "CHT" Traditional Chinese (whole
// text, case-sensitive); every other value, the empty one included, is English.
Language LanguageFromCode(std::string_view code);

// Picks the text of `language` from a row of a three-column text table.
std::string_view InLanguage(Language language, std::string_view english, std::string_view simplified,
                            std::string_view traditional);

}  // namespace zalvane::language
