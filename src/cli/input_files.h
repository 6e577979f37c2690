#pragma once
// Input files of zalvane-cli, checked before anything reaches the mouse.

#include <cstdint>
#include <expected>
#include <string>

#include "settings/profile_record.h"

namespace zalvane::cli {

// A profile file: the first-run flag byte, then the profile record.
struct ProfileFile {
    static constexpr std::size_t kSize = 1 + settings::ProfileRecord::kSize;  // 2855

    std::uint8_t firstRunFlag = 0;
    settings::ProfileRecord record;
};

// The profile file at `path`, or one line saying what is wrong with it (its path, and
// for a wrong size the size expected and the size found).
std::expected<ProfileFile, std::string> ReadProfileFile(const std::string& path);

// Whether the text file at `path` (a macro file, a text file) exists and can be read;
// otherwise one line saying what is wrong with it.
std::expected<void, std::string> CheckTextFile(const std::string& path);

}  // namespace zalvane::cli
