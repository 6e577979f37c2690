#pragma once
// One private-profile file in memory: its lines as they were read, so that a write
// changes only the line it must and every other byte of the file stays as it was
// (comments, blank lines, lines without '=', text before the first section, odd line
// ends). Reads UTF-16 (LE or BE, with byte order mark) and UTF-8 (with or without one)
// and writes back in the file's own encoding.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ini_store.h"

namespace zalvane::platform {

enum class TextFileEncoding { kUtf8, kUtf8Bom, kUtf16Le, kUtf16Be };

// Section and key names compare like this: blanks around them do not count, letters of
// the Latin, Greek and Cyrillic alphabets match either case, and a name ends at a NUL.
bool IniNamesEqual(std::string_view a, std::string_view b);

// Lower case for the alphabets that have case and that names are likely to use (Latin,
// Greek, Cyrillic); every other character stands for itself.
char32_t FoldCase(char32_t c);

class IniDocument {
public:
    // Never fails: undecodable bytes become U+FFFD, an odd last byte of UTF-16 is dropped.
    // An empty file counts as a new one (UTF-16LE).
    static IniDocument Parse(std::span<const std::uint8_t> bytes);

    TextFileEncoding Encoding() const { return m_encoding; }
    std::vector<std::uint8_t> Serialize() const;

    // The value of `key` in the first section called `section`, blanks around it removed
    // (quotes kept). Later sections of the same name are never consulted.
    std::optional<std::string_view> Find(std::string_view section, std::string_view key) const;

    // Every non-empty section name in file order (a repeated section is listed again).
    std::vector<std::string> SectionNames() const;

    // Changes the value in place, or adds the key at the end of the first section of that
    // name, or adds the section at the end of the file. Names and value must be valid
    // line content (see the store); returns whether the document changed.
    bool Set(std::string_view section, std::string_view key, std::string_view value);

    // Removes every section of that name with all its lines; whether any was there.
    bool RemoveSection(std::string_view section);

    // Makes the first section of that name hold exactly `entries` in this order, where it
    // stands; the blank lines that end it stay. A missing section is added at the end
    // (not when `entries` is empty). Returns whether the document changed.
    bool ReplaceSection(std::string_view section, std::span<const IniEntry> entries);

    // Renames the first section called `from` where it stands, its lines untouched. False,
    // with nothing changed, when there is none or another section is called `to`.
    bool RenameSection(std::string_view from, std::string_view to);

private:
    enum class Ending { kNone, kLf, kCr, kCrLf };
    enum class Kind { kOther, kSection, kKey };

    struct Line {
        std::string text;  // UTF-8, without the line end
        Ending ending = Ending::kCrLf;
        std::string raw;  // the bytes as read, line end included; empty once changed
        Kind kind = Kind::kOther;
        std::string name;   // section or key name, trimmed, cut at a NUL
        std::string value;  // key lines: the trimmed value
    };

    struct LineSpan {
        std::size_t begin, textEnd, end;  // in units of the file's encoding
        Ending ending;
    };

    template <typename UnitAt>
    static std::vector<LineSpan> SplitLines(std::size_t count, UnitAt unitAt);
    static Line MakeLine(std::string text, Ending ending, std::string raw);
    std::size_t SectionEnd(std::size_t header) const;
    std::optional<std::size_t> FindSection(std::string_view section) const;
    static Line HeaderLine(std::string_view section, Ending ending);
    void EndLastLine(std::size_t index);
    std::string Encode(std::string_view text) const;

    TextFileEncoding m_encoding = TextFileEncoding::kUtf16Le;
    std::vector<Line> m_lines;
};

}  // namespace zalvane::platform
