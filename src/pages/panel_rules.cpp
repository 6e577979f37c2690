#include "pages/panel_rules.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "pages/dpi_panel_geometry.h"
#include "pages/lighting_panel_geometry.h"
#include "pages/pointer_panel_geometry.h"
#include "pages/sensor_panel_geometry.h"
#include "platform/text_parsing.h"
#include "settings/profile_record.h"

namespace zalvane::pages {
namespace {

using settings::ProfileRecord;

constexpr int kReportRateBase = 1000;  // reports per second at a 1 ms interval
// The dial's quadrants, counter-clockwise from the upper right: 1000, 125, 250, 500 Hz.
constexpr std::uint8_t kUpperRightInterval = 1;
constexpr std::uint8_t kUpperLeftInterval = 8;
constexpr std::uint8_t kLowerLeftInterval = 4;
constexpr std::uint8_t kLowerRightInterval = 2;

long long Squared(long long value) { return value * value; }

bool OnRing(long long dx, long long dy, int inner, int outer)
{
    const long long distance = Squared(dx) + Squared(dy);
    return Squared(inner) <= distance && distance <= Squared(outer);
}

}  // namespace

std::size_t RecordOffset(Setting setting, int index)
{
    const auto at = static_cast<std::size_t>(index);
    switch (setting) {
        case Setting::kStageValue:
            return ProfileRecord::kStageValue + at;
        case Setting::kLightingMode:
            return ProfileRecord::kLightingMode;
        case Setting::kLightingParameter:
            return ProfileRecord::kLightingParameter + at;
        case Setting::kReportInterval:
            return ProfileRecord::kReportInterval;
        case Setting::kMouseSpeed:
            return ProfileRecord::kMouseSpeed;
        case Setting::kDoubleClickSpeed:
            return ProfileRecord::kDoubleClickSpeed;
        case Setting::kScrollMode:
            return ProfileRecord::kScrollMode;
        case Setting::kAngleSnap:
            return ProfileRecord::kAngleSnap;
        case Setting::kSensitivityX:
            return ProfileRecord::kSensitivityX;
        case Setting::kSensitivityY:
            return ProfileRecord::kSensitivityY;
        case Setting::kGestureCorrection:
            return ProfileRecord::kGestureCorrection;
    }
    return ProfileRecord::kSize;  // not reached: every setting is listed above
}

SettingRange RangeOf(Setting setting)
{
    switch (setting) {
        case Setting::kStageValue:
            return {kDpiStageMinValue, kDpiStageMaxValue};
        case Setting::kLightingMode:
            return {1, kLightingRowCount};  // the mode is its row's number
        case Setting::kLightingParameter:
            return {kLightingMinValue, kLightingMaxValue};
        case Setting::kReportInterval:
            return {kUpperRightInterval, kUpperLeftInterval};
        case Setting::kMouseSpeed:
        case Setting::kDoubleClickSpeed:
            return {kSpeedDialMinValue, kSpeedMaxValue};
        case Setting::kScrollMode:
        case Setting::kAngleSnap:
            return {0, 1};
        case Setting::kSensitivityX:
        case Setting::kSensitivityY:
            return {kXyMinValue, kXyMaxValue};
        case Setting::kGestureCorrection:
            return {kGestureMinValue, kGestureMaxValue};
    }
    return {};  // not reached: every setting is listed above
}

bool PageCanStore(Setting setting, int value)
{
    if (setting == Setting::kReportInterval) {
        return value >= 0 && value <= 0xFF && ReportRateOf(static_cast<std::uint8_t>(value)).has_value();
    }
    const SettingRange range = RangeOf(setting);
    return value >= range.min && value <= range.max;
}

int SliderValue(int x, int sliderLeft, int offset, int step, int maxValue)
{
    const long long past = static_cast<long long>(x) - sliderLeft - offset;
    if (past < 0) {
        return 1;
    }
    return static_cast<int>(std::min<long long>(past / step + 2, maxValue));
}

std::uint8_t StageValueAt(int y)
{
    const long long above = static_cast<long long>(kDpiSliderBottom) - y - kDpiSliderFloor;
    if (above <= 0) {
        return kDpiStageMinValue;
    }
    return static_cast<std::uint8_t>(std::min<long long>(above + 1, kDpiStageMaxValue));
}

std::uint8_t LightingParameterAt(int x, const Rect& slider)
{
    return static_cast<std::uint8_t>(
        SliderValue(x, slider.left, kLightingSliderOffset, kLightingSliderStep, kLightingMaxValue));
}

std::uint8_t SensitivityAt(int x, const Rect& slider)
{
    return static_cast<std::uint8_t>(SliderValue(x, slider.left, kXySliderOffset, kXySliderStep, kXyMaxValue));
}

std::uint8_t GestureCorrectionAt(int x, const Rect& slider)
{
    return static_cast<std::uint8_t>(
        SliderValue(x, slider.left, kGestureSliderOffset, kGestureSliderStep, kGestureMaxValue));
}

std::optional<std::uint8_t> ReportIntervalAt(Point point, const Rect& dial)
{
    const Point centre = ReportRateDialCentre(dial);
    const long long dx = static_cast<long long>(point.x) - centre.x;
    const long long dy = static_cast<long long>(point.y) - centre.y;
    if (!OnRing(dx, dy, kReportDialInnerRadius, kReportDialOuterRadius) || dx == 0 || dy == 0) {
        return std::nullopt;
    }
    if (dy < 0) {
        return dx > 0 ? kUpperRightInterval : kUpperLeftInterval;
    }
    return dx > 0 ? kLowerRightInterval : kLowerLeftInterval;
}

std::optional<int> ReportRateOf(std::uint8_t interval)
{
    switch (interval) {
        case 1:
        case 2:
        case 4:
        case 8:
            return kReportRateBase / interval;
        default:
            return std::nullopt;
    }
}

std::optional<std::uint8_t> SpeedAt(Point point, const Rect& dial)
{
    const Point pivot = SpeedDialPivot(dial);
    const long long dx = static_cast<long long>(point.x) - pivot.x;
    const long long dy = static_cast<long long>(point.y) - pivot.y;
    if (dy > 0 || !OnRing(dx, dy, kSpeedDialInnerRadius, kSpeedDialOuterRadius)) {
        return std::nullopt;
    }
    // Degrees counter-clockwise from the right-hand horizontal; the axes exactly, so that
    // straight up gives 7 and the horizontals 12 and 2 without rounding doubt.
    double degrees = 0;
    if (dx == 0) {
        degrees = 90;
    } else if (dy == 0) {
        degrees = dx > 0 ? 0 : 180;
    } else {
        degrees = std::atan2(static_cast<double>(-dy), static_cast<double>(dx)) * 180.0 / std::numbers::pi;
    }
    const double value = std::trunc(kSpeedMaxValue - degrees / kSpeedDegreesPerStep);
    return static_cast<std::uint8_t>(value);
}

std::uint8_t ToggledStageEnable(std::uint8_t enabled) { return enabled == 0 ? 1 : 0; }

std::uint8_t SteppedScrollLines(std::uint8_t lines, int delta)
{
    return static_cast<std::uint8_t>(std::clamp(lines + delta, kScrollLinesMin, kScrollLinesMax));
}

ScrollLinesEntry ReadScrollLinesText(std::string_view text)
{
    if (text.empty()) {
        return {};
    }
    const std::int64_t lines = platform::DecimalValue(text);
    if (lines < kScrollLinesMin || lines > kScrollLinesMax) {
        return {std::uint8_t{kScrollLinesMin}, std::to_string(kScrollLinesMin)};
    }
    return {static_cast<std::uint8_t>(lines), std::nullopt};
}

}  // namespace zalvane::pages
