#pragma once
// Private-profile files kept in memory under their paths, with the same rules as the
// files on disk: what fuzzing and tests give the code in place of a folder, so that no
// input goes through the file system.

#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "platform/document_ini_store.h"

namespace zalvane::platform {

class MemoryIniStore final : public DocumentIniStore {
public:
    // Puts a file's bytes at `path`. Bytes beyond kMaxFileSize make a file that exists but
    // cannot be read, as such a file on disk.
    void PutFile(const std::string& path, std::span<const std::uint8_t> bytes);
    // The file's bytes as written; nothing for a missing file.
    std::optional<std::vector<std::uint8_t>> FileBytes(const std::string& path) const;

protected:
    const IniDocument* Load(const std::string& path) override;
    bool Store(const std::string& path, IniDocument document) override;

private:
    struct File {
        std::optional<IniDocument> document;  // nothing: too large to read
        std::vector<std::uint8_t> bytes;
    };

    std::map<std::string, File> m_files;
    IniDocument m_empty;
};

}  // namespace zalvane::platform
