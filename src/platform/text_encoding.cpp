#include "platform/text_encoding.h"

namespace zalvane::platform {
namespace {

constexpr bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }
constexpr bool IsSurrogate(char32_t c) { return c >= 0xD800 && c <= 0xDFFF; }

}  // namespace

char32_t DecodeUtf8(std::string_view text, std::size_t& pos)
{
    const auto lead = static_cast<unsigned char>(text[pos]);
    if (lead < 0x80) {
        ++pos;
        return lead;
    }
    std::size_t length = 0;
    char32_t codePoint = 0;
    char32_t minimum = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2;
        codePoint = lead & 0x1Fu;
        minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        codePoint = lead & 0x0Fu;
        minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        codePoint = lead & 0x07u;
        minimum = 0x10000;
    } else {
        ++pos;
        return kReplacementCharacter;
    }
    std::size_t used = 1;
    while (used < length && pos + used < text.size() && IsContinuation(static_cast<unsigned char>(text[pos + used]))) {
        codePoint = (codePoint << 6) | (static_cast<unsigned char>(text[pos + used]) & 0x3Fu);
        ++used;
    }
    pos += used;
    if (used < length || codePoint < minimum || codePoint > 0x10FFFF || IsSurrogate(codePoint)) {
        return kReplacementCharacter;
    }
    return codePoint;
}

void AppendUtf8(std::string& out, char32_t codePoint)
{
    if (codePoint > 0x10FFFF || IsSurrogate(codePoint)) {
        codePoint = kReplacementCharacter;
    }
    if (codePoint < 0x80) {
        out.push_back(static_cast<char>(codePoint));
    } else if (codePoint < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (codePoint >> 6)));
        out.push_back(static_cast<char>(0x80 | (codePoint & 0x3F)));
    } else if (codePoint < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (codePoint >> 12)));
        out.push_back(static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (codePoint & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (codePoint >> 18)));
        out.push_back(static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (codePoint & 0x3F)));
    }
}

std::u16string Utf8ToUtf16(std::string_view text)
{
    std::u16string out;
    out.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        const char32_t c = DecodeUtf8(text, pos);
        if (c >= 0x10000) {
            out.push_back(static_cast<char16_t>(0xD800u + ((c - 0x10000u) >> 10)));
            out.push_back(static_cast<char16_t>(0xDC00u + ((c - 0x10000u) & 0x3FFu)));
        } else {
            out.push_back(static_cast<char16_t>(c));
        }
    }
    return out;
}

std::string Utf16ToUtf8(std::u16string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i];
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
            const char32_t high = char32_t{unit} - 0xD800u;
            const char32_t low = char32_t{text[i + 1]} - 0xDC00u;
            AppendUtf8(out, 0x10000u + (high << 10) + low);
            ++i;
        } else {
            AppendUtf8(out, unit);  // a lone surrogate becomes U+FFFD
        }
    }
    return out;
}

std::string SanitizeUtf8(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        // Runs of ASCII, most of every file, are copied whole.
        const std::size_t start = pos;
        while (pos < text.size() && static_cast<unsigned char>(text[pos]) < 0x80) {
            ++pos;
        }
        out.append(text.substr(start, pos - start));
        if (pos < text.size()) {
            AppendUtf8(out, DecodeUtf8(text, pos));
        }
    }
    return out;
}

std::size_t Utf16Length(std::string_view text)
{
    std::size_t units = 0;
    for (std::size_t pos = 0; pos < text.size();) {
        units += DecodeUtf8(text, pos) >= 0x10000 ? 2 : 1;
    }
    return units;
}

std::string_view CutToUtf16Units(std::string_view text, std::size_t maxUnits)
{
    std::size_t units = 0;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t next = pos;
        const std::size_t width = DecodeUtf8(text, next) >= 0x10000 ? 2 : 1;
        if (units + width > maxUnits) {
            break;
        }
        units += width;
        pos = next;
    }
    return text.substr(0, pos);
}

}  // namespace zalvane::platform
