// The shell's decisions that need no window: splash-end placement, the tray click, the
// control colours, the device-change filter, the updater's path and the command line.

#include "app/main_window_rules.h"

#include <gtest/gtest.h>

#include <limits>

#include "app/device_change.h"
#include "app/program_options.h"
#include "app/updater_path.h"

namespace zalvane::app {
namespace {

TEST(MainWindowRulesTest, TheMainPageIsCentredInTheWorkArea)
{
    struct Case {
        ui::Rect work;
        ui::Size size;
        ui::Point expected;
    };
    const Case cases[] = {
        {{0, 0, 1280, 800}, {1000, 644}, {140, 78}},
        {{0, 0, 1280, 770}, {1000, 644}, {140, 63}},       // a taskbar below
        {{64, 0, 1280, 800}, {1000, 645}, {172, 77}},      // a taskbar on the left; 155 / 2 rounds down
        {{-1920, 0, 0, 1080}, {1000, 644}, {-1460, 218}},  // a monitor left of the primary one
        {{0, 0, 800, 600}, {1001, 644}, {-100, -22}},      // larger than the area: -201 / 2 rounds toward zero
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CentredIn(c.work, c.size), c.expected) << c.work.left << "," << c.work.top;
    }
}

TEST(MainWindowRulesTest, TrayClicks)
{
    EXPECT_EQ(TrayActionFor(0x202), TrayAction::kShowWindow);
    EXPECT_EQ(TrayActionFor(0x203), TrayAction::kShowWindow);
    EXPECT_EQ(TrayActionFor(0x205), TrayAction::kShowMenu);
    for (std::uint64_t other : {0x200, 0x201, 0x204, 0x206, 0x400 + 0x202}) {
        EXPECT_EQ(TrayActionFor(other), TrayAction::kNone) << other;
    }
}

TEST(MainWindowRulesTest, ControlColours)
{
    settings::ProfileRecord record;
    record[settings::ProfileRecord::kStageColour + 0] = 0x11;  // stage 1: R, G, B
    record[settings::ProfileRecord::kStageColour + 1] = 0x22;
    record[settings::ProfileRecord::kStageColour + 2] = 0x33;
    record[settings::ProfileRecord::kStageColour + 18] = 0xFF;  // stage 7: red
    const ui::SkinColour skin{0x01, 0x02, 0x03};

    const ControlColours stage1 = ControlColoursFor(ControlKind::kStatic, 71, record, skin);
    EXPECT_EQ(stage1.brush, 0x332211u);
    EXPECT_TRUE(stage1.transparent);
    EXPECT_FALSE(stage1.text);
    EXPECT_EQ(ControlColoursFor(ControlKind::kStatic, 77, record, skin).brush, 0x0000FFu);
    EXPECT_EQ(ControlColoursFor(ControlKind::kStatic, 70, record, skin), ControlColours{});
    EXPECT_EQ(ControlColoursFor(ControlKind::kStatic, 78, record, skin), ControlColours{});

    const ControlColours button = ControlColoursFor(ControlKind::kButton, 5, record, skin);
    EXPECT_TRUE(button.transparent);
    EXPECT_FALSE(button.brush);

    const ControlColours edit = ControlColoursFor(ControlKind::kEdit, 1, record, skin);
    EXPECT_EQ(edit.text, 0x030201u);
    EXPECT_EQ(edit.brush, 0x949494u);
    EXPECT_TRUE(edit.selectMainFont);

    const ControlColours skinList = ControlColoursFor(ControlKind::kListBox, 152, record, skin);
    EXPECT_EQ(skinList.text, 0x030201u);
    EXPECT_EQ(skinList.brush, 0x949494u);
    EXPECT_FALSE(skinList.background);
    const ControlColours otherList = ControlColoursFor(ControlKind::kListBox, 150, record, skin);
    EXPECT_EQ(otherList.text, 0xFAFAFAu);
    EXPECT_EQ(otherList.background, 0x0000FAu);
    EXPECT_EQ(otherList.brush, 0x000050u);
    EXPECT_TRUE(otherList.selectMainFont);

    EXPECT_EQ(ControlColoursFor(ControlKind::kOther, 71, record, skin), ControlColours{});
}

TEST(DeviceChangeTest, OnlyArrivalsAndRemovalsOfTheMousesInterfaces)
{
    constexpr std::string_view kMouse =
        R"(\\?\HID#VID_04D9&PID_A11B&MI_02#8&9c4e51f&0&0000#{4d1e55b2-f16f-11cf-88cb-001111000030})";
    constexpr std::string_view kMixed = R"(\\?\hid#Vid_04d9&Pid_a11b&MI_01&Col02#8&2f81d0a4&0&0001#{...})";
    constexpr std::string_view kLower = R"(\\?\hid#vid_04d9&pid_a11b&mi_02#{...})";
    constexpr std::string_view kOther = R"(\\?\HID#VID_1D57&PID_0005&MI_00#8&2c1a7f3&0&0000#{...})";
    struct Case {
        std::uint64_t event;
        std::optional<std::uint32_t> type;
        std::string_view name;
        DeviceChange expected;
    };
    const Case cases[] = {
        {0x8000, 5, kMouse, DeviceChange::kMouseArrived},
        {0x8004, 5, kMouse, DeviceChange::kMouseRemoved},
        {0x8000, 5, kMixed, DeviceChange::kMouseArrived},
        {0x8000, 5, kLower, DeviceChange::kIgnored},  // the tests are case-sensitive
        {0x8000, 5, kOther, DeviceChange::kIgnored},
        {0x8000, 2, kMouse, DeviceChange::kIgnored},  // a volume, not an interface
        {0x8000, std::nullopt, kMouse, DeviceChange::kIgnored},
        {0x8001, 5, kMouse, DeviceChange::kIgnored},         // query remove
        {0x8003, 5, kMouse, DeviceChange::kIgnored},         // remove pending
        {0x0007, std::nullopt, "", DeviceChange::kIgnored},  // devnodes changed
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ClassifyDeviceChange(c.event, c.type, c.name), c.expected) << c.event << " " << c.name;
    }
}

TEST(UpdaterPathTest, ByNativeArchitectureBesideTheExecutable)
{
    struct Case {
        std::string_view module;
        std::uint16_t architecture;
        std::optional<std::string> expected;
    };
    const Case cases[] = {
        {R"(C:\Program Files\Zalvane\Zalvane.exe)", 9, R"(C:\Program Files\Zalvane\Update/X64/FwUpdate.exe)"},
        {R"(C:\Program Files\Zalvane\Zalvane.exe)", 6, R"(C:\Program Files\Zalvane\Update/X64/FwUpdate.exe)"},
        {R"(C:\Program Files\Zalvane\Zalvane.exe)", 0, R"(C:\Program Files\Zalvane\Update/X86/FwUpdate.exe)"},
        {R"(C:\Program Files\Zalvane\Zalvane.exe)", 12, R"(C:\Program Files\Zalvane\Update/X86/FwUpdate.exe)"},
        {R"(C:\Zalvane.exe.d\Zalvane.exe)", 9, R"(C:\Zalvane.exe.d\Update/X64/FwUpdate.exe)"},
        // A renamed executable has no program folder: it must not start itself instead.
        {R"(C:\Tools\Zalvane-1.0.exe)", 9, std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(UpdaterPath(c.module, c.architecture), c.expected) << c.module << " " << c.architecture;
    }
}

TEST(ProgramOptionsTest, VirtualMouseAndTraces)
{
    using Args = std::vector<std::string>;
    const auto options = ParseProgramOptions(Args{"--virtual-mouse", R"(Z:\m)", "--shell-trace", "t.txt",
                                                  "--device-trace", "d.txt", "--draw-timing", "w.txt"});
    ASSERT_TRUE(options);
    EXPECT_EQ(options->virtualMouseFolder, R"(Z:\m)");
    EXPECT_EQ(options->shellTrace, "t.txt");
    EXPECT_EQ(options->deviceTrace, "d.txt");
    EXPECT_EQ(options->drawTiming, "w.txt");

    const auto plain = ParseProgramOptions(Args{R"(C:\dropped\profile.bin)"});
    ASSERT_TRUE(plain);
    EXPECT_FALSE(plain->virtualMouseFolder);

    for (const Args& bad : {Args{"--virtual-mouse"}, Args{"--virtual-mouse", ""}, Args{"--shell-trace"},
                            Args{"--draw-timing"}, Args{"--virtual-mose", "x"}}) {
        const auto parsed = ParseProgramOptions(bad);
        ASSERT_FALSE(parsed) << bad[0];
        EXPECT_NE(parsed.error().find("usage: Zalvane.exe"), std::string::npos);
    }
}

}  // namespace
}  // namespace zalvane::app
