#include "pages/panel_rules.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace zalvane::pages {
namespace {

TEST(PanelRulesTest, StageSliderGivesOneStepPerPixelUpwards)
{
    const std::pair<int, int> cases[] = {
        {206, 1},  {203, 1},  {202, 2},  {85, 119},
        {84, 120}, {80, 120}, {1000, 1}, {-1000, 120},  // rows far off the slider stay in range
    };
    for (const auto& [y, value] : cases) {
        EXPECT_EQ(StageValueAt(y), value) << y;
    }
}

TEST(PanelRulesTest, HorizontalSlidersStepFromTheirOffset)
{
    struct Case {
        std::uint8_t (*rule)(int, const Rect&);
        int width;
        int x;  // from the slider's left edge
        int value;
    };
    const Case cases[] = {
        {LightingParameterAt, 128, 0, 1},   {LightingParameterAt, 128, 3, 1},   {LightingParameterAt, 128, 4, 2},
        {LightingParameterAt, 128, 34, 3},  {LightingParameterAt, 128, 123, 5}, {LightingParameterAt, 128, 124, 6},
        {LightingParameterAt, 128, 127, 6}, {SensitivityAt, 208, 8, 1},         {SensitivityAt, 208, 9, 2},
        {SensitivityAt, 208, 197, 10},      {SensitivityAt, 208, 198, 11},      {SensitivityAt, 208, 207, 11},
        {GestureCorrectionAt, 155, 3, 1},   {GestureCorrectionAt, 155, 4, 2},   {GestureCorrectionAt, 155, 151, 5},
        {GestureCorrectionAt, 155, 152, 5},  // would be 6, which the mouse has no step for
        {GestureCorrectionAt, 155, 154, 5},
    };
    for (const Case& c : cases) {
        const Rect slider{500, 40, 500 + c.width, 50};
        EXPECT_EQ(c.rule(500 + c.x, slider), c.value) << c.width << " px slider at " << c.x;
    }
}

TEST(PanelRulesTest, ReportRateDialTakesTheQuadrantOnTheRing)
{
    const Rect dial{100, 200, 228, 328};  // centre (164, 264)
    struct Case {
        int dx, dy;
        std::optional<std::uint8_t> interval;
    };
    const Case cases[] = {
        {21, -28, 1},  {-21, -28, 8}, {-21, 28, 4}, {21, 28, 2},  // r = 35 in each quadrant
        {40, -49, 1},                                             // r = 63.3
        {16, -30, {}},                                            // r = 34
        {45, -46, {}},                                            // r = 64.4
        {0, -50, {}},  {50, 0, {}},                               // on a centre line
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ReportIntervalAt({164 + c.dx, 264 + c.dy}, dial), c.interval) << c.dx << ", " << c.dy;
    }
}

TEST(PanelRulesTest, ReportRateIsDrawnOnlyForTheMousesIntervals)
{
    EXPECT_EQ(ReportRateOf(1), 1000);
    EXPECT_EQ(ReportRateOf(2), 500);
    EXPECT_EQ(ReportRateOf(4), 250);
    EXPECT_EQ(ReportRateOf(8), 125);
    for (int interval : {0, 3, 5, 16, 255}) {
        EXPECT_EQ(ReportRateOf(static_cast<std::uint8_t>(interval)), std::nullopt) << interval;
    }
}

TEST(PanelRulesTest, SpeedDialCountsEighteenDegreesPerStep)
{
    const Rect dial{10, 20, 152, 103};  // pivot (81, 91)
    struct Case {
        int dx, dy;
        std::optional<std::uint8_t> value;
    };
    const Case cases[] = {
        {50, 0, 12},   {0, -50, 7},  {-50, 0, 2},  // the axes exactly
        {40, -40, 9},                              // 45 degrees: 12 - 2.5
        {47, -16, 10},                             // 18.8 degrees
        {47, -15, 11},                             // 17.7 degrees: 12 only on the axis
        {-40, -40, 4},                             // 135 degrees: 12 - 7.5
        {0, -43, 7},   {0, -71, 7},                // the ring's edges
        {0, -42, {}},  {0, -72, {}}, {50, 1, {}},  // inside, outside, below the pivot
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SpeedAt({81 + c.dx, 91 + c.dy}, dial), c.value) << c.dx << ", " << c.dy;
    }
}

TEST(PanelRulesTest, SwitchesAndArrowsStayInTheirRanges)
{
    EXPECT_EQ(ToggledStageEnable(0), 1);
    EXPECT_EQ(ToggledStageEnable(1), 0);
    EXPECT_EQ(ToggledStageEnable(2), 0);

    struct Case {
        int lines, delta, expected;
    };
    const Case cases[] = {{50, 1, 51}, {100, 1, 100}, {1, -1, 1}, {0, 1, 1}, {0, -1, 1}, {150, -1, 100}, {150, 1, 100}};
    for (const Case& c : cases) {
        EXPECT_EQ(SteppedScrollLines(static_cast<std::uint8_t>(c.lines), c.delta), c.expected) << c.lines;
    }
}

TEST(PanelRulesTest, ScrollLinesTextOutsideOneToHundredBecomesOne)
{
    const std::pair<std::string_view, ScrollLinesEntry> cases[] = {
        {"", {}},        {"7", {7, {}}},    {"100", {100, {}}}, {"1", {1, {}}},
        {"0", {1, "1"}}, {"101", {1, "1"}}, {"999", {1, "1"}},
    };
    for (const auto& [text, entry] : cases) {
        EXPECT_EQ(ReadScrollLinesText(text), entry) << text;
    }
}

TEST(PanelRulesTest, SettingsLiveInTheirRecordBytes)
{
    const std::tuple<Setting, int, std::size_t> cases[] = {
        {Setting::kStageValue, 0, 7},         {Setting::kStageValue, 6, 13},        {Setting::kLightingMode, 0, 47},
        {Setting::kLightingParameter, 0, 48}, {Setting::kLightingParameter, 2, 50}, {Setting::kReportInterval, 0, 5},
        {Setting::kScrollMode, 0, 52},        {Setting::kMouseSpeed, 0, 53},        {Setting::kDoubleClickSpeed, 0, 55},
        {Setting::kAngleSnap, 0, 56},         {Setting::kGestureCorrection, 0, 57}, {Setting::kSensitivityX, 0, 59},
        {Setting::kSensitivityY, 0, 60},
    };
    for (const auto& [setting, index, offset] : cases) {
        EXPECT_EQ(RecordOffset(setting, index), offset) << static_cast<int>(setting);
    }
}

// The ranges a command line is held to are exactly what the controls can give: every
// value of each range is reachable and none outside it.
TEST(PanelRulesTest, RangesAreWhatTheControlsGive)
{
    std::map<Setting, std::set<int>> given;
    for (int y = -50; y < 300; ++y) {
        given[Setting::kStageValue].insert(StageValueAt(y));
    }
    for (int x = 450; x < 850; ++x) {
        given[Setting::kLightingParameter].insert(LightingParameterAt(x, {500, 40, 628, 50}));
        given[Setting::kSensitivityX].insert(SensitivityAt(x, {500, 40, 708, 50}));
        given[Setting::kGestureCorrection].insert(GestureCorrectionAt(x, {500, 40, 655, 50}));
    }
    const Rect dial{100, 200, 242, 283};
    for (int x = 0; x < 400; ++x) {
        for (int y = 100; y < 400; ++y) {
            if (const auto speed = SpeedAt({x, y}, dial)) {
                given[Setting::kMouseSpeed].insert(*speed);
            }
            if (const auto interval = ReportIntervalAt({x, y}, {100, 200, 228, 328})) {
                given[Setting::kReportInterval].insert(*interval);
            }
        }
    }
    for (const auto& [setting, values] : given) {
        const SettingRange range = RangeOf(setting);
        EXPECT_EQ(*values.begin(), range.min) << static_cast<int>(setting);
        EXPECT_EQ(*values.rbegin(), range.max) << static_cast<int>(setting);
        for (int value = -1; value <= 256; ++value) {
            EXPECT_EQ(PageCanStore(setting, value), values.contains(value))
                << static_cast<int>(setting) << ": " << value;
        }
    }
    EXPECT_EQ(RangeOf(Setting::kDoubleClickSpeed), RangeOf(Setting::kMouseSpeed));
    EXPECT_EQ(RangeOf(Setting::kSensitivityY), RangeOf(Setting::kSensitivityX));
    EXPECT_EQ(RangeOf(Setting::kLightingMode), (SettingRange{1, 3}));
}

}  // namespace
}  // namespace zalvane::pages
