#include "cli/input_files.h"

#include <system_error>

#include "platform/file_io.h"
#include "platform/portable_ini_store.h"

namespace zalvane::cli {
namespace {

std::string Unreadable(const std::string& path, const std::error_code& reason)
{
    return path + ": cannot be read" + (reason ? ": " + reason.message() : " (not a readable regular file)");
}

}  // namespace

std::string ProfileFileMessage(const std::string& path, const settings::ProfileFileProblem& problem)
{
    using Kind = settings::ProfileFileProblem::Kind;
    switch (problem.kind) {
        case Kind::kMissing:
            return path + ": no such file";
        case Kind::kWrongSize:
            return path + ": wrong size: expected " + std::to_string(problem.expectedSize) + " bytes, found " +
                   std::to_string(problem.foundSize);
        case Kind::kUnreadable:
            break;
    }
    return Unreadable(path, problem.reason);
}

std::expected<void, std::string> CheckTextFile(const std::string& path)
{
    const auto limit = platform::PortableIniStore::kMaxFileSize;
    const platform::FileBytes file = platform::ReadFileBytes(path, limit);
    switch (file.status) {
        case platform::FileStatus::kMissing:
            return std::unexpected(path + ": no such file");
        case platform::FileStatus::kUnreadable:
            return std::unexpected(Unreadable(path, file.error));
        case platform::FileStatus::kTooLarge:
            return std::unexpected(path + ": too large for a text file (" + std::to_string(file.foundSize) +
                                   " bytes, at most " + std::to_string(limit) + ")");
        case platform::FileStatus::kOk:
            break;
    }
    return {};
}

}  // namespace zalvane::cli
