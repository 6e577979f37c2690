// Chinese text in every face the program draws with shows its characters: the Chinese
// faces stand in for "宋体" and "黑体", and the Latin faces ("Segoe UI", "Arial", and
// Tahoma, the message boxes' face) link to a Chinese one for the characters they lack. A
// face without them would draw the same box for every character.

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "platform/win/unique_handle.h"
#include "ui/font_choice.h"
#include "ui/win/fonts.h"
#include "ui/win/gdi_canvas.h"
#include "win/win_test_support.h"

namespace zalvane::ui::win {
namespace {

// The pixels of one character, as a string of 0s and 1s.
std::string Glyph(HFONT font, std::string_view character)
{
    constexpr int kSize = 24;
    wintest::PixelSurface surface(kSize, kSize, {0, 0, 0, 255});
    {
        GdiCanvas canvas(surface.Dc(), font, font);
        canvas.SetTextStyle(FontRole::kMain, {255, 255, 255});
        canvas.DrawText(character, {0, 0, kSize, kSize}, TextAlignment::kCentre);
    }
    std::string bits;
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            bits += surface.At(x, y).red > 128 ? '1' : '0';
        }
    }
    return bits;
}

TEST(ChineseTextTest, EveryUiFaceShowsChineseCharactersRatherThanBoxes)
{
    std::vector<FontChoice> faces;
    for (const language::Language language : {language::Language::kEnglish, language::Language::kSimplifiedChinese,
                                              language::Language::kTraditionalChinese}) {
        for (const FontUse use : {FontUse::kMain, FontUse::kValue, FontUse::kDialog}) {
            for (const WindowsVersion version : {WindowsVersion{6, 1}, WindowsVersion{6, 2}}) {
                faces.push_back(ChooseFont(use, language, version));
            }
        }
    }
    faces.push_back({"Tahoma", 13, 400});
    faces.push_back({"MS Shell Dlg", 13, 400});
    const std::vector<std::string_view> characters{"配", "置", "鼠", "標", "驱"};
    for (const FontChoice& face : faces) {
        SCOPED_TRACE(std::string(face.face) + " " + std::to_string(face.height));
        const platform::win::UniqueHFont font = CreateSkinFont(face);
        ASSERT_TRUE(font);
        std::set<std::string> glyphs;
        for (const std::string_view character : characters) {
            const std::string glyph = Glyph(font.get(), character);
            EXPECT_NE(glyph.find('1'), std::string::npos) << character;
            glyphs.insert(glyph);
        }
        EXPECT_EQ(glyphs.size(), characters.size());
    }
}

}  // namespace
}  // namespace zalvane::ui::win
