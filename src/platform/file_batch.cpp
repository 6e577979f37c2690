#include "platform/file_batch.h"

#include <cerrno>
#include <fstream>

#include "platform/file_io.h"

namespace zalvane::platform {
namespace {

std::unexpected<FileFailure> Failed(const std::string& path, std::error_code error)
{
    return std::unexpected(FileFailure{path, error});
}

std::unexpected<FileFailure> Failed(const std::string& path, std::errc why)
{
    return Failed(path, std::make_error_code(why));
}

}  // namespace

FileBatch::~FileBatch()
{
    if (m_stage == Stage::kApplied)
        RollBack();
    RemoveTemporaries();
}

void FileBatch::Replace(const std::string& path, std::vector<std::uint8_t> bytes)
{
    m_entries.push_back({path, PathFromUtf8(path), std::move(bytes), {}, {}, false});
}

void FileBatch::Remove(const std::string& path)
{
    m_entries.push_back({path, PathFromUtf8(path), std::nullopt, {}, {}, false});
}

std::expected<void, FileFailure> FileBatch::Check(const Entry& entry) const
{
    if (entry.target.empty() || !entry.target.has_filename())
        return Failed(entry.path, std::errc::invalid_argument);
    std::error_code error;
    const auto state = std::filesystem::status(entry.target, error);
    if (state.type() == std::filesystem::file_type::not_found)
        return {};
    if (error)
        return Failed(entry.path, error);
    if (std::filesystem::is_directory(state))
        return Failed(entry.path, std::errc::is_a_directory);
    if ((state.permissions() & std::filesystem::perms::owner_write) == std::filesystem::perms::none)
        return Failed(entry.path, std::errc::permission_denied);
    return {};
}

std::expected<void, FileFailure> FileBatch::WriteTemporary(Entry& entry)
{
    if (!entry.bytes)
        return {};
    entry.temporary = TemporaryPathBeside(entry.target);
    if (entry.temporary.empty())
        return Failed(entry.path, std::errc::file_exists);
    errno = 0;
    std::ofstream out(entry.temporary, std::ios::binary | std::ios::trunc);
    if (out) {
        out.write(reinterpret_cast<const char*>(entry.bytes->data()),
                  static_cast<std::streamsize>(entry.bytes->size()));
        out.flush();
    }
    if (!out)
        return Failed(entry.path, errno != 0 ? std::errc(errno) : std::errc::io_error);
    return {};
}

std::expected<void, FileFailure> FileBatch::Place(Entry& entry)
{
    std::error_code error;
    if (std::filesystem::exists(entry.target, error)) {
        entry.backup = TemporaryPathBeside(entry.target);
        if (entry.backup.empty())
            return Failed(entry.path, std::errc::file_exists);
        std::filesystem::rename(entry.target, entry.backup, error);
        if (error) {
            entry.backup.clear();
            return Failed(entry.path, error);
        }
    } else if (error) {
        return Failed(entry.path, error);
    }
    if (entry.bytes) {
        std::filesystem::rename(entry.temporary, entry.target, error);
        if (error)
            return Failed(entry.path, error);
        entry.temporary.clear();
        entry.placed = true;
    }
    return {};
}

std::expected<void, FileFailure> FileBatch::Apply()
{
    if (m_stage != Stage::kPlanned)
        return Failed(m_entries.empty() ? std::string() : m_entries.front().path, std::errc::operation_not_permitted);
    for (const Entry& entry : m_entries) {
        if (auto checked = Check(entry); !checked)
            return checked;
    }
    for (Entry& entry : m_entries) {
        if (auto written = WriteTemporary(entry); !written) {
            RemoveTemporaries();
            return written;
        }
    }
    m_stage = Stage::kApplied;
    for (Entry& entry : m_entries) {
        if (auto placed = Place(entry); !placed) {
            RollBack();
            RemoveTemporaries();
            return placed;
        }
    }
    return {};
}

void FileBatch::Keep()
{
    if (m_stage != Stage::kApplied)
        return;
    for (Entry& entry : m_entries) {
        std::error_code ignored;
        if (!entry.backup.empty())
            std::filesystem::remove(entry.backup, ignored);
        entry.backup.clear();
    }
    m_stage = Stage::kDone;
}

void FileBatch::RollBack()
{
    if (m_stage != Stage::kApplied)
        return;
    for (auto entry = m_entries.rbegin(); entry != m_entries.rend(); ++entry) {
        std::error_code ignored;
        if (entry->placed)
            std::filesystem::remove(entry->target, ignored);
        if (!entry->backup.empty())
            std::filesystem::rename(entry->backup, entry->target, ignored);
        entry->placed = false;
        entry->backup.clear();
    }
    m_stage = Stage::kDone;
}

void FileBatch::RemoveTemporaries()
{
    for (Entry& entry : m_entries) {
        std::error_code ignored;
        if (!entry.temporary.empty())
            std::filesystem::remove(entry.temporary, ignored);
        entry.temporary.clear();
    }
}

}  // namespace zalvane::platform
