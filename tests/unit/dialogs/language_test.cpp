#include "dialogs/language.h"

#include <gtest/gtest.h>

#include <string_view>

namespace zalvane::dialogs {
namespace {

using namespace std::string_view_literals;

TEST(LanguageTest, OnlyTheExactCodesSelectChinese)
{
    const struct {
        std::string_view code;
        Language language;
    } cases[] = {
        {"CHS", Language::SimplifiedChinese},
        {"CHT", Language::TraditionalChinese},
        {"", Language::English},
        {"chs", Language::English},
        {"Cht", Language::English},
        {"CHS ", Language::English},
        {" CHT", Language::English},
        {"CH", Language::English},
        {"CHSCHT", Language::English},
        {"CHS\0"sv, Language::English},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LanguageFromCode(c.code), c.language) << '"' << c.code << '"';
}

}  // namespace
}  // namespace zalvane::dialogs
