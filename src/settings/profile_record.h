#pragma once
// The profile record: every setting the user can edit, in the host's own layout, one
// unsigned byte per field. Stored byte for byte in the profile files after a one-byte
// first-run flag. Never lay a struct over these bytes: offsets are named here instead.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace zalvane::settings {

inline constexpr std::size_t kButtonCount = 19;
inline constexpr std::size_t kStageCount = 7;
inline constexpr std::size_t kMacroCount = 19;
inline constexpr std::size_t kMacroBlockSize = 128;
inline constexpr std::size_t kMacroAreaSize = kMacroCount * kMacroBlockSize;  // 2432

struct ProfileRecord {
    static constexpr std::size_t kSize = 2854;
    // The part Reset replaces; the macro area after it survives a Reset.
    static constexpr std::size_t kSettingsSize = 422;

    static constexpr std::size_t kDeviceProfileNumber = 0;
    static constexpr std::size_t kReportInterval = 5;      // ms between reports: 1, 2, 4, 8
    static constexpr std::size_t kStageValue = 7;          // 7 bytes, hundreds of DPI
    static constexpr std::size_t kStageEnabled = 15;       // 7 bytes, 1 = in use
    static constexpr std::size_t kStageColour = 23;        // 7 triples R, G, B
    static constexpr std::size_t kLightingMode = 47;       // 0-3: 1 Standard, 2 Respiration, 3 Neon
    static constexpr std::size_t kLightingParameter = 48;  // 3 bytes: modes 1, 2, 3
    static constexpr std::size_t kEnhancePointerPrecision = 51;
    static constexpr std::size_t kScrollMode = 52;  // 1 = one screen, 0 = by lines
    static constexpr std::size_t kMouseSpeed = 53;  // step
    static constexpr std::size_t kScrollLines = 54;
    static constexpr std::size_t kDoubleClickSpeed = 55;  // step
    static constexpr std::size_t kAngleSnap = 56;
    static constexpr std::size_t kGestureCorrection = 57;  // step 1-5
    static constexpr std::size_t kSensitivityX = 59;
    static constexpr std::size_t kSensitivityY = 60;
    // Per-button arrays of kButtonCount bytes.
    static constexpr std::size_t kActionType = 61;
    static constexpr std::size_t kDpiFunction = 80;
    static constexpr std::size_t kConsumerCode = 118;
    static constexpr std::size_t kWindowsCommand = 137;
    static constexpr std::size_t kHotKeyLetter = 213;
    static constexpr std::size_t kSingleKey = 232;
    static constexpr std::size_t kComboModifiers = 251;
    static constexpr std::size_t kComboKey1 = 270;
    static constexpr std::size_t kComboKey2 = 289;
    static constexpr std::size_t kMacroNumber = 384;
    static constexpr std::size_t kMacroRepeatMode = 403;
    static constexpr std::size_t kMacroArea = 422;  // kMacroAreaSize bytes

    std::array<std::uint8_t, kSize> bytes{};

    std::uint8_t& operator[](std::size_t offset) { return bytes.at(offset); }
    std::uint8_t operator[](std::size_t offset) const { return bytes.at(offset); }

    // Field of button `index` (0-18) in one of the per-button arrays.
    std::uint8_t& Button(std::size_t field, std::size_t index) { return bytes.at(field + index); }
    std::uint8_t Button(std::size_t field, std::size_t index) const { return bytes.at(field + index); }

    std::span<std::uint8_t, kMacroAreaSize> MacroArea()
    {
        return std::span<std::uint8_t, kMacroAreaSize>(bytes.data() + kMacroArea, kMacroAreaSize);
    }
    std::span<const std::uint8_t, kMacroAreaSize> MacroArea() const
    {
        return std::span<const std::uint8_t, kMacroAreaSize>(bytes.data() + kMacroArea, kMacroAreaSize);
    }

    friend bool operator==(const ProfileRecord&, const ProfileRecord&) = default;
};

static_assert(ProfileRecord::kMacroArea + kMacroAreaSize == ProfileRecord::kSize);
static_assert(ProfileRecord::kMacroRepeatMode + kButtonCount == ProfileRecord::kSettingsSize);

}  // namespace zalvane::settings
