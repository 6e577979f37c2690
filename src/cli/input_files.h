#pragma once
// Input files of zalvane-cli, checked before anything reaches the mouse, and the lines
// that say what is wrong with one.

#include <expected>
#include <string>

#include "settings/profile_files.h"

namespace zalvane::cli {

// One line that names the profile file at `path` and what is wrong with it (for a wrong
// size the size expected and the size found, for an unreadable file the system's reason).
std::string ProfileFileMessage(const std::string& path, const settings::ProfileFileProblem& problem);

// Whether the text file at `path` (a macro file, a text file) exists and can be read;
// otherwise one line saying what is wrong with it.
std::expected<void, std::string> CheckTextFile(const std::string& path);

}  // namespace zalvane::cli
