#include "device/find_mouse.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace zalvane::device {
namespace {

// One interface of a scripted bus: what it answers and which opens fail.
struct ScriptedInterface {
    std::string path;
    std::optional<HidAttributes> attributes;
    std::optional<HidCapabilities> caps;
    bool queryOpens = true;
    bool eventOpens = true;
    bool commandOpens = true;
};

// Ports that only say which interface they were opened on.
struct TaggedEventPort final : platform::HidEventPort {
    explicit TaggedEventPort(std::string p) : path(std::move(p)) {}
    bool StartRead(std::size_t, platform::WakeEvent&) override { return false; }
    bool ReadEnded() override { return false; }
    std::optional<std::size_t> FinishRead(std::span<std::uint8_t>) override { return std::nullopt; }
    void CancelRead() override {}
    std::string path;
};

struct TaggedCommandPort final : platform::HidPort {
    explicit TaggedCommandPort(std::string p) : path(std::move(p)) {}
    bool SendFeatureReport(std::span<const std::uint8_t>) override { return true; }
    bool GetFeatureReport(std::span<std::uint8_t>) override { return true; }
    bool WriteOutputReport(std::span<const std::uint8_t>) override { return true; }
    std::optional<std::size_t> ReadInputReport(std::span<std::uint8_t>, std::chrono::milliseconds) override
    {
        return 0;
    }
    std::string path;
};

// What the search did on the bus.
struct BusLog {
    std::vector<std::size_t> queried;
    std::size_t queriesOpen = 0;  // query handles not yet closed
};

struct ScriptedQuery final : HidQuery {
    ScriptedQuery(const ScriptedInterface& i, BusLog& l) : entry(i), log(l) { ++log.queriesOpen; }
    ~ScriptedQuery() override { --log.queriesOpen; }
    std::optional<HidAttributes> Attributes() override { return entry.attributes; }
    std::optional<HidCapabilities> Capabilities() override { return entry.caps; }
    const ScriptedInterface& entry;
    BusLog& log;
};

struct ScriptedList final : HidInterfaceList {
    ScriptedList(const std::vector<ScriptedInterface>& i, std::optional<std::size_t> f, BusLog& l)
        : interfaces(i), failAt(f), log(l)
    {
    }
    std::expected<std::string, HidEnumError> Path(std::size_t index) override
    {
        if (failAt && index == *failAt) {
            return std::unexpected(HidEnumError::kFailed);
        }
        if (index >= interfaces.size()) {
            return std::unexpected(HidEnumError::kNoMoreItems);
        }
        return interfaces[index].path;
    }
    std::unique_ptr<HidQuery> OpenForQuery(std::size_t index) override
    {
        log.queried.push_back(index);
        return interfaces[index].queryOpens ? std::make_unique<ScriptedQuery>(interfaces[index], log) : nullptr;
    }
    std::unique_ptr<platform::HidEventPort> OpenEventInterface(std::size_t index) override
    {
        return interfaces[index].eventOpens ? std::make_unique<TaggedEventPort>(interfaces[index].path) : nullptr;
    }
    std::unique_ptr<platform::HidPort> OpenCommandInterface(std::size_t index) override
    {
        return interfaces[index].commandOpens ? std::make_unique<TaggedCommandPort>(interfaces[index].path) : nullptr;
    }
    const std::vector<ScriptedInterface>& interfaces;
    std::optional<std::size_t> failAt;
    BusLog& log;
};

struct ScriptedBus final : HidBus {
    std::unique_ptr<HidInterfaceList> ListInterfaces() override
    {
        return listFails ? nullptr : std::make_unique<ScriptedList>(interfaces, failAt, log);
    }
    std::vector<ScriptedInterface> interfaces;
    bool listFails = false;
    std::optional<std::size_t> failAt;  // Path fails with kFailed at this index
    BusLog log;
};

constexpr HidAttributes kMouse{0x04D9, 0xA11B};
constexpr HidCapabilities kCommandCaps{0xFF00, 0xFF00, 65, 65, 9};
constexpr HidCapabilities kEventCaps{0xFF01, 0x0001, 8, 0, 0};

ScriptedInterface Keyboard() { return {"keyboard", HidAttributes{0x1D57, 0x0005}, HidCapabilities{1, 6, 9, 2, 0}}; }
ScriptedInterface Command(std::string path = "command") { return {std::move(path), kMouse, kCommandCaps}; }
ScriptedInterface Event() { return {"event", kMouse, kEventCaps}; }
ScriptedInterface MouseCollection(std::string path, HidCapabilities caps) { return {std::move(path), kMouse, caps}; }

std::string CommandPath(const ConnectionState& state)
{
    const auto* port = dynamic_cast<const TaggedCommandPort*>(state.command.port.get());
    return port != nullptr ? port->path : "";
}

std::string EventPath(const ConnectionState& state)
{
    const auto* port = dynamic_cast<const TaggedEventPort*>(state.Events().port.get());
    return port != nullptr ? port->path : "";
}

struct SearchCase {
    std::string name;
    std::vector<ScriptedInterface> interfaces;
    SearchEnd end;
    std::string stoppedAt;  // the result's path
    std::string command;    // path of the command port stored, "" when none
    std::string event;      // path of the event port stored, "" when none
    std::vector<std::size_t> queried;
    bool listFails = false;
    std::optional<std::size_t> failAt;
};

ScriptedInterface Unopenable(std::string path)
{
    ScriptedInterface entry{std::move(path), HidAttributes{1, 2}, HidCapabilities{}};
    entry.queryOpens = false;
    return entry;
}

ScriptedInterface WithFailedOpen(ScriptedInterface entry)
{
    entry.eventOpens = entry.commandOpens = false;
    return entry;
}

TEST(FindMouseTest, EveryWayASearchEnds)
{
    ScriptedInterface noCaps = MouseCollection("no caps", {});
    noCaps.caps.reset();
    ScriptedInterface noAttributes = Keyboard();
    noAttributes.attributes.reset();

    const SearchCase cases[] = {
        {"no HID devices", {}, SearchEnd::kNoMouse, "", "", "", {}},
        {"the system lists nothing", {Command()}, SearchEnd::kListFailed, "", "", "", {}, true},
        {"no device of the mouse's vendor and product",
         {Keyboard(), {"same vendor", HidAttributes{0x04D9, 0xA11C}, kCommandCaps}},
         SearchEnd::kNoMouse,
         "",
         "",
         "",
         {0, 1}},
        {"listing fails part-way", {Keyboard(), Command()}, SearchEnd::kEnumFailed, "", "", "", {0}, false, 1},
        {"event interface before the command interface",
         {Keyboard(), Event(), Command()},
         SearchEnd::kFound,
         "command",
         "command",
         "event",
         {0, 1, 2}},
        {"command interface first: the event interface waits for the next search",
         {Command(), Event()},
         SearchEnd::kFound,
         "command",
         "command",
         "",
         {0}},
        {"a device that cannot be opened for query ends the search before the mouse",
         {Keyboard(), Unopenable("locked"), Event(), Command()},
         SearchEnd::kQueryOpenFailed,
         "locked",
         "",
         "",
         {0, 1}},
        {"feature report length other than 9",
         {MouseCollection("feature 8", {0xFF00, 0xFF00, 65, 65, 8}),
          MouseCollection("feature 65", {0xFF00, 0xFF00, 65, 65, 65})},
         SearchEnd::kNoMouse,
         "",
         "",
         "",
         {0, 1}},
        {"capabilities fail", {noCaps, Command()}, SearchEnd::kCapabilitiesFailed, "no caps", "", "", {0}},
        {"command interface cannot be opened",
         {Event(), WithFailedOpen(Command())},
         SearchEnd::kCommandOpenFailed,
         "command",
         "",
         "event",
         {0, 1}},
        {"event interface cannot be opened",
         {WithFailedOpen(Event()), Command()},
         SearchEnd::kEventOpenFailed,
         "event",
         "",
         "",
         {0}},
        {"the mouse's other collections are passed over",
         {MouseCollection("pointer", {0x0001, 0x0002, 8, 0, 0}),
          MouseCollection("consumer, usage 1", {0x000C, 0x0001, 3, 0, 0}),
          MouseCollection("event without input", {0xFF01, 0x0001, 0, 0, 0}),
          MouseCollection("usage 0xFF00 on page 0xFF01", {0xFF01, 0xFF00, 65, 65, 9}),
          MouseCollection("usage 1 with a 9-byte feature", {0xFF00, 0x0001, 65, 65, 9}), Command()},
         SearchEnd::kFound,
         "command",
         "command",
         "",
         {0, 1, 2, 3, 4, 5}},
        {"a device without attributes is passed over",
         {noAttributes, Command()},
         SearchEnd::kFound,
         "command",
         "command",
         "",
         {0, 1}},
        {"the first of two mice is taken",
         {Command("first"), Command("second")},
         SearchEnd::kFound,
         "first",
         "first",
         "",
         {0}},
    };
    for (const SearchCase& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedBus bus;
        bus.interfaces = c.interfaces;
        bus.listFails = c.listFails;
        bus.failAt = c.failAt;
        int wakes = 0;
        ConnectionState state([&] { ++wakes; });

        const SearchResult result = FindMouse(bus, state);
        EXPECT_EQ(result.end, c.end);
        EXPECT_EQ(result.Found(), c.end == SearchEnd::kFound);
        EXPECT_EQ(result.path, c.stoppedAt);
        EXPECT_EQ(CommandPath(state), c.command);
        EXPECT_EQ(EventPath(state), c.event);
        EXPECT_EQ(wakes, c.event.empty() ? 0 : 1);
        EXPECT_EQ(state.Connected(), !c.command.empty());
        EXPECT_EQ(bus.log.queried, c.queried);
        EXPECT_EQ(bus.log.queriesOpen, 0u) << "a query handle was left open";
    }
}

TEST(FindMouseTest, StoresTheReportLengthsOfWhatItOpened)
{
    ScriptedBus bus;
    bus.interfaces = {MouseCollection("event", {0xFF01, 0x0001, 16, 0, 0}),
                      MouseCollection("command", {0xFF00, 0xFF00, 33, 65, 9})};
    ConnectionState state;
    ASSERT_TRUE(FindMouse(bus, state).Found());
    EXPECT_EQ(state.command.featureReportLength, 9);
    EXPECT_EQ(state.command.inputReportLength, 33);
    EXPECT_EQ(state.Events().inputReportLength, 16);
    EXPECT_EQ(state.devicePath, "command");
}

TEST(FindMouseTest, TheListenerIsWokenOnlyOnceTheEventPortIsThere)
{
    ScriptedBus bus;
    bus.interfaces = {Event(), Command()};
    std::string seenAtWake;
    ConnectionState state([&] { seenAtWake = EventPath(state); });
    ASSERT_TRUE(FindMouse(bus, state).Found());
    EXPECT_EQ(seenAtWake, "event");
}

TEST(FindMouseTest, LaterSearchesReplaceWhatTheyOpenAndKeepTheRest)
{
    ScriptedBus bus;
    bus.interfaces = {Event(), Command("old command")};
    ConnectionState state;
    ASSERT_TRUE(FindMouse(bus, state).Found());
    const std::shared_ptr<platform::HidEventPort> listenerCopy = state.Events().port;

    // The mouse came back with its command interface listed first: a new command port,
    // the event port of the earlier search stays.
    bus.interfaces = {Command("new command"), Event()};
    ASSERT_TRUE(FindMouse(bus, state).Found());
    EXPECT_EQ(CommandPath(state), "new command");
    EXPECT_EQ(state.Events().port, listenerCopy);

    // A failed search leaves the connected flag to the caller.
    bus.interfaces = {};
    EXPECT_FALSE(FindMouse(bus, state).Found());
    EXPECT_TRUE(state.Connected());
    EXPECT_EQ(CommandPath(state), "new command");
}

}  // namespace
}  // namespace zalvane::device
