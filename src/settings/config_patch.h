#pragma once
// The config block the mouse keeps per profile: the host reads it, overwrites the bytes
// it owns from the profile record and sends it back; every other byte goes back to the
// mouse as the mouse reported it.

#include <cstddef>
#include <cstdint>
#include <span>

#include "settings/profile_record.h"
#include "settings/settings_image.h"

namespace zalvane::settings {

// Offsets inside one 128-byte config block.
struct ConfigBlock {
    static constexpr std::size_t kMarker2 = 2;  // always 1
    static constexpr std::size_t kMarker48 = 48;
    static constexpr std::size_t kGestureCorrection = 49;  // signed step value
    static constexpr std::size_t kMarker50 = 50;
    static constexpr std::size_t kAngleSnap = 51;
    static constexpr std::size_t kMarker64 = 64;
    static constexpr std::size_t kMarker70 = 70;
    static constexpr std::size_t kLightingMode = 71;
    static constexpr std::size_t kLightingValue = 72;
    static constexpr std::size_t kLightingStyle = 73;
    static constexpr std::size_t kSensitivityX = 74;
    static constexpr std::size_t kSensitivityY = 75;
    static constexpr std::size_t kStageDpiX = 84;  // 7 bytes: (b + 1) x 100 DPI
    static constexpr std::size_t kStageDpiY = 92;  // 7 bytes, same values
    static constexpr std::size_t kStageEnabledBits = 100;
    static constexpr std::size_t kStageColours = 104;  // 7 triples, then 3 zero bytes
    static constexpr std::size_t kColourAreaEnd = 128;

    static constexpr std::uint8_t kMarker2Value = 1;
    static constexpr std::uint8_t kMarker48Value = 0x11;
    static constexpr std::uint8_t kMarker50Value = 0x42;
    static constexpr std::uint8_t kMarker64Value = 0x0F;
    static constexpr std::uint8_t kMarker70Value = 7;
    static constexpr std::uint8_t kLightingStyleValue = 3;
    static constexpr std::uint8_t kSensitivityFactor = 20;
};

// The mouse's value for gesture-correction step 1-5 (-30, -10, 0, 15, 30 as signed
// bytes); steps outside 1-5 count as the nearest of them.
std::uint8_t GestureCorrectionValue(std::uint8_t step);

// Overwrites the bytes of `block` that the host owns with the values from `record`.
void PatchConfigBlock(std::span<std::uint8_t, kBlockSize> block, const ProfileRecord& record);

}  // namespace zalvane::settings
