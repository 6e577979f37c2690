// watch, run as the program it is (a process of its own, ended by a signal), following
// the virtual mouse that other zalvane-cli commands play.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>

#include "unit/support/cli_runner.h"
#include "unit/support/program_folder.h"

extern char** environ;

namespace zalvane::cli {
namespace {

using namespace std::chrono_literals;

// zalvane-cli in a process of its own, its standard output read line by line.
class CliProcess {
public:
    explicit CliProcess(std::vector<std::string> args)
    {
        args.insert(args.begin(), ZALVANE_CLI_PATH);
        int pipeEnds[2];
        if (pipe2(pipeEnds, O_CLOEXEC) != 0) {
            return;
        }
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
        std::vector<char*> argv;
        for (auto& arg : args) {
            argv.push_back(arg.data());
        }
        argv.push_back(nullptr);
        if (posix_spawn(&m_pid, argv[0], &actions, nullptr, argv.data(), environ) != 0) {
            m_pid = -1;
        }
        posix_spawn_file_actions_destroy(&actions);
        close(pipeEnds[1]);
        m_out = pipeEnds[0];
    }
    ~CliProcess()
    {
        if (m_pid > 0) {
            kill(m_pid, SIGKILL);
            waitpid(m_pid, nullptr, 0);
        }
        if (m_out >= 0) {
            close(m_out);
        }
    }
    CliProcess(const CliProcess&) = delete;
    CliProcess& operator=(const CliProcess&) = delete;

    // The next line, or what came before `timeout` ran out.
    std::string Line(std::chrono::milliseconds timeout = 10s)
    {
        const auto deadline = std::chrono::steady_clock::now() + timeout;
        while (m_buffer.find('\n') == std::string::npos) {
            const auto left =
                std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
            pollfd readable{m_out, POLLIN, 0};
            if (left.count() <= 0 || poll(&readable, 1, static_cast<int>(left.count())) <= 0) {
                return std::exchange(m_buffer, "") + " (no line in time)";
            }
            char chunk[256];
            const ssize_t got = read(m_out, chunk, sizeof chunk);
            if (got <= 0) {
                return std::exchange(m_buffer, "") + " (end of output)";
            }
            m_buffer.append(chunk, static_cast<std::size_t>(got));
        }
        const std::size_t lineEnd = m_buffer.find('\n');
        std::string line = m_buffer.substr(0, lineEnd);
        m_buffer.erase(0, lineEnd + 1);
        return line;
    }

    // Sends `signal` and returns the exit status, or -1 when it did not exit by itself.
    int Stop(int signal)
    {
        kill(m_pid, signal);
        int status = 0;
        waitpid(m_pid, &status, 0);
        m_pid = -1;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

private:
    pid_t m_pid = -1;
    int m_out = -1;
    std::string m_buffer;
};

TEST(WatchTest, FollowsTheVirtualMousesEventsPlugAndUnplug)
{
    test::TempFolder temp;
    const std::string mouse = temp.File("mouse");
    const auto play = [&](std::vector<std::string> args) {
        args.insert(args.begin(), {"--virtual-mouse", mouse});
        EXPECT_EQ(test::RunCli(args).status, 0);
    };
    // A request left before the watch starts is not the watch's.
    play({"event", "9", "1"});
    for (const bool json : {false, true}) {
        SCOPED_TRACE(json);
        CliProcess watch(json ? std::vector<std::string>{"--virtual-mouse", mouse, "watch", "--json"}
                              : std::vector<std::string>{"--virtual-mouse", mouse, "watch"});
        EXPECT_EQ(watch.Line(), json ? R"({"event":"connected","mouse":"virtual mouse in )" + mouse + "\"}"
                                     : "connected: virtual mouse in " + mouse);
        // Each request waits for the line of the one before: an unplug left while the
        // watch still reads a stage's DPI would end that read, as a pulled cable does.
        const auto lineAfter = [&](std::vector<std::string> request) {
            play(std::move(request));
            return watch.Line();
        };
        if (json) {
            EXPECT_EQ(lineAfter({"event", "1", "3"}), R"({"event":"dpi-stage","code":1,"stage":3,"dpi":1200,)"
                                                      R"("text":"Switch DPI into the third stage 1200"})");
            EXPECT_EQ(lineAfter({"event", "9", "2"}),
                      R"({"event":"macro","code":9,"macro":2,"text":"Switch to macro key2"})");
            EXPECT_EQ(lineAfter({"event", "5", "1"}), R"({"event":"other","code":5,"value":1})");
            EXPECT_EQ(lineAfter({"unplug"}).rfind(R"({"event":"disconnected","reason":"no mouse found)", 0), 0u);
            EXPECT_EQ(lineAfter({"plug"}).rfind(R"({"event":"connected")", 0), 0u);
            EXPECT_EQ(lineAfter({"event", "3", "7"}).rfind(R"({"event":"dpi-stage","code":3,"stage":7,"dpi":5000,)", 0),
                      0u);
        } else {
            EXPECT_EQ(lineAfter({"event", "1", "3"}), "DPI stage 3: 1200 DPI");
            EXPECT_EQ(lineAfter({"event", "9", "2"}), "macro 2");
            EXPECT_EQ(lineAfter({"event", "5", "1"}), "event code 5, value 1");
            EXPECT_EQ(lineAfter({"unplug"}).rfind("disconnected: no mouse found", 0), 0u);
            EXPECT_EQ(lineAfter({"plug"}), "connected: virtual mouse in " + mouse);
            EXPECT_EQ(lineAfter({"event", "3", "7"}), "DPI stage 7: 5000 DPI");
        }
        EXPECT_EQ(watch.Stop(json ? SIGTERM : SIGINT), 0);
    }
}

TEST(WatchTest, StartsWithoutAMouseAndWaitsForOne)
{
    test::TempFolder temp;
    const std::string mouse = temp.File("mouse");
    ASSERT_EQ(test::RunCli({"--virtual-mouse", mouse, "unplug"}).status, 0);
    CliProcess watch({"--virtual-mouse", mouse, "watch"});
    EXPECT_EQ(watch.Line().rfind("disconnected: no mouse found", 0), 0u);
    ASSERT_EQ(test::RunCli({"--virtual-mouse", mouse, "plug"}).status, 0);
    EXPECT_EQ(watch.Line(), "connected: virtual mouse in " + mouse);
    EXPECT_EQ(watch.Stop(SIGHUP), 0);
}

}  // namespace
}  // namespace zalvane::cli
