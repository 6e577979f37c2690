#pragma once
// Whole-file reads and all-or-nothing writes. Paths are UTF-8 (so that Chinese file
// names work on Windows too). Nothing here throws but the allocator: a file that cannot
// be read or written is a result, running out of memory is not.

#include <cstddef>
#include <cstdint>
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

// A name of our own beside `target` that nothing has yet, for a file on its way to
// `target`: beside it, the final rename stays on one volume. Empty when none was found.
std::filesystem::path TemporaryPathBeside(const std::filesystem::path& target);

// Replaces the file's content in one step: the bytes go to a temporary file beside it,
// which then takes the file's place. Either the old or the new content remains, never a
// part. False when the folder is missing or not writable.
bool WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes);
// The same; on failure `error` tells why (permission_denied for a read-only file).
bool WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes, std::error_code& error);

}  // namespace zalvane::platform
