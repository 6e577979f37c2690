#include "settings/config_patch.h"

#include <algorithm>
#include <array>

namespace zalvane::settings {
namespace {

using Record = ProfileRecord;
using Block = ConfigBlock;

enum LightingMode : std::uint8_t { kOff = 0, kStandard = 1, kRespiration = 2, kNeon = 3 };

std::uint8_t Low8(unsigned value) { return static_cast<std::uint8_t>(value & 0xFF); }

void PatchLighting(std::span<std::uint8_t, kBlockSize> block, const Record& record)
{
    const std::uint8_t mode = record[Record::kLightingMode];
    if (mode < kStandard || mode > kNeon) {
        // Off, or a mode the host does not know: only the mode byte is sent.
        block[Block::kLightingMode] = mode;
        return;
    }
    const unsigned parameter = record[Record::kLightingParameter + mode - 1];
    switch (mode) {
        case kStandard:
            if (parameter == 1) {
                // Standard at its first step is the mouse's mode 0, with its own value.
                block[Block::kLightingMode] = kOff;
                return;
            }
            block[Block::kLightingValue] = Low8(2 * parameter);
            block[Block::kLightingStyle] = Block::kLightingStyleValue;
            break;
        case kRespiration:
            block[Block::kLightingValue] = Low8(parameter);
            block[Block::kLightingStyle] = Block::kLightingStyleValue;
            break;
        default:
            block[Block::kLightingValue] = Low8(3 * parameter);
            break;
    }
    block[Block::kLightingMode] = mode;
}

void PatchStages(std::span<std::uint8_t, kBlockSize> block, const Record& record)
{
    std::uint8_t enabledBits = 0;
    for (std::size_t stage = 0; stage < kStageCount; ++stage) {
        // A byte b means (b + 1) x 100 DPI. A stage value of 0 (no DPI) would wrap to the
        // mouse's highest setting; it goes out as the lowest, 100 DPI, instead.
        const std::uint8_t value = record[Record::kStageValue + stage];
        const std::uint8_t dpi = value == 0 ? 0 : static_cast<std::uint8_t>(value - 1);
        block[Block::kStageDpiX + stage] = dpi;
        block[Block::kStageDpiY + stage] = dpi;
        if (record[Record::kStageEnabled + stage] != 0) {
            enabledBits = static_cast<std::uint8_t>(enabledBits | (1U << stage));
        }
    }
    block[Block::kStageEnabledBits] = enabledBits;

    std::fill(block.begin() + Block::kStageColours, block.begin() + Block::kColourAreaEnd, std::uint8_t{0});
    std::copy_n(record.bytes.begin() + Record::kStageColour, 3 * kStageCount, block.begin() + Block::kStageColours);
}

}  // namespace

std::uint8_t GestureCorrectionValue(std::uint8_t step)
{
    // -30, -10, 0, 15, 30 as the mouse's signed bytes.
    constexpr std::array<std::uint8_t, 5> kValues = {0xE2, 0xF6, 0x00, 0x0F, 0x1E};
    const std::size_t index = std::clamp<std::size_t>(step, 1, kValues.size()) - 1;
    return kValues[index];
}

void PatchConfigBlock(std::span<std::uint8_t, kBlockSize> block, const ProfileRecord& record)
{
    block[Block::kMarker2] = Block::kMarker2Value;
    block[Block::kMarker50] = Block::kMarker50Value;
    block[Block::kAngleSnap] = record[Record::kAngleSnap];
    block[Block::kMarker48] = Block::kMarker48Value;
    block[Block::kGestureCorrection] = GestureCorrectionValue(record[Record::kGestureCorrection]);
    block[Block::kMarker64] = Block::kMarker64Value;
    block[Block::kSensitivityX] = Low8(record[Record::kSensitivityX] * unsigned{Block::kSensitivityFactor});
    block[Block::kSensitivityY] = Low8(record[Record::kSensitivityY] * unsigned{Block::kSensitivityFactor});
    PatchLighting(block, record);
    PatchStages(block, record);
    block[Block::kMarker70] = Block::kMarker70Value;
}

}  // namespace zalvane::settings
