#include "cli/input_files.h"

#include <algorithm>
#include <filesystem>
#include <optional>
#include <system_error>

#include "platform/file_io.h"
#include "platform/portable_ini_store.h"

namespace zalvane::cli {
namespace {

// What is wrong with a file that could not be read whole; nothing for one that could.
std::optional<std::string> ReadProblem(const std::string& path, platform::FileStatus status)
{
    switch (status) {
        case platform::FileStatus::kMissing:
            return path + ": no such file";
        case platform::FileStatus::kUnreadable:
            return path + ": cannot be read (not a readable regular file)";
        case platform::FileStatus::kTooLarge:
        case platform::FileStatus::kOk:
            break;
    }
    return std::nullopt;
}

std::string FoundSize(const std::string& path)
{
    std::error_code error;
    const auto size = std::filesystem::file_size(platform::PathFromUtf8(path), error);
    return error ? std::string("more") : std::to_string(size);
}

}  // namespace

std::expected<ProfileFile, std::string> ReadProfileFile(const std::string& path)
{
    const std::string expected = "expected " + std::to_string(ProfileFile::kSize) + " bytes";
    const platform::FileBytes file = platform::ReadFileBytes(path, ProfileFile::kSize);
    if (auto problem = ReadProblem(path, file.status)) {
        return std::unexpected(*problem);
    }
    if (file.status == platform::FileStatus::kTooLarge) {
        return std::unexpected(path + ": wrong size: " + expected + ", found " + FoundSize(path));
    }
    if (file.bytes.size() != ProfileFile::kSize) {
        return std::unexpected(path + ": wrong size: " + expected + ", found " + std::to_string(file.bytes.size()));
    }
    ProfileFile profile;
    profile.firstRunFlag = file.bytes.front();
    std::copy(file.bytes.begin() + 1, file.bytes.end(), profile.record.bytes.begin());
    return profile;
}

std::expected<void, std::string> CheckTextFile(const std::string& path)
{
    const auto limit = platform::PortableIniStore::kMaxFileSize;
    const platform::FileBytes file = platform::ReadFileBytes(path, limit);
    if (auto problem = ReadProblem(path, file.status)) {
        return std::unexpected(*problem);
    }
    if (file.status == platform::FileStatus::kTooLarge) {
        return std::unexpected(path + ": too large for a text file (" + FoundSize(path) + " bytes, at most " +
                               std::to_string(limit) + ")");
    }
    return {};
}

}  // namespace zalvane::cli
