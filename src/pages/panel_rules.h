#pragma once
// The arithmetic of the panels' sliders, dials and switches, and the profile record byte
// each setting lives in. Every function is pure; the page stores and draws what they say.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "pages/geometry_types.h"

namespace zalvane::pages {

// A setting a click writes; `index` picks the stage (0..6) or lighting row (0..2).
enum class Setting {
    kStageValue,
    kLightingMode,
    kLightingParameter,
    kReportInterval,
    kMouseSpeed,
    kDoubleClickSpeed,
    kScrollMode,
    kAngleSnap,
    kSensitivityX,
    kSensitivityY,
    kGestureCorrection,
};

// The profile record offset of `setting`.
std::size_t RecordOffset(Setting setting, int index = 0);

// The values the page's controls can store in a setting: a slider's or dial's whole
// travel, a switch's positions. Values a damaged profile file brings (a speed of 1, an
// interval of 0) lie outside.
struct SettingRange {
    int min = 0;
    int max = 0;
    friend bool operator==(const SettingRange&, const SettingRange&) = default;
};
SettingRange RangeOf(Setting setting);

// Whether a control of the page can store `value` in `setting`: inside RangeOf, and for
// the report interval one of the dial's four (1, 2, 4, 8 ms).
bool PageCanStore(Setting setting, int value);

// The common slider routine of the horizontal sliders: 1 left of `offset`, then one step
// per `step` pixels from 2, never above `maxValue`.
int SliderValue(int x, int sliderLeft, int offset, int step, int maxValue);

// DPI stage slider at client row `y`: one step of 100 DPI per pixel upwards, 1..120.
std::uint8_t StageValueAt(int y);
std::uint8_t LightingParameterAt(int x, const Rect& slider);  // 1..6
std::uint8_t SensitivityAt(int x, const Rect& slider);        // 1..11
// 1..5: the slider's last three pixels would compute 6, which the mouse has no step for.
std::uint8_t GestureCorrectionAt(int x, const Rect& slider);

// Report-rate dial: the interval (1, 2, 4, 8 ms) of the quadrant of the ring 35..64 px
// around the dial's centre, rising counter-clockwise from 125 Hz at the upper left.
// Nothing off the ring or on the centre lines.
std::optional<std::uint8_t> ReportIntervalAt(Point point, const Rect& dial);

// The rate drawn for a stored interval: 1000 / interval for 1, 2, 4 and 8 only.
std::optional<int> ReportRateOf(std::uint8_t interval);

// Speed half dial: 12 on the horizontal right of the pivot, one step down per 18 degrees
// counter-clockwise, 2 on the horizontal left. Nothing below the pivot or off the ring
// 43..71 px around it.
std::optional<std::uint8_t> SpeedAt(Point point, const Rect& dial);

// A stage's enable switch: 0 becomes 1, anything else 0.
std::uint8_t ToggledStageEnable(std::uint8_t enabled);

// The scroll arrows: one line more or fewer, kept within 1..100 whatever was stored.
std::uint8_t SteppedScrollLines(std::uint8_t lines, int delta);

// What typing into the scroll-lines box does. Empty text changes nothing; text that is not
// a number from 1 to 100 becomes "1".
struct ScrollLinesEntry {
    std::optional<std::uint8_t> value;       // to store
    std::optional<std::string> replacement;  // to put into the box instead of what was typed
    friend bool operator==(const ScrollLinesEntry&, const ScrollLinesEntry&) = default;
};
ScrollLinesEntry ReadScrollLinesText(std::string_view text);

}  // namespace zalvane::pages
