#pragma once
// The UI language of one run. It comes from the "Lan" value of the text file's "Skins"
// section, read once at start-up; every window picks its texts from it when it is made.

#include <string_view>

namespace zalvane::dialogs {

enum class Language { English, SimplifiedChinese, TraditionalChinese };

// Exactly "CHS" is Simplified Chinese and exactly "CHT" Traditional Chinese (whole
// text, case-sensitive); every other value, the empty one included, is English.
Language LanguageFromCode(std::string_view code);

}  // namespace zalvane::dialogs
