#pragma once
// A macro as zalvane-cli reads and writes it. The events are the macro file's lines
// ("A   Dn", "120 ms", "A   Up") in a readable form, "A down, 120 ms, A up"; the whole
// macro adds its name and loop count, as text:
//
//     name: Hello
//     loop: 3
//     A down, 120 ms, A up
//
// or as JSON: {"name":"Hello","loop":3,"events":[{"type":"press","key":"A"},
// {"type":"delay","ms":120},{"type":"release","key":"A"}]}. "loop: off" (JSON null) is a
// macro played once. Key names are the key name table's, found without regard to case,
// "-" standing for a blank; a name with a comma or a quote in it is written in quotes
// ("," down).

#include <cstdint>
#include <expected>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zalvane::cli {

struct MacroText {
    std::string name;                  // empty when the text named none
    std::vector<std::string> lines;    // as the macro file keeps them
    std::optional<std::int64_t> loop;  // the loop count in force; nothing: played once
    friend bool operator==(const MacroText&, const MacroText&) = default;
};

// "A down, 120 ms, A up".
std::string EventsText(std::span<const std::string> lines);

// The macro file's lines of "A down, 120 ms, A up" (items separated by commas or line
// ends). Refused, with what is wrong: an unknown key, a delay above the longest a block
// carries or not after an event, more events than a recording holds.
std::expected<std::vector<std::string>, std::string> ParseEvents(std::string_view text);

std::string FormatMacroText(const MacroText& macro);
// One line.
std::string FormatMacroJson(const MacroText& macro);

// A macro in either form: JSON when the text starts with "{".
std::expected<MacroText, std::string> ParseMacro(std::string_view text);

// Whether the lines hold a delay line: the macro then plays the delays it has and no
// other (the record-delays option), else 50 ms between its events.
bool HasDelayLines(std::span<const std::string> lines);

}  // namespace zalvane::cli
