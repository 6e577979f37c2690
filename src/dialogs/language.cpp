#include "dialogs/language.h"

namespace zalvane::dialogs {

Language LanguageFromCode(std::string_view code)
{
    if (code == "CHS")
        return Language::SimplifiedChinese;
    if (code == "CHT")
        return Language::TraditionalChinese;
    return Language::English;
}

std::string_view InLanguage(Language language, std::string_view english, std::string_view simplified,
                            std::string_view traditional)
{
    switch (language) {
        case Language::SimplifiedChinese:
            return simplified;
        case Language::TraditionalChinese:
            return traditional;
        case Language::English:
            break;
    }
    return english;
}

}  // namespace zalvane::dialogs
