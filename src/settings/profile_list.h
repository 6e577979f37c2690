#pragma once
// The list of named profiles: section "Profile" of the list file ("str.ini"). A name's
// position in the list is the profile index that picks "config%d.bin" and "str%d.ini".
// The profile dialog reads and writes the list; the loader reads which profile is
// current.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ini_store.h"
#include "settings/profile_files.h"

namespace zalvane::settings {

inline constexpr std::string_view kProfileSection = "Profile";
inline constexpr std::string_view kCurrentProfileKey = "CurProfileName";
inline constexpr std::string_view kProfileCountKey = "ItemCount";
// A count outside 1 to kProfileSlotCount makes every reader ignore the whole list.

// "Item%d" of list position `position`.
std::string ProfileItemKey(std::size_t position);

// "ItemCount" when it is 1-6.
std::optional<std::size_t> ReadProfileCount(platform::IniStore& store, const std::string& listPath);

struct ProfileList {
    std::vector<std::string> names;
    std::optional<std::size_t> selected;  // the current profile's position
};

// The position the dialog selects for the current name: the first name that begins
// with `current`, compared without regard to case, searching from the second name
// onward and wrapping around to the first.
std::optional<std::size_t> FindListedProfile(std::span<const std::string> names, std::string_view current);

// The position the dialog selects when it opens: the last name equal to `current`
// (exactly, as the loader finds the current profile), else FindListedProfile's. An empty
// current name selects nothing: every name begins with it.
std::optional<std::size_t> SelectCurrentProfile(std::span<const std::string> names, std::string_view current);

// The list as the profile dialog shows it: empty for a missing file or an invalid
// count; the selection found by SelectCurrentProfile.
ProfileList ReadProfileListForDialog(platform::IniStore& store, const std::optional<std::string>& listPath);

// The current profile index as the loader finds it: the last name equal (exactly, whole
// text) to "CurProfileName", or `previous` when none is. Nothing when the list has no
// valid count: the loader then loads nothing.
std::optional<std::uint8_t> ReadCurrentProfileIndex(platform::IniStore& store,
                                                    const std::optional<std::string>& listPath, std::uint8_t previous);

// Writes the list as the profile dialog leaves it, only into an existing list file: the
// section is replaced by "CurProfileName" (the name at `selected`, the first one when
// nothing or nothing valid is selected), "ItemCount" and the names. The current name's
// position becomes the profile index. An empty list leaves "CurProfileName" empty and
// nothing else. False, with nothing changed, for a missing file or more than six names;
// false too when the store failed part-way.
bool WriteProfileList(platform::IniStore& store, ProfileFiles& files, std::span<const std::string> names,
                      std::optional<std::size_t> selected);

}  // namespace zalvane::settings
