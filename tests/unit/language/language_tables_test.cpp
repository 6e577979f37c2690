#include "language/language_tables.h"

#include <gtest/gtest.h>

#include <set>
#include <string_view>

namespace zalvane::language {
namespace {

constexpr Language kLanguages[] = {Language::kEnglish, Language::kSimplifiedChinese, Language::kTraditionalChinese};

TextSlot SlotAt(std::size_t index) { return static_cast<TextSlot>(index); }

TEST(LanguageTablesTest, EverySlotHasItsOwnTextInEveryLanguage)
{
    for (Language language : kLanguages) {
        std::set<std::string_view> seen;
        for (std::size_t i = 0; i < kTextSlotCount; ++i) {
            const std::string_view text = SlotText(SlotAt(i), language);
            EXPECT_FALSE(text.empty()) << "slot " << i;
            // A row copied twice would show one caption in two places.
            EXPECT_TRUE(seen.insert(text).second) << "slot " << i << " repeats " << text;
        }
    }
}

TEST(LanguageTablesTest, TextsThatAreEasyToGetWrong)
{
    const struct {
        TextSlot slot;
        Language language;
        std::string_view text;
    } cases[] = {
        {TextSlot::kMouseSpeed, Language::kSimplifiedChinese, "鼠标速度"},
        {TextSlot::kMouseSpeed, Language::kTraditionalChinese, "滑鼠移動速度"},
        {TextSlot::kDoubleClick, Language::kTraditionalChinese, "双击"},
        {TextSlot::kDpiSetting, Language::kSimplifiedChinese, "DPI 设置"},
        {TextSlot::kHotKey, Language::kTraditionalChinese, "快速鍵"},
        {TextSlot::kComboKey, Language::kTraditionalChinese, "複合鍵"},
        {TextSlot::kLeftKeyMustBeSelected, Language::kSimplifiedChinese, "左键功能必须选择！"},
        {TextSlot::kMouseDetected, Language::kEnglish, "The system detect the gaming mouse."},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SlotText(c.slot, c.language), c.text) << static_cast<int>(c.slot);
    }
    // The texts reach the window as UTF-8 whatever character set a compiler assumes.
    EXPECT_EQ(SlotText(TextSlot::kMouseSpeed, Language::kSimplifiedChinese),
              "\xE9\xBC\xA0\xE6\xA0\x87\xE9\x80\x9F\xE5\xBA\xA6");

    for (Language language : kLanguages) {
        EXPECT_EQ(SlotText(TextSlot::kAppTitle, language), "Zalvane Gaming Mouse");
    }
}

TEST(LanguageTablesTest, StageBalloonTextsEndInOneSpace)
{
    const std::string_view third[] = {"Switch DPI into the third stage ", "DPI切换到第三段 ", "DPI切換到第三段 "};
    for (std::size_t l = 0; l < std::size(kLanguages); ++l) {
        for (unsigned stage = 1; stage <= 7; ++stage) {
            const auto slot = DpiStageSwitchSlot(stage);
            ASSERT_TRUE(slot.has_value()) << stage;
            const std::string_view text = SlotText(*slot, kLanguages[l]);
            ASSERT_GE(text.size(), 2u);
            EXPECT_EQ(text.back(), ' ') << text;
            EXPECT_NE(text[text.size() - 2], ' ') << text;
        }
        EXPECT_EQ(SlotText(*DpiStageSwitchSlot(3), kLanguages[l]), third[l]);
    }
    EXPECT_EQ(DpiStageSwitchSlot(1), TextSlot::kSwitchDpiFirstStage);
    EXPECT_EQ(DpiStageSwitchSlot(7), TextSlot::kSwitchDpiSeventhStage);
    EXPECT_FALSE(DpiStageSwitchSlot(0).has_value());
    EXPECT_FALSE(DpiStageSwitchSlot(8).has_value());
}

TEST(LanguageTablesTest, ButtonNamesFollowFrontThenSideButtons)
{
    const struct {
        std::size_t button;
        std::string_view english;
        std::string_view traditional;
    } cases[] = {
        {0, "Button 1", "按鈕1"},    {6, "Button 7", "按鈕7"},      {7, "Button S1", "按鈕S1"},
        {14, "Button S8", "按鈕S8"}, {18, "Button S12", "按鈕S12"},
    };
    for (const auto& c : cases) {
        const auto slot = ButtonNameSlot(c.button);
        ASSERT_TRUE(slot.has_value()) << c.button;
        EXPECT_EQ(SlotText(*slot, Language::kEnglish), c.english);
        EXPECT_EQ(SlotText(*slot, Language::kTraditionalChinese), c.traditional);
    }
    EXPECT_FALSE(ButtonNameSlot(19).has_value());
}

}  // namespace
}  // namespace zalvane::language
