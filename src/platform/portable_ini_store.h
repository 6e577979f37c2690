#pragma once
// The private-profile store on plain files, for Linux and for tests: the same rules as
// the system's functions (see ini_store.h), over UTF-16 and UTF-8 files alike.

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "platform/document_ini_store.h"
#include "platform/ini_document.h"

namespace zalvane::platform {

class PortableIniStore final : public DocumentIniStore {
protected:
    // Callers such as the macro reader ask for hundreds of values of one file in a row:
    // the file is parsed again only when its bytes changed, and not even read again while
    // its size and time show it unchanged.
    const IniDocument* Load(const std::string& path) override;
    bool Store(const std::string& path, IniDocument document) override;

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

    static FileStamp StampOf(const std::string& path);

    std::optional<Snapshot> m_snapshot;
};

}  // namespace zalvane::platform
