#pragma once
// The names `set` takes (dpi.3=2400, report-rate=500 ...) and the profile record bytes
// each one writes. A value is taken only when a control of the main window could store
// it: the window's own ranges (pages/panel_rules.h) decide, so that a profile edited here
// is one the window could have made.

#include <cstddef>
#include <cstdint>
#include <expected>
#include <string>
#include <string_view>
#include <vector>

namespace zalvane::cli {

// One record byte and its new value.
struct RecordEdit {
    std::size_t offset = 0;
    std::uint8_t value = 0;
    friend bool operator==(const RecordEdit&, const RecordEdit&) = default;
};

// Why an argument was not taken, and the exit status that says so.
struct Refusal {
    int status = 0;
    std::string message;
};

// A name `set` knows, with the values it takes in words.
struct SettingHelp {
    std::string name;                // "dpi.N", "report-rate" ...
    std::string values;              // "100 to 12000 in steps of 100"
    std::string meaning;             // "DPI of stage N (1-7)"
    std::vector<std::string> words;  // every value, where they are few words: "on", "off"
};
std::vector<SettingHelp> SettingHelpRows();

// Every name `set` takes, stage names spelled out (dpi.1 ... dpi.7, dpi.1.enabled ...),
// with its value words where it has a few.
struct SettingName {
    std::string name;
    std::vector<std::string> words;
};
std::vector<SettingName> SettingNames();

// "NAME=VALUE": the record bytes it writes. An unknown name or an argument without "=" is
// a usage error (status 2); a value the window could not set is refused with status 3 and
// a line that names the value and the values allowed.
std::expected<std::vector<RecordEdit>, Refusal> ParseSetting(std::string_view argument);

}  // namespace zalvane::cli
