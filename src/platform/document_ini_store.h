#pragma once
// The private-profile rules of ini_store.h over documents, wherever their bytes are kept:
// the portable store keeps them in files, the memory store in memory (for fuzzing and
// tests, which then never touch the disk).

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ini_document.h"
#include "platform/ini_store.h"

namespace zalvane::platform {

class DocumentIniStore : public IniStore {
public:
    // Our text files hold a few kilobytes, a full macro file some 200 KB; a bigger file is
    // not one of them. It reads as empty and is never written over. The bound also keeps
    // a long series of reads of one file quick.
    static constexpr std::size_t kMaxFileSize = 1u << 20;

    std::string GetString(const std::string& path, std::string_view section, std::string_view key,
                          std::string_view defaultValue = {}, std::size_t capacity = kDefaultCapacity) final;
    // False, with the file untouched, for names or values that cannot stand on one line
    // of their own (line breaks, NUL, '=' or a leading '[' or ';' in a key, ']' in a
    // section name, an empty name), for a file that exists but cannot be read, and when
    // the file cannot be written.
    bool WriteString(const std::string& path, std::string_view section, std::string_view key,
                     std::string_view value) final;
    // In one write: the file gets every value or, when one is refused, none.
    bool WriteStrings(const std::string& path, std::string_view section, std::span<const IniEntry> entries) final;
    // True when no such section remains; a missing file stays missing.
    bool DeleteSection(const std::string& path, std::string_view section) final;
    // False, with the file untouched, for the same names and values WriteString refuses.
    bool WriteSection(const std::string& path, std::string_view section, std::span<const IniEntry> entries) final;
    bool RenameSection(const std::string& path, std::string_view from, std::string_view to) final;
    std::vector<std::string> SectionNames(const std::string& path) final;

protected:
    // The file as a document (a missing one as an empty document), or nothing when it
    // exists but cannot be read. Valid until the next call on the store.
    virtual const IniDocument* Load(const std::string& path) = 0;
    // Replaces the file's content with the document, all or nothing; true on success.
    virtual bool Store(const std::string& path, IniDocument document) = 0;
};

}  // namespace zalvane::platform
