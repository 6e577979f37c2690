#include "platform/document_ini_store.h"

#include "platform/text_encoding.h"
#include "platform/text_parsing.h"

namespace zalvane::platform {
namespace {

bool HasLineBreakOrNul(std::string_view text)
{
    return text.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
}

bool IsWritableSection(std::string_view section)
{
    if (HasLineBreakOrNul(section)) {
        return false;
    }
    section = Trim(section);
    return !section.empty() && section.find(']') == std::string_view::npos;
}

bool IsWritableKey(std::string_view key)
{
    if (HasLineBreakOrNul(key)) {
        return false;
    }
    key = Trim(key);
    return !key.empty() && key.find('=') == std::string_view::npos && key.front() != '[' && key.front() != ';';
}

// What the caller gets for a value: a value in matching single or double quotes loses
// them, and a NUL ends the text.
std::string_view Unquoted(std::string_view value)
{
    value = value.substr(0, value.find('\0'));
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front()) {
        return value.substr(1, value.size() - 2);
    }
    return value;
}

}  // namespace

std::string DocumentIniStore::GetString(const std::string& path, std::string_view section, std::string_view key,
                                        std::string_view defaultValue, std::size_t capacity)
{
    if (capacity == 0) {
        return {};
    }
    // Only trailing blanks of the default go, as the system's function does it.
    std::string_view value = defaultValue.substr(0, defaultValue.find('\0'));
    while (!value.empty() && (value.back() == ' ' || value.back() == '\t')) {
        value.remove_suffix(1);
    }
    const IniDocument* document = Load(path);
    if (document) {
        if (const auto stored = document->Find(section, key)) {
            value = Unquoted(*stored);
        }
    }
    return SanitizeUtf8(CutToUtf16Units(value, capacity - 1));
}

bool DocumentIniStore::WriteString(const std::string& path, std::string_view section, std::string_view key,
                                   std::string_view value)
{
    if (!IsWritableSection(section) || !IsWritableKey(key) || HasLineBreakOrNul(value)) {
        return false;
    }
    const IniDocument* loaded = Load(path);
    if (!loaded) {
        return false;
    }
    IniDocument document = *loaded;
    if (!document.Set(SanitizeUtf8(section), SanitizeUtf8(key), SanitizeUtf8(value))) {
        return true;
    }
    return Store(path, std::move(document));
}

bool DocumentIniStore::WriteStrings(const std::string& path, std::string_view section,
                                    std::span<const IniEntry> entries)
{
    if (!IsWritableSection(section)) {
        return false;
    }
    for (const IniEntry& entry : entries) {
        if (!IsWritableKey(entry.key) || HasLineBreakOrNul(entry.value)) {
            return false;
        }
    }
    const IniDocument* loaded = Load(path);
    if (!loaded) {
        return false;
    }
    IniDocument document = *loaded;
    bool changed = false;
    for (const IniEntry& entry : entries) {
        changed = document.Set(SanitizeUtf8(section), SanitizeUtf8(entry.key), SanitizeUtf8(entry.value)) || changed;
    }
    if (!changed) {
        return true;
    }
    return Store(path, std::move(document));
}

bool DocumentIniStore::DeleteSection(const std::string& path, std::string_view section)
{
    const IniDocument* loaded = Load(path);
    if (!loaded) {
        return false;
    }
    IniDocument document = *loaded;
    if (!document.RemoveSection(section)) {
        return true;
    }
    return Store(path, std::move(document));
}

bool DocumentIniStore::WriteSection(const std::string& path, std::string_view section,
                                    std::span<const IniEntry> entries)
{
    if (!IsWritableSection(section)) {
        return false;
    }
    std::vector<IniEntry> clean;
    for (const IniEntry& entry : entries) {
        if (!IsWritableKey(entry.key) || HasLineBreakOrNul(entry.value)) {
            return false;
        }
        clean.push_back(IniEntry{SanitizeUtf8(entry.key), SanitizeUtf8(entry.value)});
    }
    const IniDocument* loaded = Load(path);
    if (!loaded) {
        return false;
    }
    IniDocument document = *loaded;
    if (!document.ReplaceSection(SanitizeUtf8(section), clean)) {
        return true;
    }
    return Store(path, std::move(document));
}

bool DocumentIniStore::RenameSection(const std::string& path, std::string_view from, std::string_view to)
{
    if (!IsWritableSection(to)) {
        return false;
    }
    const IniDocument* loaded = Load(path);
    if (!loaded) {
        return false;
    }
    IniDocument document = *loaded;
    if (!document.RenameSection(from, SanitizeUtf8(to))) {
        return false;
    }
    return Store(path, std::move(document));
}

std::vector<std::string> DocumentIniStore::SectionNames(const std::string& path)
{
    const IniDocument* document = Load(path);
    return document ? document->SectionNames() : std::vector<std::string>{};
}

}  // namespace zalvane::platform
