#include "assign/key_codes.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace zalvane::assign {
namespace {

TEST(KeyCodesTest, NamesGiveTheirCodes)
{
    const struct {
        std::string_view name;
        std::uint8_t key, macroKey, modifier;
    } cases[] = {
        {"A", 0x04, 0x04, 0},
        {"1", 0x1E, 0x1E, 0},
        {"Enter", 0x28, 0x28, 0},
        {"Num Enter", 0x58, 0x58, 0},
        {"\\", 0x31, 0x31, 0},
        {"Eurpo(Note 2)", 0x32, 0x32, 0},
        {"Num 0", 0x62, 0x62, 0},
        {"Num Del", 0x63, 0x63, 0},
        {"Application", 0x65, 0x00, 0},  // macros do not know this key
        {"Ctrl", 0xE0, 0xE0, 0},
        {"Left Windows", 0xE3, 0xE3, 0},
        {"Right Ctrl", 0xE4, 0xE4, 0x10},  // one name, two tables that never mix
        {"Right Win", 0x00, 0x00, 0x80},
        {"Left Ctrl", 0x00, 0x00, 0x01},
        {"Left Win", 0x00, 0x00, 0x08},
        {"L-Button", 0xF0, 0xF0, 0},
        {"M-Button", 0xF2, 0xF2, 0},
        // Whole, case-sensitive names only.
        {"a", 0, 0, 0},
        {"", 0, 0, 0},
        {"Enter ", 0, 0, 0},
        {"left ctrl", 0, 0, 0},
        {"Return", 0, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.name));
        EXPECT_EQ(KeyCodeFromName(c.name), c.key);
        EXPECT_EQ(MacroKeyCodeFromName(c.name), c.macroKey);
        EXPECT_EQ(ModifierBitFromName(c.name), c.modifier);
    }
}

TEST(KeyCodesTest, TablesAreCompleteAndUnambiguous)
{
    ASSERT_EQ(KeyNameTable().size(), 108u);
    std::set<std::string_view> names;
    std::set<std::uint8_t> codes;
    for (const KeyNameRow& row : KeyNameTable()) {
        names.insert(row.name);
        codes.insert(row.code);
        EXPECT_NE(row.code, 0x64);
        EXPECT_NE(row.code, 0x03);  // marks the hundreds steps of a macro
        EXPECT_EQ(KeyNameFromCode(row.code), row.name);
    }
    EXPECT_EQ(names.size(), 108u);
    EXPECT_EQ(codes.size(), 108u);
    // The usages 0x04-0x63 without gaps, then the few beyond.
    for (unsigned code = 0x04; code <= 0x63; ++code) {
        EXPECT_TRUE(codes.count(static_cast<std::uint8_t>(code))) << code;
    }

    ASSERT_EQ(ModifierTable().size(), 8u);
    for (std::size_t i = 0; i < ModifierTable().size(); ++i) {
        EXPECT_EQ(ModifierTable()[i].bit, 1u << i);
        EXPECT_EQ(ModifierNameFromBit(ModifierTable()[i].bit), ModifierTable()[i].name);
    }
}

TEST(KeyCodesTest, CodesWithoutARowHaveNoName)
{
    for (const std::uint8_t code : {0x00, 0x03, 0x64, 0x66, 0xE8, 0xF3, 0xFF}) {
        EXPECT_EQ(KeyNameFromCode(code), "") << int{code};
    }
    for (const std::uint8_t bits : {0x00, 0x03, 0xFF}) {
        EXPECT_EQ(ModifierNameFromBit(bits), "") << int{bits};
    }
}

}  // namespace
}  // namespace zalvane::assign
