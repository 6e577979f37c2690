#include "assign/macro_names.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zalvane::assign {
namespace {

TEST(MacroNamesTest, NamesMustStandInTheFileAndStandApart)
{
    const std::vector<std::string> others = {"Macro_0", "Fire", "宏_1", "Ärger"};
    const struct {
        std::string_view typed;
        MacroNameProblem problem;
        std::string_view name;
    } cases[] = {
        {"  Jump  ", MacroNameProblem::kNone, "Jump"},
        {"宏_2", MacroNameProblem::kNone, "宏_2"},
        {"a b", MacroNameProblem::kNone, "a b"},
        {"12345678901234567890123456789012", MacroNameProblem::kNone, ""},
        {"123456789012345678901234567890123", MacroNameProblem::kTooLong, ""},
        // 32 characters of Chinese are 32 UTF-16 units; an emoji takes two.
        {"宏宏宏宏宏宏宏宏宏宏宏宏宏宏宏宏宏宏宏宏宏宏宏宏宏宏宏宏宏宏宏宏", MacroNameProblem::kNone, ""},
        {"宏宏宏宏宏宏宏宏宏宏宏宏宏宏宏宏宏宏宏宏宏宏宏宏宏宏宏宏宏宏宏😀", MacroNameProblem::kTooLong, ""},
        {"", MacroNameProblem::kEmpty, ""},
        {" \t ", MacroNameProblem::kEmpty, ""},
        {"[x", MacroNameProblem::kForbiddenCharacter, ""},
        {"x]", MacroNameProblem::kForbiddenCharacter, ""},
        {"a\tb", MacroNameProblem::kForbiddenCharacter, ""},
        {"a\nb", MacroNameProblem::kForbiddenCharacter, ""},
        {std::string_view("a\0b", 3), MacroNameProblem::kForbiddenCharacter, ""},
        {"a\xC2\x85", MacroNameProblem::kForbiddenCharacter, ""},  // NEL, a C1 control
        {"a\xFF", MacroNameProblem::kForbiddenCharacter, ""},      // not UTF-8
        {"FIRE", MacroNameProblem::kTaken, ""},
        {" macro_0", MacroNameProblem::kTaken, ""},
        {"ärger", MacroNameProblem::kTaken, ""},
    };
    for (const auto& c : cases) {
        const MacroNameCheck check = CheckMacroName(c.typed, others);
        EXPECT_EQ(check.problem, c.problem) << c.typed;
        if (!c.name.empty()) {
            EXPECT_EQ(check.name, c.name) << c.typed;
        }
    }
}

TEST(MacroNamesTest, NewNamesFollowTheLastAndRiseUntilFree)
{
    const struct {
        std::vector<std::string> names;
        std::string_view stem;
        std::string_view name;
    } cases[] = {
        {{}, "Macro", "Macro_0"},
        {{"Macro_9"}, "Macro", "Macro_10"},
        {{"Macro_0", "Fire"}, "Macro", "Macro_2"},  // no "_": the count
        {{"Macro_4", "Macro_5", "Macro_3"}, "Macro", "Macro_6"},
        {{"Macro_2", "Jump"}, "Macro", "Macro_3"},  // the count is taken: it rises
        {{"MACRO_1", "x_0"}, "Macro", "Macro_2"},   // taken without regard to case
        {{"宏_1"}, "宏", "宏_2"},
        {{"a_b_7"}, "Macro", "Macro_1"},                       // the text after the first "_"
        {{"Macro_99999999999999999999"}, "Macro", "Macro_0"},  // no number past the largest
    };
    for (const auto& c : cases) {
        EXPECT_EQ(NextMacroName(c.names, c.stem), c.name) << c.name;
    }

    // A section the list does not show is not free either.
    const std::vector<std::string> names = {"Macro_0"};
    const std::vector<std::string> inFile = {"Macro_0", "macro_1"};
    EXPECT_EQ(NextMacroName(names, "Macro", inFile), "Macro_2");
}

}  // namespace
}  // namespace zalvane::assign
