#pragma once
// Several files changed as one: for changes that must land whole or not at all, such as
// profiles whose files move between slots together. Every new content is first written
// to a temporary file beside its target; only when all are written do they take their
// targets' places, the old files kept aside. A failure on the way, or a batch that is
// not kept, puts every file back as it was. A process killed on the way leaves each
// file with its old content or its new one, never none.

#include <cstdint>
#include <expected>
#include <filesystem>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

namespace zalvane::platform {

// The file that could not be written or replaced, and the system's reason.
struct FileFailure {
    std::string path;
    std::error_code error;
};

class FileBatch {
public:
    FileBatch() = default;
    FileBatch(const FileBatch&) = delete;
    FileBatch& operator=(const FileBatch&) = delete;
    // Removes what is left of temporaries; a batch applied but not kept is taken back.
    ~FileBatch();

    // Plans: afterwards `path` holds `bytes`; or nothing is at `path` afterwards.
    void Replace(const std::string& path, std::vector<std::uint8_t> bytes);
    void Remove(const std::string& path);

    // Writes every new content beside its target, then puts them all in place. Refuses a
    // target that a single write refuses (platform/file_io.h: WriteTarget) and follows a
    // link as it does. On failure every file is as it was before. Once only.
    [[nodiscard]] std::expected<void, FileFailure> Apply();

    // The applied change stays; the old files are deleted.
    void Keep();

    // Puts the old files back after Apply (before Keep).
    void RollBack();

private:
    struct Entry {
        std::string path;
        std::filesystem::path target;
        std::optional<std::vector<std::uint8_t>> bytes;  // nothing: remove the target
        std::filesystem::path temporary;                 // the new content on its way
        std::filesystem::path backup;                    // the old file, moved aside
        bool placed = false;                             // the new content is at the target
    };

    static std::expected<void, FileFailure> Check(Entry& entry);
    std::expected<void, FileFailure> WriteTemporary(Entry& entry);
    std::expected<void, FileFailure> Place(Entry& entry);
    void RemoveTemporaries();

    enum class Stage { kPlanned, kApplied, kDone };
    std::vector<Entry> m_entries;
    Stage m_stage = Stage::kPlanned;
};

}  // namespace zalvane::platform
