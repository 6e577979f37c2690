#include "dialogs/profile_names.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "platform/text_parsing.h"

namespace zalvane::dialogs {
namespace {

std::string FirstFreeNumbered(std::span<const std::string> names, std::string_view prefix, std::int64_t number)
{
    // At most six names are taken, so this ends within seven tries.
    std::string name = std::string(prefix) + std::to_string(number);
    while (ProfileNameTaken(names, name)) {
        name = std::string(prefix) + std::to_string(++number);
    }
    return name;
}

}  // namespace

bool ProfileNameTaken(std::span<const std::string> names, std::string_view name, std::optional<std::size_t> except)
{
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (i != except && names[i] == name) {
            return true;
        }
    }
    return false;
}

std::string NewProfileName(std::span<const std::string> names)
{
    const std::string stemPrefix = std::string(kProfileNameStem) + "_";
    if (names.empty()) {
        return FirstFreeNumbered(names, stemPrefix, 0);
    }
    const std::string& last = names.back();
    const std::size_t underscore = last.find('_');
    if (underscore == std::string::npos) {
        return FirstFreeNumbered(names, last + "_", static_cast<std::int64_t>(names.size()));
    }
    // Held within the int range, the number and the next few never overflow.
    constexpr std::int64_t kLowest = std::numeric_limits<std::int32_t>::min();
    constexpr std::int64_t kHighest = std::numeric_limits<std::int32_t>::max();
    const std::int64_t suffix =
        std::clamp(platform::DecimalValue(std::string_view(last).substr(underscore + 1)), kLowest, kHighest);
    return FirstFreeNumbered(names, stemPrefix, suffix + 1);
}

std::string CopyProfileName(std::span<const std::string> names, std::string_view copyText, std::string_view source)
{
    const std::string base = std::string(copyText) + " " + std::string(source);
    std::string name = base;
    for (int copy = 2; ProfileNameTaken(names, name); ++copy) {
        name = base + " (" + std::to_string(copy) + ")";
    }
    return name;
}

std::optional<std::string> RenamedProfileName(std::span<const std::string> names, std::size_t position,
                                              std::string_view typed)
{
    const auto isBlank = [](char c) { return c == ' ' || c == '\t'; };
    while (!typed.empty() && isBlank(typed.front())) {
        typed.remove_prefix(1);
    }
    while (!typed.empty() && isBlank(typed.back())) {
        typed.remove_suffix(1);
    }
    const bool control = std::any_of(typed.begin(), typed.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte < 0x20 || byte == 0x7F;
    });
    if (control || ProfileNameTaken(names, typed, position)) {
        return std::nullopt;
    }
    return std::string(typed);
}

}  // namespace zalvane::dialogs
