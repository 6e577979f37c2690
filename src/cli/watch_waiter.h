#pragma once
// How `watch` waits without spinning: on a folder (inotify: a request left in the
// virtual mouse's control folder, a hidraw node appearing in /dev) and on the signals
// that end it (SIGINT, SIGTERM, SIGHUP, taken through a signalfd while they are blocked,
// so that none is lost between two waits). Linux only, as zalvane-cli is.

#include <chrono>
#include <expected>
#include <optional>
#include <string>

#include <signal.h>

namespace zalvane::cli {

class WatchWaiter {
public:
    // Blocks the ending signals for this thread and opens the descriptors.
    static std::expected<WatchWaiter, std::string> Open();
    WatchWaiter(WatchWaiter&& other) noexcept;
    WatchWaiter& operator=(WatchWaiter&&) = delete;
    WatchWaiter(const WatchWaiter&) = delete;
    WatchWaiter& operator=(const WatchWaiter&) = delete;
    // Closes the descriptors and unblocks the signals again.
    ~WatchWaiter();

    // Wakes Wait when a file in `folder` appears, is renamed into it, is written or
    // changes its permissions.
    std::expected<void, std::string> Follow(const std::string& folder);

    enum class Wake { kChange, kStop, kTimeout };
    // Waits for a change in a followed folder or an ending signal, at most `timeout`
    // (nothing: as long as it takes). A signal wins over a change.
    Wake Wait(std::optional<std::chrono::milliseconds> timeout);

private:
    WatchWaiter(int signals, int changes, const sigset_t& previousMask);

    int m_signals = -1;
    int m_changes = -1;
    sigset_t m_previousMask{};
};

}  // namespace zalvane::cli
