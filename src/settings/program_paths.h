#pragma once
// Where the data files lie: beside the executable. Each file's path is the executable's
// path with its file name "Zalvane.exe" replaced by the data file's name. Only an
// executable of exactly that name has a program folder; a renamed one finds none of its
// files and writes none.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace zalvane::settings {

inline constexpr std::string_view kExecutableName = "Zalvane.exe";
inline constexpr std::string_view kFactoryProfileFileName = "config.bin";
// The factory text file, which also keeps the profile list.
inline constexpr std::string_view kListFileName = "str.ini";
inline constexpr std::string_view kRecordFileName = "record.ini";
// Profile indexes 0-5, each with its pair of files; the list names at most this many.
inline constexpr std::size_t kProfileSlotCount = 6;

// "config%d.bin" and "str%d.ini" of profile index `index`.
std::string ProfileFileName(std::size_t index);
std::string TextFileName(std::size_t index);

// The module path up to and with the separator before its last component, when that
// component is exactly "Zalvane.exe" (case-sensitive); nothing otherwise. Both '/' and
// '\' separate components.
std::optional<std::string> ProgramFolderOf(std::string_view modulePath);

// The data files' paths. A path that holds nothing names no file: reading it finds
// nothing and nothing is ever written for it.
struct ProgramPaths {
    std::optional<std::string> folder;  // ends with its separator
    std::optional<std::string> recordFile;
    std::optional<std::string> listFile;
    std::optional<std::string> profileFile;
    std::optional<std::string> textFile;

    // `fileName` in the program folder; nothing without a program folder.
    std::optional<std::string> InFolder(std::string_view fileName) const;
};

// What a load starts from: the folder, the macro file and the list file. The profile
// and text file name nothing until a profile is chosen.
ProgramPaths PathsFromModulePath(std::string_view modulePath);

// The profile file and text file of profile index `index`.
void UseProfilePaths(ProgramPaths& paths, std::size_t index);

// The factory pair "config.bin" and "str.ini", which a Reset reads.
void UseFactoryPaths(ProgramPaths& paths);

// No profile file and no text file, as after a load that found no valid profile list.
void ForgetProfilePaths(ProgramPaths& paths);

// The last component of `path` ('/' and '\' separate components).
std::string_view FileNameOf(std::string_view path);

}  // namespace zalvane::settings
