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
    if (content)
        batch.Replace(target, std::move(*content));
    else
        batch.Remove(target);
}

std::expected<void, platform::FileFailure> PlanPair(platform::FileBatch& batch, const settings::ProgramPaths& paths,
                                                    std::size_t position, FilesSource source)
{
    const std::string profileSource = source ? *paths.InFolder(settings::ProfileFileName(*source))
                                             : *paths.InFolder(settings::kFactoryProfileFileName);
    const std::string textSource =
        source ? *paths.InFolder(settings::TextFileName(*source)) : *paths.InFolder(settings::kListFileName);
    auto profile = ReadSource(profileSource);
    if (!profile)
        return std::unexpected(profile.error());
    auto text = ReadSource(textSource);
    if (!text)
        return std::unexpected(text.error());
    if (!source && *text)
        *text = WithoutProfileList(**text);
    Plan(batch, *paths.InFolder(settings::ProfileFileName(position)), std::move(*profile));
    Plan(batch, *paths.InFolder(settings::TextFileName(position)), std::move(*text));
    return {};
}

}  // namespace

std::expected<void, platform::FileFailure> CommitProfileList(platform::IniStore& store, settings::ProfileFiles& files,
                                                             const ProfileListCommit& commit)
{
    const settings::ProgramPaths& paths = files.paths;
    if (!paths.folder || !paths.listFile)
        return Failed(paths.listFile.value_or(""), std::errc::no_such_file_or_directory);
    if (commit.sources.size() != commit.names.size() || commit.names.size() > settings::kProfileSlotCount)
        return Failed(*paths.listFile, std::errc::invalid_argument);

    platform::FileBatch batch;
    for (std::size_t position = 0; position < commit.names.size(); ++position) {
        if (commit.sources[position] == position)
            continue;
        if (auto planned = PlanPair(batch, paths, position, commit.sources[position]); !planned)
            return planned;
    }
    // Kept to put the list back should it be written only in part.
    const platform::FileBytes listBefore = platform::ReadFileBytes(*paths.listFile, kMaxDataFileSize);
    if (listBefore.status != platform::FileStatus::kOk)
        return Failed(*paths.listFile, listBefore.status == platform::FileStatus::kMissing
                                           ? std::errc::no_such_file_or_directory
                                           : std::errc::io_error);
    if (auto applied = batch.Apply(); !applied)
        return applied;

    const std::uint8_t indexBefore = files.profileIndex;
    const bool knownBefore = files.profileKnown;
    if (!settings::WriteProfileList(store, files, commit.names, commit.current)) {
        batch.RollBack();
        (void)platform::WriteFileAtomically(*paths.listFile, listBefore.bytes);
        files.profileIndex = indexBefore;
        files.profileKnown = knownBefore;
        return Failed(*paths.listFile, std::errc::io_error);
    }
    batch.Keep();
    return {};
}

}  // namespace zalvane::dialogs
