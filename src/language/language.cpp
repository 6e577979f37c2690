#include "language/language.h"

namespace zalvane::language {

Language LanguageFromCode(std::string_view code)
{
    if (code == "CHS") {
        return Language::kSimplifiedChinese;
    }
    if (code == "CHT") {
        return Language::kTraditionalChinese;
    }
    return Language::kEnglish;
}

std::string_view InLanguage(Language language, std::string_view english, std::string_view simplified,
                            std::string_view traditional)
{
    switch (language) {
        case Language::kSimplifiedChinese:
            return simplified;
        case Language::kTraditionalChinese:
            return traditional;
        case Language::kEnglish:
            break;
    }
    return english;
}

}  // namespace zalvane::language
