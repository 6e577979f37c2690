#include "dialogs/profile_slots.h"

#include <cstdint>
#include <vector>

#include "platform/file_io.h"
#include "platform/ini_document.h"
#include "settings/profile_list.h"

namespace zalvane::dialogs {
namespace {

using Bytes = std::vector<std::uint8_t>;

// The data files are a few kilobytes; anything larger is not one of them.
constexpr std::size_t kMaxDataFileSize = 1u << 20;

std::unexpected<platform::FileFailure> Failed(const std::string& path, std::errc why)
{
    return std::unexpected(platform::FileFailure{path, std::make_error_code(why)});
}

// A file's bytes; nothing when there is no such file.
std::expected<std::optional<Bytes>, platform::FileFailure> ReadSource(const std::string& path)
{
    platform::FileBytes file = platform::ReadFileBytes(path, kMaxDataFileSize);
    switch (file.status) {
        case platform::FileStatus::kOk:
            return std::move(file.bytes);
        case platform::FileStatus::kMissing:
            return std::nullopt;
        case platform::FileStatus::kTooLarge:
            return Failed(path, std::errc::file_too_large);
        case platform::FileStatus::kUnreadable:
            break;
    }
    return Failed(path, std::errc::io_error);
}

// The factory text file is also the list file: a new profile gets it without the list.
Bytes WithoutProfileList(const Bytes& listFile)
{
    platform::IniDocument document = platform::IniDocument::Parse(listFile);
    document.RemoveSection(settings::kProfileSection);
    return document.Serialize();
}

// Plans `target` to hold `content`, or no file when there is none.
void Plan(platform::FileBatch& batch, const std::string& target, std::optional<Bytes> content)
{
    if (content) {
        batch.Replace(target, std::move(*content));
    } else {
        batch.Remove(target);
    }
}

// `folder` is the program folder, with its separator at the end.
std::expected<void, platform::FileFailure> PlanPair(platform::FileBatch& batch, const std::string& folder,
                                                    std::size_t position, FilesSource source)
{
    const std::string profileSource =
        folder + (source ? settings::ProfileFileName(*source) : std::string(settings::kFactoryProfileFileName));
    const std::string textSource =
        folder + (source ? settings::TextFileName(*source) : std::string(settings::kListFileName));
    auto profile = ReadSource(profileSource);
    if (!profile) {
        return std::unexpected(profile.error());
    }
    auto text = ReadSource(textSource);
    if (!text) {
        return std::unexpected(text.error());
    }
    std::optional<Bytes> textBytes = std::move(*text);
    if (!source && textBytes) {
        textBytes = WithoutProfileList(*textBytes);
    }
    Plan(batch, folder + settings::ProfileFileName(position), std::move(*profile));
    Plan(batch, folder + settings::TextFileName(position), std::move(textBytes));
    return {};
}

}  // namespace

std::expected<void, platform::FileFailure> CommitProfileList(platform::IniStore& store, settings::ProfileFiles& files,
                                                             const ProfileListCommit& commit)
{
    if (!files.paths.folder || !files.paths.listFile) {
        return Failed(files.paths.listFile.value_or(""), std::errc::no_such_file_or_directory);
    }
    const std::string folder = *files.paths.folder;
    const std::string listFile = *files.paths.listFile;
    if (commit.sources.size() != commit.names.size() || commit.names.size() > settings::kProfileSlotCount) {
        return Failed(listFile, std::errc::invalid_argument);
    }

    platform::FileBatch batch;
    for (std::size_t position = 0; position < commit.names.size(); ++position) {
        if (commit.sources[position] == position) {
            continue;
        }
        if (auto planned = PlanPair(batch, folder, position, commit.sources[position]); !planned) {
            return planned;
        }
    }
    // Kept to put the list back should it be written only in part.
    const platform::FileBytes listBefore = platform::ReadFileBytes(listFile, kMaxDataFileSize);
    if (listBefore.status != platform::FileStatus::kOk) {
        return Failed(listFile, listBefore.status == platform::FileStatus::kMissing
                                    ? std::errc::no_such_file_or_directory
                                    : std::errc::io_error);
    }
    if (auto applied = batch.Apply(); !applied) {
        return applied;
    }

    const std::uint8_t indexBefore = files.profileIndex;
    const bool knownBefore = files.profileKnown;
    if (!settings::WriteProfileList(store, files, commit.names, commit.current)) {
        batch.RollBack();
        (void)platform::WriteFileAtomically(listFile, listBefore.bytes);
        files.profileIndex = indexBefore;
        files.profileKnown = knownBefore;
        return Failed(listFile, std::errc::io_error);
    }
    batch.Keep();
    return {};
}

}  // namespace zalvane::dialogs
