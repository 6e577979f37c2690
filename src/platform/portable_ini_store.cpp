#include "platform/portable_ini_store.h"

#include "platform/file_io.h"

namespace zalvane::platform {

PortableIniStore::FileStamp PortableIniStore::StampOf(const std::string& path)
{
    const std::filesystem::path fsPath = PathFromUtf8(path);
    std::error_code error;
    FileStamp stamp;
    stamp.size = std::filesystem::file_size(fsPath, error);
    if (error) {
        return {};
    }
    stamp.time = std::filesystem::last_write_time(fsPath, error);
    if (error) {
        return {};
    }
    stamp.exists = true;
    return stamp;
}

const IniDocument* PortableIniStore::Load(const std::string& path)
{
    // Taken before the bytes are read: a change after this moment changes the stamp.
    const auto now = std::filesystem::file_time_type::clock::now();
    const FileStamp stamp = StampOf(path);
    if (m_snapshot && m_snapshot->path == path && m_snapshot->settled && m_snapshot->stamp == stamp) {
        return &m_snapshot->document;
    }

    FileBytes file = ReadFileBytes(path, kMaxFileSize);
    if (file.status != FileStatus::kOk && file.status != FileStatus::kMissing) {
        return nullptr;
    }
    const bool settled = stamp.exists && stamp.time + kTimestampSlack < now;
    if (m_snapshot && m_snapshot->path == path && m_snapshot->bytes == file.bytes) {
        m_snapshot->stamp = stamp;
        m_snapshot->settled = settled;
    } else {
        IniDocument document = IniDocument::Parse(file.bytes);
        m_snapshot = Snapshot{path, std::move(file.bytes), std::move(document), stamp, settled};
    }
    return &m_snapshot->document;
}

bool PortableIniStore::Store(const std::string& path, IniDocument document)
{
    std::vector<std::uint8_t> bytes = document.Serialize();
    if (!WriteFileAtomically(path, bytes)) {
        m_snapshot.reset();
        return false;
    }
    // Just written, so its time is recent: the next read compares bytes.
    m_snapshot = Snapshot{path, std::move(bytes), std::move(document), StampOf(path), false};
    return true;
}

}  // namespace zalvane::platform
