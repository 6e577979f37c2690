#pragma once
// Which text file goes with a profile file, and where an export may put its copy in the
// program folder. In the program folder each profile's pair is "config%d.bin" with
// "str%d.ini", and the factory pair "config.bin" with "str.ini"; any other profile file
// "X.bin" keeps its captions in "X.ini" beside it. An export never writes over the
// program's own data files except the very file the user chose.

#include <optional>
#include <string>
#include <string_view>

#include "settings/program_paths.h"

namespace zalvane::app {

// Whether two paths name the same file: the same file on disk, or, for paths that do not
// both exist, the same text once normalised.
bool SameFile(std::string_view a, std::string_view b);

// "config.bin", "config0.bin" ... "config5.bin", "str.ini", "str0.ini" ... "str5.ini" and
// "record.ini", in letters of either case (on Windows they name the same files).
bool IsProgramDataFileName(std::string_view fileName);

// The text file that goes with the profile file at `profilePath`. Nothing for a file
// name without ".bin".
std::optional<std::string> PairedTextFile(std::string_view profilePath, const settings::ProgramPaths& paths);

// Where an export writes the captions of the profile file at `profilePath`: its paired
// text file, unless that is one of the program's data files in the program folder other
// than the pair's own (the macro file, the profile list, another profile's captions).
std::optional<std::string> ExportTextFile(std::string_view profilePath, const settings::ProgramPaths& paths);

// The copy of an export in the program folder: the chosen file name there. Nothing
// without a program folder, and nothing when the copy or its text file would overwrite
// one of the program's data files, unless the copy is the chosen file itself.
std::optional<std::string> ExportCopyTarget(std::string_view chosenPath, const settings::ProgramPaths& paths);

}  // namespace zalvane::app
