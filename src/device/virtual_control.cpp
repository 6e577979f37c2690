#include "device/virtual_control.h"

#include <algorithm>
#include <atomic>
#include <charconv>
#include <chrono>
#include <iomanip>
#include <random>
#include <sstream>
#include <system_error>
#include <vector>

#include "platform/file_io.h"

namespace zalvane::device {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kRequestExtension = ".req";
constexpr std::size_t kLongestRequest = 64;

std::vector<std::string_view> Words(std::string_view text)
{
    std::vector<std::string_view> words;
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t start = text.find_first_not_of(" \t\r\n", at);
        if (start == std::string_view::npos) {
            break;
        }
        const std::size_t end = std::min(text.find_first_of(" \t\r\n", start), text.size());
        words.push_back(text.substr(start, end - start));
        at = end;
    }
    return words;
}

std::optional<std::uint8_t> ParseByte(std::string_view word)
{
    unsigned value = 0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (error != std::errc() || end != word.data() + word.size() || value > 0xFF) {
        return std::nullopt;
    }
    return static_cast<std::uint8_t>(value);
}

// A stamp that grows with every request this process leaves, and with the clock across
// processes, so that file names sort in posting order.
std::string NextStamp()
{
    static std::atomic<long long> last{0};
    const long long now =
        std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::system_clock::now().time_since_epoch())
            .count();
    long long previous = last.load();
    long long stamp = 0;
    do {
        stamp = std::max(now, previous + 1);
    } while (!last.compare_exchange_weak(previous, stamp));
    std::ostringstream text;
    text << std::setfill('0') << std::setw(20) << stamp;
    return text.str();
}

std::string RandomSuffix()
{
    static std::random_device device;
    std::ostringstream text;
    text << std::hex << std::setfill('0') << std::setw(8) << static_cast<unsigned>(device());
    return text.str();
}

bool IsRequestFile(const fs::directory_entry& entry)
{
    const std::string name = platform::PathToUtf8(entry.path().filename());
    std::error_code error;
    return !name.starts_with(".") && name.ends_with(kRequestExtension) && entry.is_regular_file(error);
}

}  // namespace

std::string FormatControlRequest(const ControlRequest& request)
{
    switch (request.kind) {
        case ControlRequest::Kind::kPlug:
            return "plug\n";
        case ControlRequest::Kind::kUnplug:
            return "unplug\n";
        case ControlRequest::Kind::kEvent:
            return "event " + std::to_string(request.code) + " " + std::to_string(request.value) + "\n";
    }
    return {};
}

std::expected<ControlRequest, std::string> ParseControlRequest(std::string_view text)
{
    const std::vector<std::string_view> words = Words(text);
    if (words.size() == 1 && words[0] == "plug") {
        return ControlRequest{ControlRequest::Kind::kPlug};
    }
    if (words.size() == 1 && words[0] == "unplug") {
        return ControlRequest{ControlRequest::Kind::kUnplug};
    }
    if (!words.empty() && words[0] == "event") {
        if (words.size() != 3) {
            return std::unexpected("an event request is \"event CODE VALUE\"");
        }
        const auto code = ParseByte(words[1]);
        const auto value = ParseByte(words[2]);
        if (!code || !value) {
            return std::unexpected("event code and value must be numbers from 0 to 255");
        }
        return ControlRequest{ControlRequest::Kind::kEvent, *code, *value};
    }
    return std::unexpected("not a request (expected \"plug\", \"unplug\" or \"event CODE VALUE\")");
}

VirtualControlFolder::VirtualControlFolder(const std::string& stateFolder)
    : m_folder(platform::PathFromUtf8(stateFolder) / kFolderName)
{
}

std::expected<std::string, std::string> VirtualControlFolder::Create()
{
    std::error_code error;
    fs::create_directories(m_folder, error);
    if (error) {
        return std::unexpected(platform::PathToUtf8(m_folder) + ": cannot create the folder: " + error.message());
    }
    return platform::PathToUtf8(m_folder);
}

std::expected<void, std::string> VirtualControlFolder::Post(const ControlRequest& request)
{
    if (auto created = Create(); !created) {
        return std::unexpected(created.error());
    }
    const std::string text = FormatControlRequest(request);
    const fs::path file = m_folder / (NextStamp() + "-" + RandomSuffix() + std::string(kRequestExtension));
    const std::string path = platform::PathToUtf8(file);
    if (!platform::WriteFileAtomically(path,
                                       std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()))) {
        return std::unexpected(path + ": cannot be written");
    }
    return {};
}

std::optional<fs::path> VirtualControlFolder::OldestRequestFile() const
{
    std::error_code error;
    std::optional<fs::path> oldest;
    for (fs::directory_iterator it(m_folder, error), end; !error && it != end; it.increment(error)) {
        if (IsRequestFile(*it) && (!oldest || it->path().filename() < oldest->filename())) {
            oldest = it->path();
        }
    }
    return oldest;
}

std::optional<std::expected<ControlRequest, std::string>> VirtualControlFolder::TakeNext()
{
    // Another reader may take a file between the listing and the read: then look again.
    for (int attempt = 0; attempt < 16; ++attempt) {
        const std::optional<fs::path> file = OldestRequestFile();
        if (!file) {
            return std::nullopt;
        }
        const std::string path = platform::PathToUtf8(*file);
        const platform::FileBytes bytes = platform::ReadFileBytes(path, kLongestRequest);
        if (bytes.status == platform::FileStatus::kMissing) {
            continue;
        }
        std::error_code error;
        const bool removed = fs::remove(*file, error);
        if (error) {
            // A request that stays would be taken again and again.
            return std::unexpected(path + ": cannot be removed; requests stop here");
        }
        if (!removed) {
            continue;
        }
        if (bytes.status == platform::FileStatus::kTooLarge) {
            return std::unexpected(path + ": too long for a request");
        }
        if (bytes.status != platform::FileStatus::kOk) {
            return std::unexpected(path + ": cannot be read");
        }
        auto request = ParseControlRequest(
            std::string_view(reinterpret_cast<const char*>(bytes.bytes.data()), bytes.bytes.size()));
        if (!request) {
            return std::unexpected(path + ": " + request.error());
        }
        return request;
    }
    return std::nullopt;
}

std::size_t VirtualControlFolder::DiscardPending()
{
    std::size_t removed = 0;
    while (const std::optional<fs::path> file = OldestRequestFile()) {
        std::error_code error;
        if (fs::remove(*file, error)) {
            ++removed;
        } else if (error) {
            break;
        }
    }
    return removed;
}

}  // namespace zalvane::device
