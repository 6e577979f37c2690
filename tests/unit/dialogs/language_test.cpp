#include "dialogs/language.h"

#include <gtest/gtest.h>

#include <string_view>

#include "dialogs/language_tables.h"

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
        {"EN", Language::English},
        {"chs", Language::English},
        {"Cht", Language::English},
        {"CHS ", Language::English},
        {" CHT", Language::English},
        {"CHSCHT", Language::English},
        {"CH", Language::English},
        {"CHS\0"sv, Language::English},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LanguageFromCode(c.code), c.language) << '"' << c.code << '"';
}

TEST(LanguageTest, CodeChoosesTheButtonLabelSection)
{
    EXPECT_EQ(ButtonLabelSection(LanguageFromCode("CHS")), "Setting-CHS");
    EXPECT_EQ(ButtonLabelSection(LanguageFromCode("CHT")), "Setting-CHT");
    EXPECT_EQ(ButtonLabelSection(LanguageFromCode("")), "Setting-EN");
    EXPECT_EQ(ButtonLabelSection(LanguageFromCode("chs")), "Setting-EN");
}

}  // namespace
}  // namespace zalvane::dialogs
