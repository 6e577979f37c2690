#include "platform/memory_ini_store.h"

namespace zalvane::platform {

void MemoryIniStore::PutFile(const std::string& path, std::span<const std::uint8_t> bytes)
{
    File file;
    file.bytes.assign(bytes.begin(), bytes.end());
    if (bytes.size() <= kMaxFileSize) {
        file.document = IniDocument::Parse(bytes);
    }
    m_files[path] = std::move(file);
}

std::optional<std::vector<std::uint8_t>> MemoryIniStore::FileBytes(const std::string& path) const
{
    const auto found = m_files.find(path);
    if (found == m_files.end()) {
        return std::nullopt;
    }
    return found->second.bytes;
}

const IniDocument* MemoryIniStore::Load(const std::string& path)
{
    const auto found = m_files.find(path);
    if (found == m_files.end()) {
        m_empty = IniDocument::Parse({});
        return &m_empty;
    }
    return found->second.document ? &*found->second.document : nullptr;
}

bool MemoryIniStore::Store(const std::string& path, IniDocument document)
{
    File& file = m_files[path];
    file.bytes = document.Serialize();
    file.document = std::move(document);
    return true;
}

}  // namespace zalvane::platform
