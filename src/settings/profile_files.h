#pragma once
// Profile files ("config%d.bin", the factory "config.bin"): a first-run flag byte, then
// the profile record byte for byte; a file of any other size is ignored. The loader
// finds the current profile through the profile list and fills the profile record.

#include <cstddef>
#include <cstdint>
#include <expected>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "platform/ini_store.h"
#include "platform/message_box.h"
#include "settings/profile_record.h"
#include "settings/program_paths.h"

namespace zalvane::settings {

inline constexpr std::size_t kProfileFileSize = 1 + ProfileRecord::kSize;  // 2855
// 0 in a file this program never saved; every save writes 1.
inline constexpr std::uint8_t kSavedFlag = 1;

inline constexpr std::string_view kConfigFileMissingText = "Config file is not exist.";

// Which profile is current and where its files are, as the loader and the flows keep it.
struct ProfileFiles {
    std::string modulePath;  // the executable's path
    ProgramPaths paths;
    std::uint8_t profileIndex = 0;  // 0-5, the current profile's place in the list
    bool resetMode = false;         // on only while a Reset loads the factory profile
    // Off after a load that found no valid profile list: the current profile is then
    // unknown, and rebuilding the paths names no file until a list is read or written.
    bool profileKnown = true;
};

// The profile file and text file of the current profile index, when it is known.
void RebuildProfilePaths(ProfileFiles& files);

struct ProfileFileContent {
    std::uint8_t firstRunFlag = 0;
    ProfileRecord record;
};

// Why a profile file was not read, with what a message needs to say so.
struct ProfileFileProblem {
    enum class Kind { kMissing, kWrongSize, kUnreadable };
    Kind kind = Kind::kMissing;
    std::size_t expectedSize = kProfileFileSize;
    std::uintmax_t foundSize = 0;  // kWrongSize
    std::error_code reason;        // kUnreadable: the system's reason, when it gave one

    static ProfileFileProblem Missing() { return {Kind::kMissing, kProfileFileSize, 0, {}}; }
    static ProfileFileProblem WrongSize(std::uintmax_t found)
    {
        return {Kind::kWrongSize, kProfileFileSize, found, {}};
    }
    static ProfileFileProblem Unreadable(std::error_code why) { return {Kind::kUnreadable, kProfileFileSize, 0, why}; }
};

// A profile file's bytes; any size but kProfileFileSize is a wrong size.
std::expected<ProfileFileContent, ProfileFileProblem> ParseProfileFile(std::span<const std::uint8_t> bytes);

// The file at `path`; a path that names no file is missing.
std::expected<ProfileFileContent, ProfileFileProblem> ReadProfileFile(const std::optional<std::string>& path);

// What a save writes: the saved flag, then `record`.
std::vector<std::uint8_t> ProfileFileBytes(const ProfileRecord& record);

// Replaces the file at `path` with the saved flag and `record`, in one step: a failed
// write leaves the old file as it was. On failure, the system's reason.
std::expected<void, std::error_code> WriteProfileFileContent(const std::string& path, const ProfileRecord& record);

enum class LoadOutcome {
    kLoaded,
    kNoProfileList,  // no valid profile list: nothing loaded, nothing shown
    kFileMissing,    // "Config file is not exist." was shown
    kWrongSize,      // ignored silently
    kUnreadable,     // there, but could not be read; ignored like a wrong size
};

struct LoadResult {
    LoadOutcome outcome = LoadOutcome::kNoProfileList;
    // The file's first-run flag, when a file was read: 0 asks the main page for the
    // first-run captions.
    std::optional<std::uint8_t> firstRunFlag;
    // kFileMissing, kWrongSize, kUnreadable: what was wrong with the profile file.
    std::optional<ProfileFileProblem> problem;
};

// Load profile: rebuilds every path from the module path and fills `record` from the
// current profile file, only its first 422 bytes in reset mode (the macros stay). In
// reset mode the factory pair is read and the profile list is not consulted.
LoadResult LoadProfile(platform::IniStore& store, platform::MessageBoxPort& messages, ProfileFiles& files,
                       ProfileRecord& record);

}  // namespace zalvane::settings
