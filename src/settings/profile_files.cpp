#include "settings/profile_files.h"

#include <algorithm>

#include "platform/file_io.h"
#include "settings/profile_list.h"

namespace zalvane::settings {

void RebuildProfilePaths(ProfileFiles& files)
{
    if (files.profileKnown) {
        UseProfilePaths(files.paths, files.profileIndex);
    } else {
        ForgetProfilePaths(files.paths);
    }
}

std::expected<ProfileFileContent, ProfileFileProblem> ReadProfileFile(const std::optional<std::string>& path)
{
    if (!path) {
        return std::unexpected(ProfileFileProblem::Missing());
    }
    const platform::FileBytes file = platform::ReadFileBytes(*path, kProfileFileSize);
    switch (file.status) {
        case platform::FileStatus::kMissing:
            return std::unexpected(ProfileFileProblem::Missing());
        case platform::FileStatus::kUnreadable:
            return std::unexpected(ProfileFileProblem::Unreadable(file.error));
        case platform::FileStatus::kTooLarge:
            return std::unexpected(ProfileFileProblem::WrongSize(file.foundSize));
        case platform::FileStatus::kOk:
            break;
    }
    return ParseProfileFile(file.bytes);
}

std::expected<ProfileFileContent, ProfileFileProblem> ParseProfileFile(std::span<const std::uint8_t> bytes)
{
    if (bytes.size() != kProfileFileSize) {
        return std::unexpected(ProfileFileProblem::WrongSize(bytes.size()));
    }
    ProfileFileContent content;
    content.firstRunFlag = bytes.front();
    std::copy(bytes.begin() + 1, bytes.end(), content.record.bytes.begin());
    return content;
}

std::vector<std::uint8_t> ProfileFileBytes(const ProfileRecord& record)
{
    std::vector<std::uint8_t> bytes;
    bytes.reserve(kProfileFileSize);
    bytes.push_back(kSavedFlag);
    bytes.insert(bytes.end(), record.bytes.begin(), record.bytes.end());
    return bytes;
}

std::expected<void, std::error_code> WriteProfileFileContent(const std::string& path, const ProfileRecord& record)
{
    std::error_code error;
    if (!platform::WriteFileAtomically(path, ProfileFileBytes(record), error)) {
        return std::unexpected(error);
    }
    return {};
}

LoadResult LoadProfile(platform::IniStore& store, platform::MessageBoxPort& messages, ProfileFiles& files,
                       ProfileRecord& record)
{
    files.paths = PathsFromModulePath(files.modulePath);
    if (files.resetMode) {
        UseFactoryPaths(files.paths);
    } else {
        const auto index = ReadCurrentProfileIndex(store, files.paths.listFile, files.profileIndex);
        files.profileKnown = index.has_value();
        if (!index) {
            return {LoadOutcome::kNoProfileList, std::nullopt, std::nullopt};
        }
        files.profileIndex = *index;
        UseProfilePaths(files.paths, files.profileIndex);
    }

    const auto content = ReadProfileFile(files.paths.profileFile);
    if (!content) {
        switch (content.error().kind) {
            case ProfileFileProblem::Kind::kMissing:
                messages.Show({kConfigFileMissingText, {}, files.paths.profileFile.value_or("")});
                return {LoadOutcome::kFileMissing, std::nullopt, content.error()};
            case ProfileFileProblem::Kind::kWrongSize:
                return {LoadOutcome::kWrongSize, std::nullopt, content.error()};
            case ProfileFileProblem::Kind::kUnreadable:
                break;
        }
        return {LoadOutcome::kUnreadable, std::nullopt, content.error()};
    }
    const std::size_t count = files.resetMode ? ProfileRecord::kSettingsSize : ProfileRecord::kSize;
    std::copy_n(content->record.bytes.begin(), count, record.bytes.begin());
    return {LoadOutcome::kLoaded, content->firstRunFlag, std::nullopt};
}

}  // namespace zalvane::settings
