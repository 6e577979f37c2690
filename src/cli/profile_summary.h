#pragma once
// What `show` prints about a profile file: every setting in words, the nineteen buttons
// with their functions and parameters, as text or as JSON.

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "language/language.h"
#include "settings/profile_record.h"
#include "settings/text_settings.h"

namespace zalvane::cli {

struct ProfileSummaryInput {
    std::string profilePath;
    std::uint8_t firstRunFlag = 0;
    settings::ProfileRecord record;
    language::Language language = language::Language::kEnglish;
    settings::ButtonCaptions captions;    // from the text file beside it
    std::vector<std::string> macroNames;  // of the macro file, in list order
};

void PrintProfileSummary(std::ostream& out, const ProfileSummaryInput& input);
void PrintProfileJson(std::ostream& out, const ProfileSummaryInput& input);

}  // namespace zalvane::cli
