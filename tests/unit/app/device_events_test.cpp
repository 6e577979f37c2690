// The window's device handlers over the virtual mouse's bus: what each notice does to the
// connection, the records and the window, and which balloon each device notice shows.

#include "app/device_events.h"

#include <gtest/gtest.h>

#include "device/virtual_bus.h"
#include "device/virtual_mouse_store.h"
#include "language/language_tables.h"
#include "settings/config_patch.h"
#include "unit/support/program_folder.h"
#include "unit/support/recording_ports.h"

namespace zalvane::app {
namespace {

using settings::ProfileRecord;

class RecordingDeviceUi final : public DeviceUi {
public:
    void SendNotice(std::uint64_t code, std::uint64_t value) override
    {
        events.push_back("notice " + std::to_string(code) + " " + std::to_string(value));
    }
    void HideMainWindow() override { events.push_back("hide"); }
    void ResumeListener() override { events.push_back("resume"); }
    std::vector<std::string> events;
};

class DeviceEventsTest : public testing::Test {
protected:
    DeviceEventsTest()
    {
        state.files.modulePath = folder.ModulePath();
        LoadAtStartUp(state, ports);
    }

    // The mouse of the state folder, plugged in or not, with `memory` in its flash.
    device::VirtualBus& Mouse(bool plugged, const device::VirtualMouseMemory& memory = device::FactoryMemory())
    {
        const std::string stateFolder = mouseFolder.File("mouse");
        device::VirtualMouseStore store(stateFolder);
        store.Save(memory);
        store.SavePlugged(plugged);
        bus.emplace(*device::VirtualBus::Open(stateFolder));
        link.emplace(*bus, pacer, [this] { wakes.push_back(link->Connected()); });
        return *bus;
    }

    test::ProgramFolder folder;
    test::TempFolder mouseFolder;
    platform::PortableIniStore ini;
    test::RecordingMessages messages;
    test::RecordingPointer pointer;
    test::ScriptedFileDialog dialog;
    test::RecordingUi flowUi;
    FlowPorts ports{ini, messages, pointer, dialog, flowUi};
    AppState state;
    platform::RecordingPacer pacer;
    std::optional<device::VirtualBus> bus;
    std::optional<DeviceLink> link;
    std::vector<bool> wakes;  // the connected flag at each wake of the listener
    RecordingDeviceUi ui;
};

TEST_F(DeviceEventsTest, StartUpOpensTheMouseOnlyWhenItIsThere)
{
    Mouse(false);
    state.image[1] = 0x55;
    EXPECT_FALSE(ConnectAtStartUp(state, *link).Connected());
    EXPECT_FALSE(link->Connected());
    EXPECT_EQ(link->Link(), nullptr);
    EXPECT_EQ(state.image[1], 0x55);  // no opening sequence

    device::VirtualMouseMemory memory = device::FactoryMemory();
    memory.profileNumber = 4;
    Mouse(true, memory);
    const Connection connection = ConnectAtStartUp(state, *link);
    EXPECT_TRUE(connection.Connected());
    EXPECT_TRUE(connection.opening.has_value());
    EXPECT_EQ(state.image[settings::SettingsImage::kOpeningArgument], 0xFC);
    EXPECT_EQ(state.record[ProfileRecord::kDeviceProfileNumber], 4);
}

// The search opens the event interface (and wakes the listener) before it sets the
// connected flag; the listener must be woken again once the flag is set, or it sleeps
// through the connection.
TEST_F(DeviceEventsTest, TheListenerIsWokenAfterTheConnectedFlagIsSet)
{
    Mouse(true);
    ASSERT_TRUE(ConnectAtStartUp(state, *link).Connected());
    ASSERT_FALSE(wakes.empty());
    EXPECT_TRUE(wakes.back());
}

TEST_F(DeviceEventsTest, ArrivalReloadsTheProfileAndResumesTheListener)
{
    Mouse(true);
    const ProfileRecord loaded = state.record;
    state.record.bytes.fill(0xEE);  // unsaved edits
    state.text.captions[0] = "edited";

    HandleMouseArrival(state, ports, *link, ui);

    EXPECT_EQ(ui.events, (std::vector<std::string>{"notice 14 0", "resume"}));
    EXPECT_TRUE(link->Connected());
    EXPECT_EQ(state.image[settings::SettingsImage::kOpeningArgument], 0xFC);
    // The profile file's record again.
    EXPECT_EQ(state.record, loaded);
    EXPECT_NE(state.text.captions[0], "edited");
}

TEST_F(DeviceEventsTest, ArrivalWithoutTheMouseWarnsAndHides)
{
    Mouse(false);
    link->Connection().SetConnected(true);
    const ProfileRecord before = state.record;

    HandleMouseArrival(state, ports, *link, ui);

    EXPECT_EQ(ui.events, (std::vector<std::string>{"notice 15 0", "hide"}));
    EXPECT_FALSE(link->Connected());
    EXPECT_EQ(state.record, before);
}

TEST_F(DeviceEventsTest, RemovalWarnsOnlyWhenTheMouseIsGone)
{
    device::VirtualBus& mouse = Mouse(true);
    ASSERT_TRUE(ConnectAtStartUp(state, *link).Connected());

    HandleMouseRemoval(*link, ui);  // another device interface went; the mouse stays
    EXPECT_TRUE(ui.events.empty());
    EXPECT_TRUE(link->Connected());

    mouse.SetPlugged(false);
    HandleMouseRemoval(*link, ui);
    EXPECT_EQ(ui.events, (std::vector<std::string>{"notice 15 0"}));
    EXPECT_FALSE(link->Connected());
    EXPECT_EQ(link->Link(), nullptr);
}

TEST(DeviceNoticeBalloonTest, TextsTitlesAndTimeouts)
{
    settings::SettingsImage image;
    const std::uint8_t stageDpi[] = {3, 7, 11, 15, 23, 31, 49};
    std::copy(std::begin(stageDpi), std::end(stageDpi),
              image.ConfigBlock().begin() + settings::ConfigBlock::kStageDpiX);
    struct Case {
        std::uint64_t code;
        std::uint64_t value;
        std::optional<Balloon> expected;
    };
    const Case cases[] = {
        {1, 1, Balloon{"Switch DPI into the first stage 400", "Info", 5000}},
        {3, 3, Balloon{"Switch DPI into the third stage 1200", "Info", 5000}},
        {2, 7, Balloon{"Switch DPI into the seventh stage 5000", "Info", 5000}},
        {1, 0, std::nullopt},
        {3, 8, std::nullopt},
        {4, 3, std::nullopt},
        {3, (std::uint64_t{1} << 32) | 3, std::nullopt},  // a value that only looks like 3 in its low bits
        {9, 3, Balloon{"Switch to macro key3", "Info", 5000}},
        {9, 0, std::nullopt},
        {14, 0, Balloon{"The system detect the gaming mouse.", "Info", 100}},
        {15, 7, Balloon{"The system did not detect the gaming mouse!", "Warning", 100}},
        {0, 0, std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(BalloonForNotice(c.code, c.value, language::Language::kEnglish, image), c.expected)
            << "code " << c.code << " value " << c.value;
    }
    // Stage 7 at the top of the byte range: (255 + 1) x 100.
    image.ConfigBlock()[settings::ConfigBlock::kStageDpiX + 6] = 255;
    EXPECT_EQ(BalloonForNotice(1, 7, language::Language::kEnglish, image)->text,
              "Switch DPI into the seventh stage 25600");
    EXPECT_EQ(BalloonForNotice(9, 12, language::Language::kSimplifiedChinese, image)->text, "切换到宏12");
    EXPECT_EQ(BalloonForNotice(15, 0, language::Language::kTraditionalChinese, image)->title, "Warning");
}

TEST_F(DeviceEventsTest, ADpiNoticeReadsTheStageValueFromTheMouse)
{
    // The mouse reports profile 2 at connection: the stage value still comes from the block
    // the read just fetched.
    device::VirtualMouseMemory memory = device::FactoryMemory();
    memory.profileNumber = 2;
    memory.configBlocks[0][settings::ConfigBlock::kStageDpiX + 2] = 31;
    Mouse(true, memory);
    ASSERT_TRUE(ConnectAtStartUp(state, *link).Connected());
    ASSERT_EQ(state.record[ProfileRecord::kDeviceProfileNumber], 2);

    const auto balloon = HandleDeviceNotice(state, *link, 2, 3);
    ASSERT_TRUE(balloon);
    EXPECT_EQ(balloon->text, "Switch DPI into the third stage 3200");
    EXPECT_EQ(state.image[settings::SettingsImage::kDeviceProfileNumber], 2);

    // A notice without the mouse reads nothing and still answers.
    state.record[ProfileRecord::kDeviceProfileNumber] = 200;
    bus->SetPlugged(false);
    HandleMouseRemoval(*link, ui);
    const std::size_t pauses = pacer.Pauses().size();
    EXPECT_TRUE(HandleDeviceNotice(state, *link, 1, 3));
    EXPECT_EQ(pacer.Pauses().size(), pauses);
}

}  // namespace
}  // namespace zalvane::app
