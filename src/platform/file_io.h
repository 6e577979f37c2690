#pragma once
// Whole-file reads and all-or-nothing writes. Paths are UTF-8 (so that Chinese file
// names work on Windows too). Nothing here throws but the allocator: a file that cannot
// be read or written is a result, running out of memory is not.

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <expected>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace zalvane::platform {

// The path for a UTF-8 path text (converted to the system's wide form on Windows).
std::filesystem::path PathFromUtf8(std::string_view utf8);
std::string PathToUtf8(const std::filesystem::path& path);

enum class FileStatus { kOk, kMissing, kTooLarge, kUnreadable };

struct FileBytes {
    FileStatus status = FileStatus::kMissing;
    std::vector<std::uint8_t> bytes;
    // kTooLarge: the size found (at least the bytes read before it grew past the limit).
    std::uintmax_t foundSize = 0;
    // kUnreadable: the system's reason, when it gave one.
    std::error_code error;
};

// The whole file, when it exists, is a regular file and holds at most `maxSize` bytes.
FileBytes ReadFileBytes(const std::string& path, std::size_t maxSize);

// Whether anything (a file or a folder) is at `path`.
bool PathExists(const std::string& path);

// The reason a write refuses a target that exists but is no regular file: a device, a
// pipe, a socket ("not a regular file"). A folder gives is_a_directory.
std::error_code NotRegularFileError();

// Where a write to `path` lands: the path itself, or for a symbolic link the file it leads
// to in the end (a write follows the link and leaves it a link). Refused with the reason:
// a folder, a device, a pipe or a socket; a link that leads to none of ours (nothing, or a
// loop); a read-only file; a path that names no file.
std::expected<std::filesystem::path, std::error_code> WriteTarget(const std::string& path);

// A name of our own beside `target` that nothing has yet, for a file on its way to
// `target`: beside it, the final rename stays on one volume. Its name is the target's
// followed by ".~" and ends with ".tmp". Empty when none was found.
std::filesystem::path TemporaryPathBeside(const std::filesystem::path& target);

// A write takes well under a second; a temporary nobody has written to for this long was
// left by a write that never ended (the process was killed, the power went).
inline constexpr std::chrono::seconds kLeftTemporaryAge{5};

// Removes the temporaries of `target` (TemporaryPathBeside) that are older than
// kLeftTemporaryAge. Every write of a file does this first, so that what an interrupted
// write left does not outlive the next one. Returns how many went.
std::size_t RemoveLeftTemporaries(const std::filesystem::path& target);
// The same for every file of `folder`: the program does this when it starts.
std::size_t RemoveLeftTemporariesIn(const std::filesystem::path& folder);

// Replaces the file's content in one step: the bytes go to a temporary file beside it,
// which then takes the file's place. Either the old or the new content remains, never a
// part. False when the folder is missing or not writable, and for every target that
// WriteTarget refuses.
bool WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes);
// The same; on failure `error` tells why (permission_denied for a read-only file).
bool WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes, std::error_code& error);

}  // namespace zalvane::platform
