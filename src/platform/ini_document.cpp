#include "platform/ini_document.h"

#include <algorithm>
#include <iterator>

#include "platform/text_encoding.h"
#include "platform/text_parsing.h"

namespace zalvane::platform {
namespace {

std::string_view CutAtNul(std::string_view text) { return text.substr(0, text.find('\0')); }

std::string_view NameOf(std::string_view text) { return Trim(CutAtNul(Trim(text))); }

}  // namespace

char32_t FoldCase(char32_t c)
{
    if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7) || (c >= 0x391 && c <= 0x3A9 && c != 0x3A2) ||
        (c >= 0x410 && c <= 0x42F)) {
        return c + 0x20;
    }
    if (c >= 0x400 && c <= 0x40F) {
        return c + 0x50;
    }
    // Latin Extended-A pairs capital and small letters side by side.
    if ((c >= 0x100 && c <= 0x137) || (c >= 0x14A && c <= 0x177)) {
        return c | 1;
    }
    if ((c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E)) {
        return (c & 1) ? c + 1 : c;
    }
    if (c == 0x178) {
        return 0xFF;
    }
    return c;
}

namespace {

// Names already cut at a NUL and trimmed (as every line's name is), compared without
// regard to case. Lookups normalise the wanted name once, not once per line.
bool NormalNamesEqual(std::string_view a, std::string_view b)
{
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < a.size() && j < b.size()) {
        const auto byteA = static_cast<unsigned char>(a[i]);
        const auto byteB = static_cast<unsigned char>(b[j]);
        if (byteA < 0x80 && byteB < 0x80) {  // ASCII needs no decoding
            if (FoldCase(byteA) != FoldCase(byteB)) {
                return false;
            }
            ++i;
            ++j;
            continue;
        }
        if (FoldCase(DecodeUtf8(a, i)) != FoldCase(DecodeUtf8(b, j))) {
            return false;
        }
    }
    return i == a.size() && j == b.size();
}

}  // namespace

bool IniNamesEqual(std::string_view a, std::string_view b) { return NormalNamesEqual(NameOf(a), NameOf(b)); }

IniDocument::Line IniDocument::MakeLine(std::string text, Ending ending, std::string raw)
{
    Line line{std::move(text), ending, std::move(raw), Kind::kOther, {}, {}};
    const std::string_view trimmed = Trim(line.text);
    if (trimmed.empty() || trimmed.front() == ';') {
        return line;
    }
    if (trimmed.front() == '[') {
        // The name runs to the last ']' of the line; what follows it does not count.
        const std::size_t close = trimmed.rfind(']');
        if (close != std::string_view::npos) {
            line.kind = Kind::kSection;
            line.name = NameOf(trimmed.substr(1, close - 1));
            return line;
        }
    }
    const std::size_t equals = trimmed.find('=');
    if (equals == std::string_view::npos) {
        return line;
    }
    line.kind = Kind::kKey;
    line.name = NameOf(trimmed.substr(0, equals));
    line.value = Trim(trimmed.substr(equals + 1));
    return line;
}

// Where each line of a text of `count` units lies. A line ends at LF, CR LF or a lone CR,
// as the system's reader takes it.
template <typename UnitAt>
std::vector<IniDocument::LineSpan> IniDocument::SplitLines(std::size_t count, UnitAt unitAt)
{
    std::vector<LineSpan> spans;
    std::size_t begin = 0;
    while (begin < count) {
        std::size_t textEnd = begin;
        while (textEnd < count && unitAt(textEnd) != '\n' && unitAt(textEnd) != '\r') {
            ++textEnd;
        }
        LineSpan span{begin, textEnd, textEnd, Ending::kNone};
        if (textEnd < count && unitAt(textEnd) == '\r' && textEnd + 1 < count && unitAt(textEnd + 1) == '\n') {
            span.ending = Ending::kCrLf;
            span.end = textEnd + 2;
        } else if (textEnd < count) {
            span.ending = unitAt(textEnd) == '\n' ? Ending::kLf : Ending::kCr;
            span.end = textEnd + 1;
        }
        spans.push_back(span);
        begin = span.end;
    }
    return spans;
}

IniDocument IniDocument::Parse(std::span<const std::uint8_t> bytes)
{
    IniDocument document;
    if (bytes.empty()) {
        return document;
    }
    const auto at = [&](std::size_t i) { return bytes[i]; };
    const auto rawOf = [&](std::size_t begin, std::size_t end) {
        return std::string(reinterpret_cast<const char*>(bytes.data()) + begin, end - begin);
    };

    if (bytes.size() >= 2 && ((at(0) == 0xFF && at(1) == 0xFE) || (at(0) == 0xFE && at(1) == 0xFF))) {
        const bool little = at(0) == 0xFF;
        document.m_encoding = little ? TextFileEncoding::kUtf16Le : TextFileEncoding::kUtf16Be;
        constexpr std::size_t kBom = 2;
        const auto unitAt = [&](std::size_t i) {
            const std::size_t offset = kBom + 2 * i;
            return static_cast<char16_t>(little ? at(offset) | (at(offset + 1) << 8)
                                                : (at(offset) << 8) | at(offset + 1));
        };
        // An odd last byte is no character.
        for (const LineSpan& span : SplitLines((bytes.size() - kBom) / 2, unitAt)) {
            std::u16string text;
            for (std::size_t i = span.begin; i < span.textEnd; ++i) {
                text.push_back(unitAt(i));
            }
            document.m_lines.push_back(
                MakeLine(Utf16ToUtf8(text), span.ending, rawOf(kBom + 2 * span.begin, kBom + 2 * span.end)));
        }
        return document;
    }

    std::size_t bom = 0;
    document.m_encoding = TextFileEncoding::kUtf8;
    if (bytes.size() >= 3 && at(0) == 0xEF && at(1) == 0xBB && at(2) == 0xBF) {
        document.m_encoding = TextFileEncoding::kUtf8Bom;
        bom = 3;
    }
    const std::string_view body(reinterpret_cast<const char*>(bytes.data()) + bom, bytes.size() - bom);
    for (const LineSpan& span : SplitLines(body.size(), [&](std::size_t i) { return body[i]; })) {
        document.m_lines.push_back(MakeLine(SanitizeUtf8(body.substr(span.begin, span.textEnd - span.begin)),
                                            span.ending, rawOf(bom + span.begin, bom + span.end)));
    }
    return document;
}

std::string IniDocument::Encode(std::string_view text) const
{
    if (m_encoding == TextFileEncoding::kUtf8 || m_encoding == TextFileEncoding::kUtf8Bom) {
        return std::string(text);
    }
    const bool little = m_encoding == TextFileEncoding::kUtf16Le;
    std::string out;
    for (const char16_t unit : Utf8ToUtf16(text)) {
        const auto low = static_cast<char>(unit & 0xFF);
        const auto high = static_cast<char>(unit >> 8);
        out.push_back(little ? low : high);
        out.push_back(little ? high : low);
    }
    return out;
}

std::vector<std::uint8_t> IniDocument::Serialize() const
{
    std::string out;
    switch (m_encoding) {
        case TextFileEncoding::kUtf8:
            break;
        case TextFileEncoding::kUtf8Bom:
            out = "\xEF\xBB\xBF";
            break;
        case TextFileEncoding::kUtf16Le:
            out = "\xFF\xFE";
            break;
        case TextFileEncoding::kUtf16Be:
            out = "\xFE\xFF";
            break;
    }
    for (const Line& line : m_lines) {
        if (!line.raw.empty()) {
            out += line.raw;
            continue;
        }
        out += Encode(line.text);
        switch (line.ending) {
            case Ending::kNone:
                break;
            case Ending::kLf:
                out += Encode("\n");
                break;
            case Ending::kCr:
                out += Encode("\r");
                break;
            case Ending::kCrLf:
                out += Encode("\r\n");
                break;
        }
    }
    return std::vector<std::uint8_t>(out.begin(), out.end());
}

std::optional<std::size_t> IniDocument::FindSection(std::string_view section) const
{
    const std::string_view wanted = NameOf(section);
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        if (m_lines[i].kind == Kind::kSection && NormalNamesEqual(m_lines[i].name, wanted)) {
            return i;
        }
    }
    return std::nullopt;
}

std::size_t IniDocument::SectionEnd(std::size_t header) const
{
    std::size_t end = header + 1;
    while (end < m_lines.size() && m_lines[end].kind != Kind::kSection) {
        ++end;
    }
    return end;
}

std::optional<std::string_view> IniDocument::Find(std::string_view section, std::string_view key) const
{
    const auto header = FindSection(section);
    if (!header) {
        return std::nullopt;
    }
    const std::size_t end = SectionEnd(*header);
    const std::string_view wanted = NameOf(key);
    for (std::size_t i = *header + 1; i < end; ++i) {
        if (m_lines[i].kind == Kind::kKey && NormalNamesEqual(m_lines[i].name, wanted)) {
            return std::string_view(m_lines[i].value);
        }
    }
    return std::nullopt;
}

std::vector<std::string> IniDocument::SectionNames() const
{
    std::vector<std::string> names;
    for (const Line& line : m_lines) {
        if (line.kind == Kind::kSection && !line.name.empty()) {
            names.push_back(line.name);
        }
    }
    return names;
}

// A line that gets a successor must end; its bytes stay as they were.
void IniDocument::EndLastLine(std::size_t index)
{
    Line& line = m_lines[index];
    if (line.ending != Ending::kNone) {
        return;
    }
    line.ending = Ending::kCrLf;
    if (!line.raw.empty()) {
        line.raw += Encode("\r\n");
    }
}

IniDocument::Line IniDocument::HeaderLine(std::string_view section, Ending ending)
{
    std::string text(1, '[');
    text.append(NameOf(section)).push_back(']');
    return MakeLine(std::move(text), ending, {});
}

bool IniDocument::Set(std::string_view section, std::string_view key, std::string_view value)
{
    const std::string keyLine = std::string(NameOf(key)) + "=" + std::string(value);
    const auto header = FindSection(section);
    if (!header) {
        if (!m_lines.empty()) {
            EndLastLine(m_lines.size() - 1);
        }
        m_lines.push_back(HeaderLine(section, Ending::kCrLf));
        m_lines.push_back(MakeLine(keyLine, Ending::kCrLf, {}));
        return true;
    }
    const std::size_t end = SectionEnd(*header);
    std::size_t lastContent = *header;
    for (std::size_t i = *header + 1; i < end; ++i) {
        Line& line = m_lines[i];
        if (line.kind == Kind::kKey && IniNamesEqual(line.name, key)) {
            if (line.value == Trim(value)) {
                return false;
            }
            // The key keeps its spelling from the file.
            line = MakeLine(line.name + "=" + std::string(value), line.ending, {});
            return true;
        }
        if (!Trim(line.text).empty()) {
            lastContent = i;
        }
    }
    EndLastLine(lastContent);
    m_lines.insert(m_lines.begin() + static_cast<std::ptrdiff_t>(lastContent + 1),
                   MakeLine(keyLine, Ending::kCrLf, {}));
    return true;
}

bool IniDocument::RemoveSection(std::string_view section)
{
    bool removed = false;
    while (const auto header = FindSection(section)) {
        m_lines.erase(m_lines.begin() + static_cast<std::ptrdiff_t>(*header),
                      m_lines.begin() + static_cast<std::ptrdiff_t>(SectionEnd(*header)));
        removed = true;
    }
    return removed;
}

bool IniDocument::ReplaceSection(std::string_view section, std::span<const IniEntry> entries)
{
    std::vector<Line> body;
    std::transform(entries.begin(), entries.end(), std::back_inserter(body), [](const IniEntry& entry) {
        return MakeLine(std::string(NameOf(entry.key)) + "=" + entry.value, Ending::kCrLf, {});
    });

    const auto header = FindSection(section);
    if (!header) {
        if (body.empty()) {
            return false;
        }
        if (!m_lines.empty()) {
            EndLastLine(m_lines.size() - 1);
        }
        m_lines.push_back(HeaderLine(section, Ending::kCrLf));
        m_lines.insert(m_lines.end(), body.begin(), body.end());
        return true;
    }
    // Everything up to the last line with content goes; the blank lines after it stay.
    const std::size_t end = SectionEnd(*header);
    std::size_t contentEnd = *header + 1;
    for (std::size_t i = *header + 1; i < end; ++i) {
        if (!Trim(m_lines[i].text).empty()) {
            contentEnd = i + 1;
        }
    }
    const auto first = m_lines.begin() + static_cast<std::ptrdiff_t>(*header + 1);
    const auto last = m_lines.begin() + static_cast<std::ptrdiff_t>(contentEnd);
    if (std::equal(first, last, body.begin(), body.end(),
                   [](const Line& a, const Line& b) { return a.kind == Kind::kKey && a.text == b.text; })) {
        return false;
    }
    if (!body.empty()) {
        EndLastLine(*header);
    }
    m_lines.erase(first, last);
    m_lines.insert(m_lines.begin() + static_cast<std::ptrdiff_t>(*header + 1), body.begin(), body.end());
    return true;
}

bool IniDocument::RenameSection(std::string_view from, std::string_view to)
{
    const auto header = FindSection(from);
    if (!header) {
        return false;
    }
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        if (i != *header && m_lines[i].kind == Kind::kSection && IniNamesEqual(m_lines[i].name, to)) {
            return false;
        }
    }
    Line& line = m_lines[*header];
    if (line.name != NameOf(to)) {
        line = HeaderLine(to, line.ending);
    }
    return true;
}

}  // namespace zalvane::platform
