#include "assign/macro_names.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "assign/macro_file.h"
#include "platform/ini_document.h"
#include "platform/text_encoding.h"
#include "platform/text_parsing.h"

namespace zalvane::assign {
namespace {

bool IsControl(char32_t c) { return c < 0x20 || (c >= 0x7F && c <= 0x9F); }

bool HasForbiddenCharacter(std::string_view name)
{
    // Text that is not valid UTF-8 cannot be written back as it was typed.
    if (platform::SanitizeUtf8(name) != name) {
        return true;
    }
    for (std::size_t pos = 0; pos < name.size();) {
        const char32_t c = platform::DecodeUtf8(name, pos);
        if (c == '[' || c == ']' || IsControl(c)) {
            return true;
        }
    }
    return false;
}

}  // namespace

bool MacroNameTaken(std::string_view name, std::span<const std::string> names)
{
    return std::any_of(names.begin(), names.end(),
                       [name](const std::string& other) { return platform::IniNamesEqual(other, name); });
}

MacroNameCheck CheckMacroName(std::string_view typed, std::span<const std::string> otherNames)
{
    MacroNameCheck check{MacroNameProblem::kNone, std::string(platform::Trim(typed))};
    if (check.name.empty()) {
        check.problem = MacroNameProblem::kEmpty;
    } else if (HasForbiddenCharacter(check.name)) {
        check.problem = MacroNameProblem::kForbiddenCharacter;
    } else if (platform::Utf16Length(check.name) > kMaxMacroNameLength) {
        check.problem = MacroNameProblem::kTooLong;
    } else if (MacroNameTaken(check.name, otherNames)) {
        check.problem = MacroNameProblem::kTaken;
    }
    return check;
}

std::string NextMacroName(std::span<const std::string> names, std::string_view stem,
                          std::span<const std::string> alsoTaken)
{
    constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
    auto number = static_cast<std::int64_t>(names.size());
    if (!names.empty()) {
        const std::string& last = names.back();
        if (const std::size_t underscore = last.find('_'); underscore != std::string::npos) {
            const std::int64_t value = platform::DecimalValue(std::string_view(last).substr(underscore + 1));
            number = value < kMax ? value + 1 : 0;
        }
    }
    // Only so many numbers are taken, so this ends.
    for (;;) {
        std::string name = std::string(stem) + "_" + std::to_string(number);
        if (!MacroNameTaken(name, names) && !MacroNameTaken(name, alsoTaken)) {
            return name;
        }
        number = number < kMax ? number + 1 : 0;
    }
}

}  // namespace zalvane::assign
