#pragma once
// The names of the profile list: what New and Copy call a new profile and what a rename
// may keep. Every name is unique (compared exactly, as the loader compares), so that the
// name saved as current always finds its own profile again.

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace zalvane::dialogs {

// New profiles are called "PROFILE_<n>" in every language.
inline constexpr std::string_view kProfileNameStem = "PROFILE";

// Whether `name` is already in `names` (exact, whole text), not counting position `except`.
bool ProfileNameTaken(std::span<const std::string> names, std::string_view name,
                      std::optional<std::size_t> except = std::nullopt);

// The name New appends. After the last name "X_<k>" (k read as a decimal integer up to
// the first other character, 0 when there is none, held within the int range) it is
// "PROFILE_<k+1>"; after a last name without "_" it is that name, "_" and the number of
// names; an empty list starts with "PROFILE_0". The number goes up until the name is free.
std::string NewProfileName(std::span<const std::string> names);

// The name Copy appends for a copy of `source`: "<copy text> <source>", then with " (2)",
// " (3)", ... until it is free.
std::string CopyProfileName(std::span<const std::string> names, std::string_view copyText, std::string_view source);

// What a rename of position `position` to `typed` keeps: the text without surrounding
// blanks (the list file would drop them). Nothing when it cannot be a name there:
// another position's exact name, or a text with a line break or another control character.
std::optional<std::string> RenamedProfileName(std::span<const std::string> names, std::size_t position,
                                              std::string_view typed);

}  // namespace zalvane::dialogs
