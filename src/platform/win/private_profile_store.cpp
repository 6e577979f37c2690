#include "platform/win/private_profile_store.h"

#include <windows.h>

#include <algorithm>
#include <limits>

#include "platform/file_io.h"
#include "platform/portable_ini_store.h"
#include "platform/win/unique_handle.h"
#include "platform/win/wide_text.h"

namespace zalvane::platform::win {
namespace {

// A path without a folder would send the private-profile functions to the Windows
// folder; every path is made absolute against the current folder first.
std::wstring FullPath(const std::string& path)
{
    std::wstring wide = Widen(path);  // not const: the early returns move it out
    const DWORD needed = ::GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
    if (needed == 0) {
        return wide;
    }
    std::wstring full(needed, L'\0');
    const DWORD length = ::GetFullPathNameW(wide.c_str(), needed, full.data(), nullptr);
    if (length == 0 || length >= needed) {
        return wide;
    }
    full.resize(length);
    return full;
}

bool FileExists(const std::wstring& path)
{
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

// The private-profile functions write a new file in the ANSI code page, which would turn
// Chinese names into question marks. A file that starts as an empty UTF-16LE file with
// a byte order mark keeps that encoding for good.
bool CreateUtf16File(const std::wstring& path)
{
    UniqueFile file(::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        return ::GetLastError() == ERROR_FILE_EXISTS;
    }
    const BYTE bom[] = {0xFF, 0xFE};
    DWORD written = 0;
    return ::WriteFile(file.get(), bom, sizeof bom, &written, nullptr) && written == sizeof bom;
}

}  // namespace

std::string PrivateProfileStore::GetString(const std::string& path, std::string_view section, std::string_view key,
                                           std::string_view defaultValue, std::size_t capacity)
{
    if (capacity == 0) {
        return {};
    }
    capacity = std::min<std::size_t>(capacity, std::numeric_limits<DWORD>::max());
    const std::wstring file = FullPath(path);
    const std::wstring wideSection = Widen(section);
    const std::wstring wideKey = Widen(key);
    const std::wstring wideDefault = Widen(defaultValue);
    std::wstring buffer(capacity, L'\0');
    const DWORD length = ::GetPrivateProfileStringW(wideSection.c_str(), wideKey.c_str(), wideDefault.c_str(),
                                                    buffer.data(), static_cast<DWORD>(capacity), file.c_str());
    buffer.resize(std::min<std::size_t>(length, capacity - 1));
    return Narrow(buffer);
}

bool PrivateProfileStore::WriteString(const std::string& path, std::string_view section, std::string_view key,
                                      std::string_view value)
{
    const std::wstring file = FullPath(path);
    if (!FileExists(file) && !CreateUtf16File(file)) {
        return false;
    }
    const std::wstring wideSection = Widen(section);
    const std::wstring wideKey = Widen(key);
    const std::wstring wideValue = Widen(value);
    return ::WritePrivateProfileStringW(wideSection.c_str(), wideKey.c_str(), wideValue.c_str(), file.c_str()) != 0;
}

bool PrivateProfileStore::DeleteSection(const std::string& path, std::string_view section)
{
    const std::wstring file = FullPath(path);
    if (!FileExists(file)) {
        return true;  // nothing to remove, and no empty file made for it
    }
    const std::wstring wideSection = Widen(section);
    return ::WritePrivateProfileStringW(wideSection.c_str(), nullptr, nullptr, file.c_str()) != 0;
}

bool PrivateProfileStore::WriteSection(const std::string& path, std::string_view section,
                                       std::span<const IniEntry> entries)
{
    const std::wstring file = FullPath(path);
    if (!FileExists(file) && !CreateUtf16File(file)) {
        return false;
    }
    // "key=value" strings one after the other, each ended by a NUL, the block by another.
    std::wstring block;
    for (const IniEntry& entry : entries) {
        block += Widen(entry.key);
        block += L'=';
        block += Widen(entry.value);
        block.push_back(L'\0');
    }
    block.push_back(L'\0');
    const std::wstring wideSection = Widen(section);
    return ::WritePrivateProfileSectionW(wideSection.c_str(), block.c_str(), file.c_str()) != 0;
}

bool PrivateProfileStore::RenameSection(const std::string& path, std::string_view from, std::string_view to)
{
    const std::string file = Narrow(FullPath(path));
    // The system reads a file without a UTF-16 byte order mark in the ANSI code page, which
    // the portable document does not write: such a file only takes ASCII names.
    const auto ascii = [](std::string_view text) {
        return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    };
    if (!ascii(from) || !ascii(to)) {
        const FileBytes start = ReadFileBytes(file, PortableIniStore::kMaxFileSize);
        const bool utf16 = start.bytes.size() >= 2 && ((start.bytes[0] == 0xFF && start.bytes[1] == 0xFE) ||
                                                       (start.bytes[0] == 0xFE && start.bytes[1] == 0xFF));
        if (!utf16) {
            return false;
        }
    }
    return PortableIniStore().RenameSection(file, from, to);
}

std::vector<std::string> PrivateProfileStore::SectionNames(const std::string& path)
{
    const std::wstring file = FullPath(path);
    if (!FileExists(file)) {
        return {};
    }
    // The call answers size - 2 when the names do not fit: grow until they do.
    std::wstring buffer(4096, L'\0');
    DWORD length = 0;
    for (;;) {
        length = ::GetPrivateProfileSectionNamesW(buffer.data(), static_cast<DWORD>(buffer.size()), file.c_str());
        if (length + 2 < buffer.size() || buffer.size() >= (1u << 26)) {
            break;
        }
        buffer.assign(buffer.size() * 4, L'\0');
    }
    std::vector<std::string> names;
    std::size_t start = 0;
    while (start < length) {
        const std::size_t end = buffer.find(L'\0', start);
        if (end == std::wstring::npos || end == start || end > length) {
            break;
        }
        names.push_back(Narrow(std::wstring_view(buffer).substr(start, end - start)));
        start = end + 1;
    }
    return names;
}

}  // namespace zalvane::platform::win
