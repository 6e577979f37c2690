#include "settings/program_paths.h"

namespace zalvane::settings {
namespace {

constexpr std::string_view kSeparators = "/\\";

}  // namespace

std::string ProfileFileName(std::size_t index) { return "config" + std::to_string(index) + ".bin"; }

std::string TextFileName(std::size_t index) { return "str" + std::to_string(index) + ".ini"; }

std::string_view FileNameOf(std::string_view path)
{
    const std::size_t separator = path.find_last_of(kSeparators);
    return separator == std::string_view::npos ? path : path.substr(separator + 1);
}

std::optional<std::string> ProgramFolderOf(std::string_view modulePath)
{
    if (FileNameOf(modulePath) != kExecutableName) {
        return std::nullopt;
    }
    return std::string(modulePath.substr(0, modulePath.size() - kExecutableName.size()));
}

std::optional<std::string> ProgramPaths::InFolder(std::string_view fileName) const
{
    if (!folder) {
        return std::nullopt;
    }
    return *folder + std::string(fileName);
}

ProgramPaths PathsFromModulePath(std::string_view modulePath)
{
    ProgramPaths paths;
    paths.folder = ProgramFolderOf(modulePath);
    paths.recordFile = paths.InFolder(kRecordFileName);
    paths.listFile = paths.InFolder(kListFileName);
    return paths;
}

void UseProfilePaths(ProgramPaths& paths, std::size_t index)
{
    paths.profileFile = paths.InFolder(ProfileFileName(index));
    paths.textFile = paths.InFolder(TextFileName(index));
}

void UseFactoryPaths(ProgramPaths& paths)
{
    paths.profileFile = paths.InFolder(kFactoryProfileFileName);
    paths.textFile = paths.InFolder(kListFileName);
}

void ForgetProfilePaths(ProgramPaths& paths)
{
    paths.profileFile.reset();
    paths.textFile.reset();
}

}  // namespace zalvane::settings
