// The event listener's loop against a scripted port: which reports reach the window, how
// long a read may be, and what happens when the connection changes under a read.

#include "app/event_listener.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <vector>

namespace zalvane::app {
namespace {

class NoEventPort final : public device::HidEventPort {
public:
    std::optional<std::size_t> ReadInputReport(std::span<std::uint8_t>, std::chrono::milliseconds) override
    {
        return 0;
    }
};

// One read as the script plays it: the report that arrives, or a failed read; `during`
// runs while the listener waits for it (a search, an unplug).
struct ScriptedRead {
    std::vector<std::uint8_t> report;
    bool starts = true;
    std::function<void()> during;
};

// Plays the reads in order on the test's thread; when the script is over, the next wait
// stops the listener.
class ScriptedListenerPort final : public ListenerPort {
public:
    explicit ScriptedListenerPort(std::atomic<bool>& stop) : m_stop(stop) {}

    void ResetWake() override {}
    void WaitWake() override
    {
        if (m_current && m_current->during) {
            auto during = std::move(m_current->during);
            during();
        } else if (!m_current) {
            if (idleWakes.empty()) {
                m_stop = true;
                return;
            }
            auto wake = std::move(idleWakes.front());
            idleWakes.pop_front();
            wake();
        }
    }
    bool StartRead(device::HidEventPort& port, std::size_t reportLength) override
    {
        if (reads.empty()) {
            m_stop = true;
            return false;
        }
        readPorts.push_back(&port);
        readLengths.push_back(reportLength);
        m_current = std::move(reads.front());
        reads.pop_front();
        if (!m_current->starts) {
            m_current.reset();
            return false;
        }
        return true;
    }
    std::size_t FinishRead(std::span<std::uint8_t> buffer) override
    {
        bufferSizes.push_back(buffer.size());
        const std::size_t count = std::min(m_current->report.size(), buffer.size());
        std::copy_n(m_current->report.begin(), count, buffer.begin());
        m_current.reset();
        return count;
    }
    void CancelRead() override
    {
        ++cancels;
        m_current.reset();
    }

    std::deque<ScriptedRead> reads;
    std::deque<std::function<void()>> idleWakes;  // what wakes the listener while no read runs
    std::vector<device::HidEventPort*> readPorts;
    std::vector<std::size_t> readLengths;
    std::vector<std::size_t> bufferSizes;
    int cancels = 0;

private:
    std::atomic<bool>& m_stop;
    std::optional<ScriptedRead> m_current;
};

class EventListenerTest : public testing::Test {
protected:
    void Connect(std::uint16_t reportLength = 8)
    {
        connection.SetEvents({eventPort, reportLength});
        connection.SetConnected(true);
    }
    void Run()
    {
        RunEventListener(
            connection, port, [this](std::uint8_t code, std::uint8_t value) { handed.emplace_back(code, value); },
            stop);
    }

    device::ConnectionState connection;
    std::shared_ptr<device::HidEventPort> eventPort = std::make_shared<NoEventPort>();
    std::atomic<bool> stop{false};
    ScriptedListenerPort port{stop};
    std::vector<std::pair<int, int>> handed;
};

TEST_F(EventListenerTest, HandsOverOnlyTheEventsTheProgramActsOn)
{
    Connect();
    const std::vector<std::vector<std::uint8_t>> reports = {
        {6, 7, 3, 3, 0, 0, 0, 0},  // DPI stage 3
        {6, 8, 3, 4, 0, 0, 0, 0},  // another class
        {5, 7, 3, 5, 0, 0, 0, 0},  // another report
        {},                        // nothing transferred
        {6, 7, 9},                 // too short to carry a value: not the last report's bytes
        {6, 7, 9, 2},
    };
    for (const auto& report : reports)
        port.reads.push_back({report});
    Run();
    EXPECT_EQ(handed, (std::vector<std::pair<int, int>>{{3, 3}, {9, 2}}));
}

TEST_F(EventListenerTest, ALongReportIsReadWholeAndCutToTheBuffer)
{
    Connect(64);
    std::vector<std::uint8_t> longReport(64, 0xAB);
    longReport[0] = 6;
    longReport[1] = 7;
    port.reads.push_back({longReport});
    Run();
    EXPECT_EQ(port.readLengths, std::vector<std::size_t>{64});  // the whole report is read
    EXPECT_EQ(port.bufferSizes, std::vector<std::size_t>{kListenerBufferSize});
    EXPECT_EQ(handed, (std::vector<std::pair<int, int>>{{0xAB, 0xAB}}));
}

TEST_F(EventListenerTest, WaitsForAConnectionBeforeReading)
{
    port.idleWakes.push_back([this] { Connect(); });
    port.reads.push_back({{6, 7, 1, 2}});
    Run();
    EXPECT_EQ(port.readPorts.size(), 1u);
    EXPECT_EQ(handed, (std::vector<std::pair<int, int>>{{1, 2}}));
}

TEST_F(EventListenerTest, AReadThatCannotStartWaitsForTheNextSearch)
{
    Connect();
    auto newPort = std::make_shared<NoEventPort>();
    port.reads.push_back({{}, false});
    port.idleWakes.push_back([&] { connection.SetEvents({newPort, 8}); });
    port.reads.push_back({{6, 7, 9, 1}});
    Run();
    ASSERT_EQ(port.readPorts.size(), 2u);
    EXPECT_EQ(port.readPorts[1], newPort.get());
    EXPECT_EQ(handed, (std::vector<std::pair<int, int>>{{9, 1}}));
}

TEST_F(EventListenerTest, AReadIsGivenUpWhenTheConnectionChangesUnderIt)
{
    Connect();
    auto newPort = std::make_shared<NoEventPort>();
    // A search opens another event interface while the first read waits.
    port.reads.push_back({{6, 7, 1, 1}, true, [&] { connection.SetEvents({newPort, 8}); }});
    // The mouse goes away while the second read waits.
    port.reads.push_back({{6, 7, 2, 2}, true, [&] { connection.SetConnected(false); }});
    Run();
    EXPECT_EQ(port.cancels, 2);
    ASSERT_EQ(port.readPorts.size(), 2u);
    EXPECT_EQ(port.readPorts[1], newPort.get());
    EXPECT_TRUE(handed.empty());
}

}  // namespace
}  // namespace zalvane::app
