#include "app/pointer_settings.h"

#include <algorithm>

namespace zalvane::app {
namespace {

using settings::ProfileRecord;

constexpr std::array<int, 3> kEnhancedPrecision = {6, 10, 1};
constexpr int kLastDoubleClickStep = 12;

}  // namespace

PointerValues PointerValuesFor(const ProfileRecord& record)
{
    PointerValues values;
    if (record[ProfileRecord::kEnhancePointerPrecision] == 1) {
        values.mouse = kEnhancedPrecision;
    }

    const int speedStep = record[ProfileRecord::kMouseSpeed];
    const int speed = speedStep == 1 ? 1 : 2 * speedStep - 2;
    values.speed = static_cast<std::uint32_t>(
        std::clamp(speed, static_cast<int>(platform::kMinPointerSpeed), static_cast<int>(platform::kMaxPointerSpeed)));

    values.wheelScrollLines =
        record[ProfileRecord::kScrollMode] != 0 ? platform::kScrollOneScreen : record[ProfileRecord::kScrollLines];

    const int clickStep = std::min<int>(record[ProfileRecord::kDoubleClickSpeed], kLastDoubleClickStep);
    values.doubleClickTime = static_cast<std::uint32_t>(900 - 70 * (clickStep - 1));
    return values;
}

bool ApplyPointerSettings(platform::PointerSettingsPort& port, platform::MessageBoxPort& messages,
                          const ProfileRecord& record)
{
    const PointerValues values = PointerValuesFor(record);
    bool allTaken = true;
    const auto check = [&](bool taken, std::string_view failure) {
        if (!taken) {
            messages.Show({failure, kPointerWarningCaption, {}});
            allTaken = false;
        }
    };
    check(port.SetMouse(values.mouse), kSetMouseFailedText);
    check(port.SetMouseSpeed(values.speed), kSetMouseSpeedFailedText);
    check(port.SetWheelScrollLines(values.wheelScrollLines), kSetWheelScrollLinesFailedText);
    check(port.SetDoubleClickTime(values.doubleClickTime), kSetDoubleClickTimeFailedText);
    return allTaken;
}

}  // namespace zalvane::app
