#include "device/virtual_bus.h"

#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <functional>
#include <thread>

#include "device/device_commands.h"
#include "device/find_mouse.h"
#include "device/virtual_mouse_store.h"
#include "platform/folder_watch.h"
#include "platform/pacer.h"
#include "unit/support/byte_files.h"

namespace zalvane::device {
namespace {

using Bytes = std::vector<std::uint8_t>;
using namespace std::chrono_literals;

// Long enough never to run out on a slow machine; a read that should return at once
// and does not shows up as a slow test, not a hang.
constexpr auto kLongWait = 10s;

VirtualBus OpenBus(const std::string& folder)
{
    auto bus = VirtualBus::Open(folder);
    EXPECT_TRUE(bus.has_value()) << bus.error();
    return std::move(*bus);
}

// One event read as the listener makes it, given up after `timeout`: the report, nothing
// when none came in time, nullopt when the interface is gone.
std::optional<Bytes> ReadEvent(platform::HidEventPort& port, std::chrono::milliseconds timeout)
{
    platform::PortableWakeEvent wake;
    if (!port.StartRead(kEventReportSize, wake)) {
        return std::nullopt;
    }
    if (!wake.WaitFor(timeout)) {
        EXPECT_FALSE(port.ReadEnded());
        port.CancelRead();
        return Bytes{};
    }
    EXPECT_TRUE(port.ReadEnded()) << "only the read's end sets the wake event here";
    Bytes buffer(40, 0xEE);
    const auto read = port.FinishRead(buffer);
    if (!read) {
        return std::nullopt;
    }
    buffer.resize(*read);
    return buffer;
}

std::uint8_t ProfileNumber(platform::HidPort& port)
{
    platform::RecordingPacer pacer;
    CommandLink link{port, pacer};
    settings::SettingsImage image;
    EXPECT_TRUE(ReadDeviceProfileNumber(link, image));
    return image[settings::SettingsImage::kDeviceProfileNumber];
}

TEST(VirtualBusTest, TheSearchFindsBothInterfacesOfThePluggedMouse)
{
    test::TempFolder temp;
    VirtualMouseMemory memory = FactoryMemory();
    memory.profileNumber = 4;
    ASSERT_TRUE(VirtualMouseStore(temp.File("mouse")).Save(memory).has_value());
    VirtualBus bus = OpenBus(temp.File("mouse"));

    // Among the other devices the listing shows the mouse's collections under one
    // vendor and product, as the device-change handler matches them.
    auto list = bus.ListInterfaces();
    std::size_t ofTheMouse = 0;
    std::size_t count = 0;
    for (; list->Path(count); ++count) {
        ofTheMouse += list->Path(count)->find("VID_04D9&PID_A11B") != std::string::npos;
    }
    EXPECT_EQ(ofTheMouse, 4u);
    EXPECT_GT(count, ofTheMouse);
    EXPECT_EQ(list->Path(count).error(), HidEnumError::kNoMoreItems);

    int wakes = 0;
    ConnectionState state([&] { ++wakes; });
    const SearchResult result = FindMouse(bus, state);
    ASSERT_TRUE(result.Found());
    EXPECT_NE(result.path.find("VID_04D9&PID_A11B"), std::string::npos);
    EXPECT_EQ(wakes, 1);
    EXPECT_EQ(state.command.featureReportLength, 9);
    EXPECT_EQ(state.command.inputReportLength, 65);
    EXPECT_EQ(state.Events().inputReportLength, 8);
    EXPECT_EQ(ProfileNumber(*state.command.port), 4);
}

TEST(VirtualBusTest, UnpluggingEndsTheOpenPortsAndPluggingInNeedsANewSearch)
{
    test::TempFolder temp;
    VirtualBus bus = OpenBus(temp.File("mouse"));
    ConnectionState state;
    ASSERT_TRUE(FindMouse(bus, state).Found());
    std::unique_ptr<platform::HidPort> oldCommand = std::move(state.command.port);
    const std::shared_ptr<platform::HidEventPort> oldEvents = state.Events().port;
    auto listBefore = bus.ListInterfaces();

    EXPECT_TRUE(bus.SetPlugged(false));
    EXPECT_FALSE(bus.SetPlugged(false));
    const std::array<std::uint8_t, 9> report = FeatureReportFor({command::kReadProfileNumber});
    EXPECT_FALSE(oldCommand->SendFeatureReport(report));
    EXPECT_EQ(ReadEvent(*oldEvents, kLongWait), std::nullopt);
    // A listing taken while it was there no longer opens it.
    EXPECT_EQ(listBefore->OpenForQuery(5), nullptr);
    EXPECT_EQ(listBefore->OpenCommandInterface(5), nullptr);

    ConnectionState gone;
    EXPECT_EQ(FindMouse(bus, gone).end, SearchEnd::kNoMouse);
    EXPECT_FALSE(gone.Connected());

    EXPECT_TRUE(bus.SetPlugged(true));
    EXPECT_FALSE(oldCommand->SendFeatureReport(report)) << "a port of the last plug-in stays closed";
    EXPECT_EQ(ReadEvent(*oldEvents, 0ms), std::nullopt);
    ASSERT_TRUE(FindMouse(bus, state).Found());
    EXPECT_TRUE(state.command.port->SendFeatureReport(report));
    EXPECT_EQ(ReadEvent(*state.Events().port, 0ms), Bytes{});
}

TEST(VirtualBusTest, EventReportsReachTheEventPortWhileTheMouseIsPlugged)
{
    test::TempFolder temp;
    VirtualBus bus = OpenBus(temp.File("mouse"));
    ConnectionState state;
    ASSERT_TRUE(FindMouse(bus, state).Found());
    platform::HidEventPort& events = *state.Events().port;

    EXPECT_EQ(ReadEvent(events, 0ms), Bytes{}) << "nothing queued: the read times out";
    ASSERT_TRUE(bus.InjectEvent(2, 5));
    ASSERT_TRUE(bus.InjectEvent(9, 3));
    EXPECT_EQ(ReadEvent(events, 0ms), (Bytes{6, 7, 2, 5, 0, 0, 0, 0}));
    EXPECT_EQ(ReadEvent(events, 0ms), (Bytes{6, 7, 9, 3, 0, 0, 0, 0}));

    // Reports queued when the mouse goes away go with it; none can be sent while away.
    ASSERT_TRUE(bus.InjectEvent(1, 1));
    bus.SetPlugged(false);
    EXPECT_FALSE(bus.InjectEvent(1, 2));
    bus.SetPlugged(true);
    ASSERT_TRUE(FindMouse(bus, state).Found());
    EXPECT_EQ(ReadEvent(*state.Events().port, 0ms), Bytes{});
}

TEST(VirtualBusTest, AWaitingReadWakesForAnEventFromAnotherThread)
{
    test::TempFolder temp;
    VirtualBus bus = OpenBus(temp.File("mouse"));
    ConnectionState state;
    ASSERT_TRUE(FindMouse(bus, state).Found());
    const std::shared_ptr<platform::HidEventPort> events = state.Events().port;

    std::optional<Bytes> received;
    std::thread listener([&] { received = ReadEvent(*events, kLongWait); });
    std::this_thread::sleep_for(20ms);
    ASSERT_TRUE(bus.InjectEvent(3, 7));
    listener.join();
    EXPECT_EQ(received, (Bytes{6, 7, 3, 7, 0, 0, 0, 0}));

    // An unplug ends a waiting read too.
    std::optional<Bytes> afterUnplug = Bytes{};
    std::thread waiting([&] { afterUnplug = ReadEvent(*events, kLongWait); });
    std::this_thread::sleep_for(20ms);
    bus.SetPlugged(false);
    waiting.join();
    EXPECT_EQ(afterUnplug, std::nullopt);
}

TEST(VirtualBusTest, ControlRequestsFromAnotherProcessApplyInOrder)
{
    test::TempFolder temp;
    const std::string folder = temp.File("mouse");
    VirtualBus bus = OpenBus(folder);
    ConnectionState state;
    ASSERT_TRUE(FindMouse(bus, state).Found());
    EXPECT_FALSE(bus.PollControl().has_value());

    ASSERT_TRUE(PostEvent(folder, 1, 4).has_value());
    ASSERT_TRUE(PostPlugged(folder, false).has_value());
    ASSERT_TRUE(PostEvent(folder, 9, 2).has_value());
    ASSERT_TRUE(PostPlugged(folder, false).has_value());
    ASSERT_TRUE(PostPlugged(folder, true).has_value());

    struct Step {
        ControlRequest request;
        bool changed;
        bool pluggedAfter;
    };
    const Step steps[] = {
        {{ControlRequest::Kind::kEvent, 1, 4}, true, true},   {{ControlRequest::Kind::kUnplug}, true, false},
        {{ControlRequest::Kind::kEvent, 9, 2}, false, false},  // nobody there to send it
        {{ControlRequest::Kind::kUnplug}, false, false},      {{ControlRequest::Kind::kPlug}, true, true},
    };
    std::optional<Bytes> eventBeforeUnplug;
    for (const Step& step : steps) {
        SCOPED_TRACE(FormatControlRequest(step.request));
        auto polled = bus.PollControl();
        ASSERT_TRUE(polled.has_value() && polled->has_value());
        EXPECT_EQ((*polled)->request, step.request);
        EXPECT_EQ((*polled)->changed, step.changed);
        EXPECT_EQ(bus.Plugged(), step.pluggedAfter);
        if (!eventBeforeUnplug) {
            eventBeforeUnplug = ReadEvent(*state.Events().port, 0ms);
        }
    }
    EXPECT_EQ(eventBeforeUnplug, (Bytes{6, 7, 1, 4, 0, 0, 0, 0}));
    EXPECT_FALSE(bus.PollControl().has_value());

    // A bad request file is dropped and named; the next poll goes on.
    test::WriteRawFile((std::filesystem::path(folder) / "control" / "00000000000000000001-0.req").string(), "?");
    auto bad = bus.PollControl();
    ASSERT_TRUE(bad.has_value());
    EXPECT_FALSE(bad->has_value());
    EXPECT_FALSE(bus.PollControl().has_value());
}

// Another process's unplug reaches an open command port at its next transfer, before the
// running program takes the request from the control folder: the port then fails as a
// real one does when the cable is pulled, also after a replug.
TEST(VirtualBusTest, AnUnplugLeftInTheFolderEndsTheOpenCommandPortAtOnce)
{
    test::TempFolder temp;
    const std::string folder = temp.File("mouse");
    VirtualBus bus = OpenBus(folder);
    ConnectionState state;
    ASSERT_TRUE(FindMouse(bus, state).Found());
    platform::HidPort& port = *state.command.port;
    const std::array<std::uint8_t, 9> report = FeatureReportFor({command::kReadProfileNumber});
    ASSERT_TRUE(port.SendFeatureReport(report));

    ASSERT_TRUE(PostPlugged(folder, false).has_value());
    Bytes buffer(65, 0xEE);
    EXPECT_FALSE(port.SendFeatureReport(report));
    EXPECT_FALSE(port.GetFeatureReport(buffer));
    EXPECT_FALSE(port.WriteOutputReport(Bytes(65, 0)));
    EXPECT_FALSE(port.ReadInputReport(buffer, kLongWait).has_value()) << "a read fails, at once";
    ASSERT_TRUE(PostPlugged(folder, true).has_value());
    EXPECT_FALSE(port.SendFeatureReport(report)) << "the port of the last plug-in stays closed";

    // A run that starts after the replug has the mouse again.
    VirtualBus next = OpenBus(folder);
    EXPECT_EQ(next.DiscardControlRequests(), 2u);
    ConnectionState found;
    ASSERT_TRUE(FindMouse(next, found).Found());
    EXPECT_TRUE(found.command.port->SendFeatureReport(report));

    // Only a rewrite counts: a folder that said "unplugged" when a port was opened (the
    // program plugged the mouse in itself) leaves that port working.
    ASSERT_TRUE(PostPlugged(folder, false).has_value());
    VirtualBus unpluggedAtStart = OpenBus(folder);
    unpluggedAtStart.SetPlugged(true);
    ConnectionState plugged;
    ASSERT_TRUE(FindMouse(unpluggedAtStart, plugged).Found());
    EXPECT_TRUE(plugged.command.port->SendFeatureReport(report));
}

// A folder watch whose changes are the test's: each wait makes the next one (another
// process leaving requests), and the wait after the last is the stop.
class ScriptedWatch final : public platform::FolderWatch {
public:
    bool WaitForChange() override
    {
        ++waits;
        if (changes.empty()) {
            return false;
        }
        auto change = std::move(changes.front());
        changes.pop_front();
        change();
        return true;
    }
    void Stop() override { changes.clear(); }

    std::deque<std::function<void()>> changes;
    int waits = 0;
};

TEST(VirtualBusTest, ServingTakesTheRequestsEachTimeTheFolderChangesUntilStopped)
{
    test::TempFolder temp;
    const std::string folder = temp.File("mouse");
    VirtualBus bus = OpenBus(folder);
    const auto control = bus.PrepareControlFolder();
    ASSERT_TRUE(control.has_value()) << control.error();
    EXPECT_TRUE(std::filesystem::is_directory(std::filesystem::path(*control)));

    ASSERT_TRUE(PostEvent(folder, 1, 4).has_value());  // left before serving began
    ScriptedWatch watch;
    watch.changes.push_back([&] {
        ASSERT_TRUE(PostPlugged(folder, false).has_value());
        ASSERT_TRUE(PostEvent(folder, 9, 2).has_value());
    });
    watch.changes.push_back([&] {
        test::WriteRawFile((std::filesystem::path(*control) / "00000000000000000001-0.req").string(), "?");
        ASSERT_TRUE(PostPlugged(folder, true).has_value());
    });
    watch.changes.push_back([] {});  // a change that left nothing to take

    std::vector<std::pair<ControlRequest, bool>> applied;
    bus.ServeControl(watch,
                     [&](const VirtualBus::ControlStep& step) { applied.emplace_back(step.request, step.changed); });
    const std::vector<std::pair<ControlRequest, bool>> expected = {
        {{ControlRequest::Kind::kEvent, 1, 4}, true},
        {{ControlRequest::Kind::kUnplug}, true},
        {{ControlRequest::Kind::kEvent, 9, 2}, false},  // nobody there to send it
        {{ControlRequest::Kind::kPlug}, true},          // the bad file before it is dropped
    };
    EXPECT_EQ(applied, expected);
    EXPECT_EQ(watch.waits, 4);
    EXPECT_FALSE(bus.PollControl().has_value());
}

TEST(VirtualBusTest, ThePlugStateInTheFolderIsWhereANewRunStarts)
{
    test::TempFolder temp;
    const std::string folder = temp.File("mouse");
    EXPECT_TRUE(OpenBus(folder).Plugged()) << "a new virtual mouse is plugged in";

    ASSERT_TRUE(PostPlugged(folder, false).has_value());
    VirtualBus bus = OpenBus(folder);
    EXPECT_FALSE(bus.Plugged());
    EXPECT_EQ(bus.DiscardControlRequests(), 1u) << "the request was for a program already running";
    ConnectionState state;
    EXPECT_FALSE(FindMouse(bus, state).Found());

    ASSERT_TRUE(PostPlugged(folder, true).has_value());
    EXPECT_TRUE(OpenBus(folder).Plugged());

    const std::string plugFile = (std::filesystem::path(folder) / "plug.txt").string();
    test::WriteRawFile(plugFile, "maybe\n");
    const auto damaged = VirtualBus::Open(folder);
    ASSERT_FALSE(damaged.has_value());
    EXPECT_NE(damaged.error().find(plugFile), std::string::npos) << damaged.error();
}

TEST(VirtualBusTest, WhatTheHostWritesIsKeptInTheFolder)
{
    test::TempFolder temp;
    const std::string folder = temp.File("mouse");
    {
        VirtualBus bus = OpenBus(folder);
        ConnectionState state;
        ASSERT_TRUE(FindMouse(bus, state).Found());
        platform::RecordingPacer pacer;
        CommandLink link{*state.command.port, pacer};
        EXPECT_TRUE(SelectProfile(link, 3));
        EXPECT_EQ(bus.Memory().selectedProfile, 3);
        EXPECT_EQ(bus.Problem(), std::nullopt);
    }
    auto memory = VirtualMouseStore(folder).Load();
    ASSERT_TRUE(memory.has_value()) << memory.error();
    EXPECT_EQ(memory->selectedProfile, 3);
}

}  // namespace
}  // namespace zalvane::device
