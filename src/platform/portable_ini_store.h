#pragma once
// The private-profile store on plain files, for Linux and for tests: the same rules as
// the system's functions (see ini_store.h), over UTF-16 and UTF-8 files alike.

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ini_document.h"
#include "platform/ini_store.h"

namespace zalvane::platform {

class PortableIniStore final : public IniStore {
public:
    // Our text files hold a few kilobytes, a full macro file some 200 KB; a bigger file is
    // not one of them. It reads as empty and is never written over. The bound also keeps
    // a long series of reads of one file quick.
    static constexpr std::size_t kMaxFileSize = 1u << 20;

    std::string GetString(const std::string& path, std::string_view section, std::string_view key,
                          std::string_view defaultValue = {}, std::size_t capacity = kDefaultCapacity) override;
    // False, with the file untouched, for names or values that cannot stand on one line
    // of their own (line breaks, NUL, '=' or a leading '[' or ';' in a key, ']' in a
    // section name, an empty name), for a file that exists but cannot be read, and when
    // the file cannot be written.
    bool WriteString(const std::string& path, std::string_view section, std::string_view key,
                     std::string_view value) override;
    // True when no such section remains; a missing file stays missing.
    bool DeleteSection(const std::string& path, std::string_view section) override;
    // False, with the file untouched, for the same names and values WriteString refuses.
    bool WriteSection(const std::string& path, std::string_view section, std::span<const IniEntry> entries) override;
    bool RenameSection(const std::string& path, std::string_view from, std::string_view to) override;
    std::vector<std::string> SectionNames(const std::string& path) override;

private:
    // File times may be as coarse as 2 s (FAT). A file whose time was further back than
    // this when we read it cannot change again without its time changing.
    static constexpr std::chrono::seconds kTimestampSlack{3};

    struct FileStamp {
        bool exists = false;
        std::uintmax_t size = 0;
        std::filesystem::file_time_type time{};
        friend bool operator==(const FileStamp&, const FileStamp&) = default;
    };

    struct Snapshot {
        std::string path;
        std::vector<std::uint8_t> bytes;
        IniDocument document;
        FileStamp stamp;
        bool settled = false;  // the stamp alone tells whether the file changed since
    };

    // The file as a document (a missing one as an empty document), or nothing when it
    // exists but cannot be read. Callers such as the macro reader ask for hundreds of
    // values of one file in a row: the file is parsed again only when its bytes changed,
    // and not even read again while its size and time show it unchanged.
    const IniDocument* Load(const std::string& path);
    static FileStamp StampOf(const std::string& path);
    bool Store(const std::string& path, IniDocument document);

    std::optional<Snapshot> m_snapshot;
};

}  // namespace zalvane::platform
