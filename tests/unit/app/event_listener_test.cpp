// The event listener's loop against a scripted event port and wake event: which reports
// reach the window, how long a read may be, and what happens when the connection changes
// under a read.

#include "app/event_listener.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <optional>
#include <vector>

namespace zalvane::app {
namespace {

// One read as the script plays it: the report that arrives, or a read that cannot start;
// `during` runs while the listener waits for it (a search, an unplug); `wakesBeforeEnd`
// wakes come while the read is still under way.
struct ScriptedRead {
    std::vector<std::uint8_t> report;
    bool starts = true;
    std::function<void()> during;
    int wakesBeforeEnd = 0;
};

// What the listener did, and what is still to come, shared by every port of a test.
struct Script {
    std::deque<ScriptedRead> reads;
    std::deque<std::function<void()>> idleWakes;  // what wakes the listener while no read runs
    std::optional<ScriptedRead> current;
    std::vector<const platform::HidEventPort*> readPorts;
    std::vector<std::size_t> readLengths;
    std::vector<std::size_t> bufferSizes;
    int cancels = 0;
    std::atomic<bool> stop{false};
};

class ScriptedEventPort final : public platform::HidEventPort {
public:
    explicit ScriptedEventPort(Script& script) : m_script(script) {}

    bool StartRead(std::size_t reportLength, platform::WakeEvent&) override
    {
        if (m_script.reads.empty()) {
            m_script.stop = true;
            return false;
        }
        m_script.readPorts.push_back(this);
        m_script.readLengths.push_back(reportLength);
        m_script.current = std::move(m_script.reads.front());
        m_script.reads.pop_front();
        if (!m_script.current->starts) {
            m_script.current.reset();
            return false;
        }
        return true;
    }
    bool ReadEnded() override
    {
        if (!m_script.current) {
            return false;
        }
        return m_script.current->wakesBeforeEnd-- <= 0;
    }
    std::optional<std::size_t> FinishRead(std::span<std::uint8_t> buffer) override
    {
        m_script.bufferSizes.push_back(buffer.size());
        const std::size_t count = std::min(m_script.current->report.size(), buffer.size());
        std::copy_n(m_script.current->report.begin(), count, buffer.begin());
        m_script.current.reset();
        return count;
    }
    void CancelRead() override
    {
        ++m_script.cancels;
        m_script.current.reset();
    }

private:
    Script& m_script;
};

// Plays the script on the test's thread; when it is over, the next wait stops the listener.
class ScriptedWake final : public platform::WakeEvent {
public:
    explicit ScriptedWake(Script& script) : m_script(script) {}

    void Set() override {}
    void Reset() override {}
    void Wait() override
    {
        if (m_script.current) {
            if (auto during = std::exchange(m_script.current->during, {})) {
                during();
            }
            return;  // the read ended (or a wake came)
        }
        if (m_script.idleWakes.empty()) {
            m_script.stop = true;
            return;
        }
        auto wake = std::move(m_script.idleWakes.front());
        m_script.idleWakes.pop_front();
        wake();
    }

private:
    Script& m_script;
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
            connection, wake, [this](std::uint8_t code, std::uint8_t value) { handed.emplace_back(code, value); },
            script.stop);
    }

    Script script;
    ScriptedWake wake{script};
    device::ConnectionState connection;
    std::shared_ptr<platform::HidEventPort> eventPort = std::make_shared<ScriptedEventPort>(script);
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
    for (const auto& report : reports) {
        script.reads.push_back({report});
    }
    Run();
    EXPECT_EQ(handed, (std::vector<std::pair<int, int>>{{3, 3}, {9, 2}}));
}

TEST_F(EventListenerTest, ALongReportIsReadWholeAndCutToTheBuffer)
{
    Connect(64);
    std::vector<std::uint8_t> longReport(64, 0xAB);
    longReport[0] = 6;
    longReport[1] = 7;
    script.reads.push_back({longReport});
    Run();
    EXPECT_EQ(script.readLengths, std::vector<std::size_t>{64});  // the whole report is read
    EXPECT_EQ(script.bufferSizes, std::vector<std::size_t>{kListenerBufferSize});
    EXPECT_EQ(handed, (std::vector<std::pair<int, int>>{{0xAB, 0xAB}}));
}

TEST_F(EventListenerTest, WaitsForAConnectionBeforeReading)
{
    script.idleWakes.push_back([this] { Connect(); });
    script.reads.push_back({{6, 7, 1, 2}});
    Run();
    EXPECT_EQ(script.readPorts.size(), 1u);
    EXPECT_EQ(handed, (std::vector<std::pair<int, int>>{{1, 2}}));
}

TEST_F(EventListenerTest, AReadThatCannotStartWaitsForTheNextSearch)
{
    Connect();
    auto newPort = std::make_shared<ScriptedEventPort>(script);
    script.reads.push_back({{}, false});
    script.idleWakes.push_back([&] { connection.SetEvents({newPort, 8}); });
    script.reads.push_back({{6, 7, 9, 1}});
    Run();
    ASSERT_EQ(script.readPorts.size(), 2u);
    EXPECT_EQ(script.readPorts[1], newPort.get());
    EXPECT_EQ(handed, (std::vector<std::pair<int, int>>{{9, 1}}));
}

TEST_F(EventListenerTest, AReadIsGivenUpWhenTheConnectionChangesUnderIt)
{
    Connect();
    auto newPort = std::make_shared<ScriptedEventPort>(script);
    // A search opens another event interface while the first read waits.
    script.reads.push_back({{6, 7, 1, 1}, true, [&] { connection.SetEvents({newPort, 8}); }});
    // The mouse goes away while the second read waits.
    script.reads.push_back({{6, 7, 2, 2}, true, [&] { connection.SetConnected(false); }});
    Run();
    EXPECT_EQ(script.cancels, 2);
    ASSERT_EQ(script.readPorts.size(), 2u);
    EXPECT_EQ(script.readPorts[1], newPort.get());
    EXPECT_TRUE(handed.empty());
}

TEST_F(EventListenerTest, AWakeThatLeavesTheInterfaceAsItWasLetsTheReadGoOn)
{
    // A successful search wakes the listener once more after it stored the interface: the
    // read under way is neither given up nor started again.
    Connect();
    script.reads.push_back({{6, 7, 2, 4}, true, {}, 2});
    Run();
    EXPECT_EQ(script.readPorts.size(), 1u);
    EXPECT_EQ(script.cancels, 0);
    EXPECT_EQ(handed, (std::vector<std::pair<int, int>>{{2, 4}}));
}

}  // namespace
}  // namespace zalvane::app
