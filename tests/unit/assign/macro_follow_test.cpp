#include "assign/macro_follow.h"

#include <gtest/gtest.h>

#include "assign/function_lists.h"

namespace zalvane::assign {
namespace {

using settings::ProfileRecord;

constexpr auto kMacroKey = static_cast<std::uint8_t>(ActionType::kMacroKey);
constexpr auto kButtonOff = static_cast<std::uint8_t>(ActionType::kButtonOff);
constexpr auto kSingleKey = static_cast<std::uint8_t>(ActionType::kSingleKey);

// Four macros; "B" deleted, "D" renamed "Dd", "New" added.
const MacroPositionMap kMap{{0, std::nullopt, 1, 2}, {"A", "B", "C", "D"}, {"A", "C", "Dd", "New"}};

TEST(MacroFollowTest, ButtonsFollowTheirMacroOrAreSwitchedOff)
{
    const struct {
        std::uint8_t type, number;
        std::uint8_t newType, newNumber;
        const char* newCaption;  // English; nullptr: unchanged
        const char* chineseCaption;
    } buttons[] = {
        {kMacroKey, 0, kMacroKey, 0, nullptr, nullptr},  // nothing moved or renamed
        {kMacroKey, 1, kButtonOff, 1, "Button Off", "按键关闭"},
        {kMacroKey, 2, kMacroKey, 1, "Macro Key-C", "宏-C"},
        {kMacroKey, 3, kMacroKey, 2, "Macro Key-Dd", "宏-Dd"},
        {kMacroKey, 7, kMacroKey, 7, nullptr, nullptr},    // named no macro: left alone
        {kSingleKey, 1, kSingleKey, 1, nullptr, nullptr},  // not a macro button
    };
    for (const language::Language language : {language::Language::kEnglish, language::Language::kSimplifiedChinese}) {
        ProfileRecord record;
        settings::ButtonCaptions captions;
        for (std::size_t b = 0; b < std::size(buttons); ++b) {
            record.Button(ProfileRecord::kActionType, b) = buttons[b].type;
            record.Button(ProfileRecord::kMacroNumber, b) = buttons[b].number;
            captions[b] = "before";
        }
        FollowMacros(record, captions, kMap, language);
        for (std::size_t b = 0; b < std::size(buttons); ++b) {
            SCOPED_TRACE(b);
            EXPECT_EQ(record.Button(ProfileRecord::kActionType, b), buttons[b].newType);
            EXPECT_EQ(record.Button(ProfileRecord::kMacroNumber, b), buttons[b].newNumber);
            const char* caption =
                language == language::Language::kEnglish ? buttons[b].newCaption : buttons[b].chineseCaption;
            EXPECT_EQ(captions[b], caption ? caption : "before");
        }
    }
}

TEST(MacroFollowTest, EncodedBlocksMoveWithTheirMacros)
{
    std::array<std::uint8_t, settings::kMacroAreaSize> area;
    for (std::size_t m = 0; m < settings::kMacroCount; ++m) {
        std::fill_n(area.begin() + static_cast<std::ptrdiff_t>(m * settings::kMacroBlockSize),
                    settings::kMacroBlockSize, static_cast<std::uint8_t>(m + 1));
    }
    RemapMacroArea(area, kMap);
    // Blocks of "A", "C", "D"; the old list's fourth place is free; the blocks past the
    // old list stay.
    const std::uint8_t expected[] = {1, 3, 4, 0, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19};
    for (std::size_t m = 0; m < settings::kMacroCount; ++m) {
        const auto block = area.begin() + static_cast<std::ptrdiff_t>(m * settings::kMacroBlockSize);
        EXPECT_TRUE(std::all_of(block, block + settings::kMacroBlockSize,
                                [&](std::uint8_t byte) { return byte == expected[m]; }))
            << "block " << m;
    }
}

}  // namespace
}  // namespace zalvane::assign
