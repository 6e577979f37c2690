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
    if (m_stage == Stage::kApplied) {
        RollBack();
    }
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

std::expected<void, FileFailure> FileBatch::Check(Entry& entry)
{
    if (entry.bytes) {
        // A new content goes where a single write would put it: through a link, never
        // into a folder, a device or a read-only file.
        auto target = WriteTarget(entry.path);
        if (!target) {
            return Failed(entry.path, target.error());
        }
        entry.target = std::move(*target);
        return {};
    }
    if (entry.target.empty() || !entry.target.has_filename()) {
        return Failed(entry.path, std::errc::invalid_argument);
    }
    // A removal takes away what is at the path itself: a file, or a link as a link.
    std::error_code error;
    const auto state = std::filesystem::symlink_status(entry.target, error);
    if (state.type() == std::filesystem::file_type::not_found) {
        return {};
    }
    if (error) {
        return Failed(entry.path, error);
    }
    if (std::filesystem::is_directory(state)) {
        return Failed(entry.path, std::errc::is_a_directory);
    }
    if (!std::filesystem::is_regular_file(state) && !std::filesystem::is_symlink(state)) {
        return Failed(entry.path, NotRegularFileError());
    }
    if (std::filesystem::is_regular_file(state) &&
        (state.permissions() & std::filesystem::perms::owner_write) == std::filesystem::perms::none) {
        return Failed(entry.path, std::errc::permission_denied);
    }
    return {};
}

std::expected<void, FileFailure> FileBatch::WriteTemporary(Entry& entry)
{
    if (!entry.bytes) {
        return {};
    }
    RemoveLeftTemporaries(entry.target);
    entry.temporary = TemporaryPathBeside(entry.target);
    if (entry.temporary.empty()) {
        return Failed(entry.path, std::errc::file_exists);
    }
    errno = 0;
    std::ofstream out(entry.temporary, std::ios::binary | std::ios::trunc);
    if (out) {
        out.write(reinterpret_cast<const char*>(entry.bytes->data()),
                  static_cast<std::streamsize>(entry.bytes->size()));
        out.flush();
    }
    if (!out) {
        return Failed(entry.path, errno != 0 ? std::errc(errno) : std::errc::io_error);
    }
    return {};
}

// The target is never missing on the way, so that a process killed here leaves the old
// content or the new one: the old file is copied aside and the new one renamed over it.
// Only a removal moves the old file aside.
std::expected<void, FileFailure> FileBatch::Place(Entry& entry)
{
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::file_status state = fs::symlink_status(entry.target, error);
    if (state.type() == fs::file_type::not_found) {
        error.clear();  // a new file: nothing to keep aside
    }
    if (fs::exists(state)) {
        entry.backup = TemporaryPathBeside(entry.target);
        if (entry.backup.empty()) {
            return Failed(entry.path, std::errc::file_exists);
        }
        if (entry.bytes) {
            fs::copy_file(entry.target, entry.backup, fs::copy_options::none, error);
            // A copy may keep the old file's time; the backup is new, and no cleanup of
            // left temporaries may take it for an old one while the batch runs.
            if (!error) {
                fs::last_write_time(entry.backup, fs::file_time_type::clock::now(), error);
            }
        } else {
            fs::rename(entry.target, entry.backup, error);
        }
        if (error) {
            std::error_code ignored;
            if (entry.bytes) {
                fs::remove(entry.backup, ignored);
            }
            entry.backup.clear();
            return Failed(entry.path, error);
        }
    } else if (error) {
        return Failed(entry.path, error);
    }
    if (entry.bytes) {
        fs::rename(entry.temporary, entry.target, error);
        if (error) {
            return Failed(entry.path, error);
        }
        entry.temporary.clear();
        entry.placed = true;
    }
    return {};
}

std::expected<void, FileFailure> FileBatch::Apply()
{
    if (m_stage != Stage::kPlanned) {
        return Failed(m_entries.empty() ? std::string() : m_entries.front().path, std::errc::operation_not_permitted);
    }
    for (Entry& entry : m_entries) {
        if (auto checked = Check(entry); !checked) {
            return checked;
        }
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
    if (m_stage != Stage::kApplied) {
        return;
    }
    for (Entry& entry : m_entries) {
        std::error_code ignored;
        if (!entry.backup.empty()) {
            std::filesystem::remove(entry.backup, ignored);
        }
        entry.backup.clear();
    }
    m_stage = Stage::kDone;
}

void FileBatch::RollBack()
{
    if (m_stage != Stage::kApplied) {
        return;
    }
    for (auto entry = m_entries.rbegin(); entry != m_entries.rend(); ++entry) {
        std::error_code ignored;
        if (!entry->backup.empty()) {
            std::filesystem::rename(entry->backup, entry->target, ignored);
        } else if (entry->placed) {
            std::filesystem::remove(entry->target, ignored);
        }
        entry->placed = false;
        entry->backup.clear();
    }
    m_stage = Stage::kDone;
}

void FileBatch::RemoveTemporaries()
{
    for (Entry& entry : m_entries) {
        std::error_code ignored;
        if (!entry.temporary.empty()) {
            std::filesystem::remove(entry.temporary, ignored);
        }
        entry.temporary.clear();
    }
}

}  // namespace zalvane::platform
