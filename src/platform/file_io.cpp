#include "platform/file_io.h"

#include <atomic>
#include <cerrno>
#include <chrono>
#include <fstream>
#include <system_error>

namespace zalvane::platform {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kTemporaryMark = ".~";
constexpr std::string_view kTemporaryEnd = ".tmp";

class FileErrorCategory final : public std::error_category {
public:
    const char* name() const noexcept override { return "zalvane.file"; }
    std::string message(int) const override { return "not a regular file (a device, a pipe or a socket)"; }
};

// Whether `name` is a temporary of the file called `targetName`, or of any file when
// `targetName` is empty.
bool IsTemporaryName(std::string_view name, std::string_view targetName)
{
    if (!name.ends_with(kTemporaryEnd)) {
        return false;
    }
    const std::size_t mark = name.find(kTemporaryMark);
    if (mark == std::string_view::npos || mark == 0 ||
        mark + kTemporaryMark.size() + kTemporaryEnd.size() > name.size()) {
        return false;
    }
    return targetName.empty() || (mark == targetName.size() && name.starts_with(targetName));
}

std::size_t RemoveLeftTemporariesMatching(const fs::path& folder, std::string_view targetName)
{
    const auto now = fs::file_time_type::clock::now();
    std::size_t removed = 0;
    std::error_code error;
    for (fs::directory_iterator it(folder.empty() ? fs::path(".") : folder, error), end; !error && it != end;
         it.increment(error)) {
        std::error_code ignored;
        if (!IsTemporaryName(PathToUtf8(it->path().filename()), targetName) || !it->is_regular_file(ignored)) {
            continue;
        }
        const auto written = fs::last_write_time(it->path(), ignored);
        if (ignored || now - written < kLeftTemporaryAge) {
            continue;  // possibly a write under way in another process
        }
        if (fs::remove(it->path(), ignored)) {
            ++removed;
        }
    }
    return removed;
}

}  // namespace

std::filesystem::path PathFromUtf8(std::string_view utf8)
{
    try {
        return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
    } catch (const std::system_error&) {
        // Text that the system cannot take as a path (not UTF-8) names no file.
        return {};
    }
}

std::string PathToUtf8(const std::filesystem::path& path)
{
    try {
        const std::u8string text = path.u8string();
        return std::string(text.begin(), text.end());
    } catch (const std::system_error&) {
        // A name that is no Unicode text (a lone surrogate on Windows) has no UTF-8 form.
        return {};
    }
}

FileBytes ReadFileBytes(const std::string& path, std::size_t maxSize)
{
    const auto unreadable = [](std::error_code why) { return FileBytes{FileStatus::kUnreadable, {}, 0, why}; };
    const auto tooLarge = [](std::uintmax_t size) { return FileBytes{FileStatus::kTooLarge, {}, size, {}}; };
    const std::filesystem::path fsPath = PathFromUtf8(path);
    std::error_code error;
    const auto state = std::filesystem::status(fsPath, error);
    if (fsPath.empty() || state.type() == std::filesystem::file_type::not_found) {
        return {FileStatus::kMissing, {}, 0, {}};
    }
    if (error) {
        return unreadable(error);
    }
    if (std::filesystem::is_directory(state)) {
        return unreadable(std::make_error_code(std::errc::is_a_directory));
    }
    if (!std::filesystem::is_regular_file(state)) {
        return unreadable({});
    }
    const auto size = std::filesystem::file_size(fsPath, error);
    if (error) {
        return unreadable(error);
    }
    if (size > maxSize) {
        return tooLarge(size);
    }

    errno = 0;
    std::ifstream in(fsPath, std::ios::binary);
    if (!in) {
        return unreadable(std::make_error_code(errno != 0 ? std::errc(errno) : std::errc::io_error));
    }
    // Read to the end rather than trusting the size taken above: the file may change.
    FileBytes result{FileStatus::kOk, {}, 0, {}};
    result.bytes.reserve(static_cast<std::size_t>(size));
    char chunk[16384];
    while (in.read(chunk, sizeof chunk) || in.gcount() > 0) {
        const auto got = static_cast<std::size_t>(in.gcount());
        if (result.bytes.size() + got > maxSize) {
            return tooLarge(result.bytes.size() + got);
        }
        result.bytes.insert(result.bytes.end(), chunk, chunk + got);
    }
    if (in.bad()) {
        return unreadable(std::make_error_code(std::errc::io_error));
    }
    return result;
}

bool PathExists(const std::string& path)
{
    const std::filesystem::path fsPath = PathFromUtf8(path);
    std::error_code error;
    return !fsPath.empty() && std::filesystem::exists(fsPath, error);
}

std::error_code NotRegularFileError()
{
    static const FileErrorCategory category;
    return {1, category};
}

std::expected<std::filesystem::path, std::error_code> WriteTarget(const std::string& path)
{
    fs::path target = PathFromUtf8(path);
    if (target.empty() || !target.has_filename()) {
        return std::unexpected(std::make_error_code(std::errc::invalid_argument));
    }
    std::error_code error;
    if (fs::is_symlink(fs::symlink_status(target, error))) {
        // Followed to its end; a link to nothing or a loop of links is refused here.
        target = fs::canonical(target, error);
        if (error) {
            return std::unexpected(error);
        }
    }
    const auto state = fs::status(target, error);
    if (state.type() == fs::file_type::not_found) {
        return target;
    }
    if (error) {
        return std::unexpected(error);
    }
    if (fs::is_directory(state)) {
        return std::unexpected(std::make_error_code(std::errc::is_a_directory));
    }
    if (!fs::is_regular_file(state)) {
        return std::unexpected(NotRegularFileError());
    }
    // A read-only file stays as it is, as the system's own writes leave it.
    if ((state.permissions() & fs::perms::owner_write) == fs::perms::none) {
        return std::unexpected(std::make_error_code(std::errc::permission_denied));
    }
    return target;
}

std::size_t RemoveLeftTemporaries(const std::filesystem::path& target)
{
    const std::string name = PathToUtf8(target.filename());
    return name.empty() ? 0 : RemoveLeftTemporariesMatching(target.parent_path(), name);
}

std::size_t RemoveLeftTemporariesIn(const std::filesystem::path& folder)
{
    return RemoveLeftTemporariesMatching(folder, {});
}

std::filesystem::path TemporaryPathBeside(const std::filesystem::path& target)
{
    // The clock keeps two processes apart, the counter two files of this one.
    static std::atomic<unsigned> counter{0};
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::filesystem::path temporary = target;
        temporary += std::string(kTemporaryMark) + std::to_string(stamp) + "-" + std::to_string(counter.fetch_add(1)) +
                     std::string(kTemporaryEnd);
        std::error_code error;
        if (!std::filesystem::exists(temporary, error) && !error) {
            return temporary;
        }
    }
    return {};
}

bool WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes)
{
    std::error_code ignored;
    return WriteFileAtomically(path, bytes, ignored);
}

bool WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes, std::error_code& error)
{
    const auto fail = [&error](std::errc why) {
        if (!error) {
            error = std::make_error_code(why);
        }
        return false;
    };
    error.clear();
    const auto resolved = WriteTarget(path);
    if (!resolved) {
        error = resolved.error();
        return false;
    }
    const fs::path& target = *resolved;
    RemoveLeftTemporaries(target);
    const auto state = fs::status(target, error);
    error.clear();
    const bool replacing = fs::exists(state);

    const std::filesystem::path temporary = TemporaryPathBeside(target);
    if (temporary.empty()) {
        return fail(std::errc::file_exists);
    }

    {
        errno = 0;
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) {
            return fail(errno != 0 ? std::errc(errno) : std::errc::io_error);
        }
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out) {
            const std::errc why = errno != 0 ? std::errc(errno) : std::errc::io_error;
            out.close();
            std::error_code ignored;
            std::filesystem::remove(temporary, ignored);
            return fail(why);
        }
    }
    if (replacing) {
        std::error_code ignored;
        std::filesystem::permissions(temporary, state.permissions(), ignored);
    }
    std::filesystem::rename(temporary, target, error);
    if (error) {
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        return false;
    }
    return true;
}

}  // namespace zalvane::platform
