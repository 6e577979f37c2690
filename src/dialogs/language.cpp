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

}  // namespace zalvane::dialogs
