#include "app/profile_file_pairs.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "app/import_export.h"
#include "platform/file_io.h"

namespace zalvane::app {
namespace {

bool EqualIgnoringAsciiCase(std::string_view a, std::string_view b)
{
    return std::ranges::equal(a, b, [](char x, char y) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
        return lower(x) == lower(y);
    });
}

std::string_view FolderOf(std::string_view path)
{
    return path.substr(0, path.size() - settings::FileNameOf(path).size());
}

bool InProgramFolder(std::string_view path, const settings::ProgramPaths& paths)
{
    return paths.folder && SameFile(FolderOf(path), *paths.folder);
}

// The program's own text file for one of its profile files: "str%d.ini" for
// "config%d.bin", "str.ini" for "config.bin".
std::optional<std::string> ProgramPartner(std::string_view profilePath, const settings::ProgramPaths& paths)
{
    if (!paths.folder) {
        return std::nullopt;
    }
    const std::string& folder = *paths.folder;
    if (SameFile(profilePath, folder + std::string(settings::kFactoryProfileFileName))) {
        return folder + std::string(settings::kListFileName);
    }
    for (std::size_t index = 0; index < settings::kProfileSlotCount; ++index) {
        if (SameFile(profilePath, folder + settings::ProfileFileName(index))) {
            return folder + settings::TextFileName(index);
        }
    }
    return std::nullopt;
}

}  // namespace

bool SameFile(std::string_view a, std::string_view b)
{
    const std::filesystem::path first = platform::PathFromUtf8(a);
    const std::filesystem::path second = platform::PathFromUtf8(b);
    if (first.empty() || second.empty()) {
        return false;
    }
    std::error_code error;
    if (std::filesystem::equivalent(first, second, error)) {
        return true;
    }
    return first.lexically_normal() == second.lexically_normal();
}

bool IsProgramDataFileName(std::string_view fileName)
{
    const auto is = [fileName](std::string_view name) { return EqualIgnoringAsciiCase(fileName, name); };
    if (is(settings::kFactoryProfileFileName) || is(settings::kListFileName) || is(settings::kRecordFileName)) {
        return true;
    }
    for (std::size_t index = 0; index < settings::kProfileSlotCount; ++index) {
        if (is(settings::ProfileFileName(index)) || is(settings::TextFileName(index))) {
            return true;
        }
    }
    return false;
}

std::optional<std::string> PairedTextFile(std::string_view profilePath, const settings::ProgramPaths& paths)
{
    if (auto partner = ProgramPartner(profilePath, paths)) {
        return partner;
    }
    return TextFileBeside(profilePath);
}

std::optional<std::string> ExportTextFile(std::string_view profilePath, const settings::ProgramPaths& paths)
{
    if (auto partner = ProgramPartner(profilePath, paths)) {
        return partner;
    }
    auto text = TextFileBeside(profilePath);
    if (text && InProgramFolder(*text, paths) && IsProgramDataFileName(settings::FileNameOf(*text))) {
        return std::nullopt;
    }
    return text;
}

std::optional<std::string> ExportCopyTarget(std::string_view chosenPath, const settings::ProgramPaths& paths)
{
    auto copy = paths.InFolder(settings::FileNameOf(chosenPath));
    if (!copy || SameFile(*copy, chosenPath)) {
        return copy;
    }
    const auto text = TextFileBeside(*copy);
    if (IsProgramDataFileName(settings::FileNameOf(*copy)) ||
        (text && IsProgramDataFileName(settings::FileNameOf(*text)))) {
        return std::nullopt;
    }
    return copy;
}

}  // namespace zalvane::app
