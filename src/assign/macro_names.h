#pragma once
// The names of macros: a name is a section name of the macro file and the text a button
// caption shows after "Macro Key-", so it must stand on one line of that file and tell
// itself apart from every other macro the way the file compares names.

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

namespace zalvane::assign {

// In UTF-16 code units, as the system's edit control counts.
inline constexpr std::size_t kMaxMacroNameLength = 32;

enum class MacroNameProblem { kNone, kEmpty, kTooLong, kForbiddenCharacter, kTaken };

struct MacroNameCheck {
    MacroNameProblem problem = MacroNameProblem::kNone;
    std::string name;  // the typed text without the blanks around it
};

// A typed name, trimmed of blanks, must hold 1-32 characters, no "[", "]" or control
// character, and differ, without regard to case, from each of `otherNames`.
MacroNameCheck CheckMacroName(std::string_view typed, std::span<const std::string> otherNames);

// Whether `name` equals one of `names` without regard to case.
bool MacroNameTaken(std::string_view name, std::span<const std::string> names);

// The name New gives: `stem` + "_" + a number. The number follows the one after the first
// "_" of the last name, or is the count of names when the last name has none (or there
// is no name), and rises until the name is free of `names` and `alsoTaken`.
std::string NextMacroName(std::span<const std::string> names, std::string_view stem,
                          std::span<const std::string> alsoTaken = {});

}  // namespace zalvane::assign
