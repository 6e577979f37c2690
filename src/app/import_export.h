#pragma once
// Import and export of profile files, asked for by the profile dialog. A profile travels
// as a ".bin" profile file with its text file beside it: the same name with ".ini".
// Import only changes the profile record and the text settings (the save flow takes
// them to the mouse); export writes the chosen files and copies them into the program
// folder.

#include <optional>
#include <string>
#include <string_view>

#include "app/app_state.h"

namespace zalvane::app {

inline constexpr std::string_view kProfileExtension = ".bin";
inline constexpr std::string_view kTextExtension = ".ini";

// The text file beside a profile file: the last ".bin" of the file name (never of a
// folder name) becomes ".ini". Nothing when the file name holds no ".bin".
std::optional<std::string> TextFileBeside(std::string_view profilePath);

enum class ImportOutcome {
    kCancelled,
    kNotProfileFile,  // the chosen file name holds no ".bin": nothing more happens
    kMissing,         // "Config file is not exist." was shown
    kWrongSize,       // record unchanged; the text file was still read
    kUnreadable,      // as a wrong size
    kImported,
};

struct ImportResult {
    ImportOutcome outcome = ImportOutcome::kCancelled;
    // kMissing, kWrongSize, kUnreadable: what was wrong with the chosen file.
    std::optional<settings::ProfileFileProblem> problem;
};

// Import: the chosen profile file into the record, the text file beside it into the
// text settings, then the current profile's paths are rebuilt. Nothing is written.
ImportResult RunImportFlow(AppState& state, FlowPorts& ports);

enum class ExportOutcome {
    kCancelled,
    kFailed,  // the error box was shown; the export stopped there
    kExported,
};

struct ExportResult {
    ExportOutcome outcome = ExportOutcome::kCancelled;
    std::string profilePath;  // as written, ".bin" appended when the name had none
    // Captions never go into the program's macro file: an export named "record" writes
    // its profile file without the text file beside it.
    bool textFileSkipped = false;
    bool copiedToProgramFolder = false;
};

// Export: the captions and the profile record (saved flag 1) to the chosen path, then the
// same pair into the program folder under the chosen file name; afterwards the paths
// name those copies.
ExportResult RunExportFlow(AppState& state, FlowPorts& ports);

}  // namespace zalvane::app
