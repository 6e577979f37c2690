#pragma once
// Files follow names. Each profile name owns the pair of its list position,
// "config%d.bin" and "str%d.ini". When positions change (a Delete moves later names up,
// New and Copy append names), the pairs are rearranged so that every name keeps its own
// settings: a name that moved takes its files along, a copy takes its source's, a new
// name the factory pair ("config.bin", and "str.ini" without its profile list). The files
// and the list are written as one: after a failure both are as they were.

#include <cstddef>
#include <expected>
#include <optional>
#include <span>
#include <string>

#include "platform/file_batch.h"
#include "platform/ini_store.h"
#include "settings/profile_files.h"

namespace zalvane::dialogs {

// Where the settings of a list position come from: the pair of that slot, or the
// factory pair when nothing.
using FilesSource = std::optional<std::size_t>;

struct ProfileListCommit {
    std::span<const std::string> names;
    std::span<const FilesSource> sources;  // one per name
    std::size_t current = 0;               // the position written as the current profile
};

// Rewrites the pair of every position whose source is another slot or the factory pair
// (a source file that does not exist leaves no file at the position either), then writes
// the profile list with WriteProfileList, which makes `current` the profile index. On
// failure, the file that could not be read or written; the pairs, the list and the
// profile index are then as they were.
std::expected<void, platform::FileFailure> CommitProfileList(platform::IniStore& store, settings::ProfileFiles& files,
                                                             const ProfileListCommit& commit);

}  // namespace zalvane::dialogs
