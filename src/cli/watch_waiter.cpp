#include "cli/watch_waiter.h"

#include <poll.h>
#include <sys/inotify.h>
#include <sys/signalfd.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstring>
#include <utility>

namespace zalvane::cli {
namespace {

sigset_t EndingSignals()
{
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGINT);
    sigaddset(&set, SIGTERM);
    sigaddset(&set, SIGHUP);
    return set;
}

std::string SystemError(std::string_view what) { return std::string(what) + ": " + std::strerror(errno); }

// Reads what is there from a non-blocking descriptor, so that it stops waking the poll.
void Drain(int descriptor)
{
    std::array<char, 4096> buffer{};
    while (read(descriptor, buffer.data(), buffer.size()) > 0) {
    }
}

}  // namespace

WatchWaiter::WatchWaiter(int signals, int changes, const sigset_t& previousMask)
    : m_signals(signals), m_changes(changes), m_previousMask(previousMask)
{
}

WatchWaiter::WatchWaiter(WatchWaiter&& other) noexcept
    : m_signals(std::exchange(other.m_signals, -1)),
      m_changes(std::exchange(other.m_changes, -1)),
      m_previousMask(other.m_previousMask)
{
}

WatchWaiter::~WatchWaiter()
{
    if (m_changes >= 0) {
        close(m_changes);
    }
    if (m_signals >= 0) {
        close(m_signals);
        pthread_sigmask(SIG_SETMASK, &m_previousMask, nullptr);
    }
}

std::expected<WatchWaiter, std::string> WatchWaiter::Open()
{
    const sigset_t ending = EndingSignals();
    sigset_t previous;
    if (pthread_sigmask(SIG_BLOCK, &ending, &previous) != 0) {
        return std::unexpected("the signals cannot be blocked");
    }
    const int signals = signalfd(-1, &ending, SFD_NONBLOCK | SFD_CLOEXEC);
    if (signals < 0) {
        const std::string problem = SystemError("signalfd");
        pthread_sigmask(SIG_SETMASK, &previous, nullptr);
        return std::unexpected(problem);
    }
    const int changes = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (changes < 0) {
        const std::string problem = SystemError("inotify");
        close(signals);
        pthread_sigmask(SIG_SETMASK, &previous, nullptr);
        return std::unexpected(problem);
    }
    return WatchWaiter(signals, changes, previous);
}

std::expected<void, std::string> WatchWaiter::Follow(const std::string& folder)
{
    if (inotify_add_watch(m_changes, folder.c_str(), IN_CREATE | IN_MOVED_TO | IN_CLOSE_WRITE | IN_ATTRIB) < 0) {
        return std::unexpected(SystemError(folder));
    }
    return {};
}

WatchWaiter::Wake WatchWaiter::Wait(std::optional<std::chrono::milliseconds> timeout)
{
    std::array<pollfd, 2> descriptors{{{m_signals, POLLIN, 0}, {m_changes, POLLIN, 0}}};
    const int milliseconds = timeout ? static_cast<int>(timeout->count()) : -1;
    int ready = 0;
    do {
        ready = poll(descriptors.data(), descriptors.size(), milliseconds);
    } while (ready < 0 && errno == EINTR);
    if (ready <= 0) {
        return ready == 0 ? Wake::kTimeout : Wake::kStop;  // a poll that fails cannot wait any more
    }
    if ((descriptors[0].revents & POLLIN) != 0) {
        // Taken here, the signal is not delivered once the mask is restored.
        Drain(m_signals);
        return Wake::kStop;
    }
    Drain(m_changes);
    return Wake::kChange;
}

}  // namespace zalvane::cli
