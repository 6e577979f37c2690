#pragma once
// The control folder of a virtual mouse ("control" inside its state folder): another
// process (zalvane-cli, a test) leaves requests there for the program that has the
// mouse open, one file per request, and that program takes them in the order they were
// left, each consumed when read. The reader looks when it chooses to, or each time the
// folder changed (VirtualBus::ServeControl).
//
// A request file holds one line: "plug", "unplug" or "event CODE VALUE" (decimal 0-255).
// Its name is "<20-digit time stamp>-<8 hex digits>.req", so that names sort in the order
// the requests were left; it is written under a name starting with "." and then renamed,
// so a reader never sees half a request.

#include <cstdint>
#include <expected>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace zalvane::device {

struct ControlRequest {
    enum class Kind { kPlug, kUnplug, kEvent };
    Kind kind = Kind::kPlug;
    std::uint8_t code = 0;   // event only
    std::uint8_t value = 0;  // event only

    friend bool operator==(const ControlRequest&, const ControlRequest&) = default;
};

std::string FormatControlRequest(const ControlRequest& request);
// The request of a file's text; what is wrong with it otherwise.
std::expected<ControlRequest, std::string> ParseControlRequest(std::string_view text);

class VirtualControlFolder {
public:
    static constexpr const char* kFolderName = "control";

    // `stateFolder` is the virtual mouse's state folder, UTF-8.
    explicit VirtualControlFolder(const std::string& stateFolder);

    // Leaves a request; creates the control folder when missing.
    std::expected<void, std::string> Post(const ControlRequest& request);

    // Creates the control folder when missing; its path (UTF-8), or what went wrong.
    std::expected<std::string, std::string> Create();

    // Takes the oldest request and removes its file; nullopt when none waits. A file that
    // holds no request is removed too, and what was wrong with it is returned.
    std::optional<std::expected<ControlRequest, std::string>> TakeNext();

    // Removes every waiting request (a program starting up ignores what was left for an
    // earlier run). Returns how many were removed.
    std::size_t DiscardPending();

    const std::filesystem::path& Folder() const { return m_folder; }

private:
    std::optional<std::filesystem::path> OldestRequestFile() const;

    std::filesystem::path m_folder;
};

}  // namespace zalvane::device
