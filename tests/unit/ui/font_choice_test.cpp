#include "ui/font_choice.h"

#include <gtest/gtest.h>

namespace zalvane::ui {
namespace {

using language::Language;

TEST(FontChoiceTest, FacesSizesAndWeightsByLanguageAndVersion)
{
    constexpr WindowsVersion kWin7{6, 1};
    constexpr WindowsVersion kWin8{6, 2};
    constexpr WindowsVersion kWin81{6, 3};
    constexpr WindowsVersion kWin10{10, 0};
    struct Case {
        FontUse use;
        Language language;
        WindowsVersion version;
        FontChoice expected;
    };
    const Case cases[] = {
        {FontUse::kMain, Language::kEnglish, kWin7, {"Segoe UI", 15, 300}},
        {FontUse::kMain, Language::kEnglish, kWin8, {"Segoe UI", 15, 300}},
        {FontUse::kMain, Language::kSimplifiedChinese, kWin7, {"宋体", 13, 400}},
        {FontUse::kMain, Language::kSimplifiedChinese, kWin8, {"黑体", 13, 400}},  // 6.2 and later swap the face
        {FontUse::kMain, Language::kSimplifiedChinese, kWin81, {"黑体", 13, 400}},
        {FontUse::kMain, Language::kSimplifiedChinese, kWin10, {"黑体", 13, 400}},
        {FontUse::kMain, Language::kTraditionalChinese, kWin7, {"黑体", 14, 400}},
        {FontUse::kMain, Language::kTraditionalChinese, kWin8, {"黑体", 14, 400}},
        {FontUse::kValue, Language::kEnglish, kWin7, {"Arial", 12, 0}},
        {FontUse::kValue, Language::kSimplifiedChinese, kWin8, {"Arial", 12, 0}},
        {FontUse::kValue, Language::kTraditionalChinese, kWin10, {"Arial", 12, 0}},
        {FontUse::kDialog, Language::kEnglish, kWin8, {"Arial", 14, 400}},
        {FontUse::kDialog, Language::kSimplifiedChinese, kWin7, {"宋体", 13, 400}},
        {FontUse::kDialog, Language::kSimplifiedChinese, kWin8, {"黑体", 13, 400}},
        {FontUse::kDialog, Language::kTraditionalChinese, kWin7, {"黑体", 14, 400}},
        {FontUse::kSingleKeyDialog, Language::kEnglish, kWin8, {"Segoe UI", 15, 400}},
        {FontUse::kSingleKeyDialog, Language::kSimplifiedChinese, kWin8, {"黑体", 13, 400}},
        {FontUse::kMacroManager, Language::kEnglish, kWin8, {"Segoe UI", 15, 700}},
        {FontUse::kMacroManager, Language::kSimplifiedChinese, kWin7, {"宋体", 13, 400}},
        {FontUse::kMacroManager, Language::kTraditionalChinese, kWin10, {"黑体", 14, 400}},
    };
    for (const Case& c : cases) {
        const FontChoice chosen = ChooseFont(c.use, c.language, c.version);
        EXPECT_EQ(chosen, c.expected) << "use " << static_cast<int>(c.use) << ", language "
                                      << static_cast<int>(c.language) << ", version " << c.version.major << '.'
                                      << c.version.minor << ": got " << chosen.face;
    }
}

}  // namespace
}  // namespace zalvane::ui
