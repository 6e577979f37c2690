#include "language/language.h"

#include <gtest/gtest.h>

#include <string_view>

namespace zalvane::language {
namespace {

using namespace std::string_view_literals;

TEST(LanguageTest, OnlyTheExactCodesSelectChinese)
{
    const struct {
        std::string_view code;
        Language language;
    } cases[] = {
        {"CHS", Language::kSimplifiedChinese},
        {"CHT", Language::kTraditionalChinese},
        {"", Language::kEnglish},
        {"chs", Language::kEnglish},
        {"Cht", Language::kEnglish},
        {"CHS ", Language::kEnglish},
        {" CHT", Language::kEnglish},
        {"CH", Language::kEnglish},
        {"CHSCHT", Language::kEnglish},
        {"CHS\0"sv, Language::kEnglish},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(LanguageFromCode(c.code), c.language) << '"' << c.code << '"';
    }
}

}  // namespace
}  // namespace zalvane::language
