#pragma once
// The settings image: the mouse's blocks as the device commands send and read them.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "settings/profile_record.h"

namespace zalvane::settings {

inline constexpr std::size_t kBlockSize = 128;

struct SettingsImage {
    static constexpr std::size_t kSize = 3473;

    static constexpr std::size_t kDeviceProfileNumber = 0x000;  // reply byte 1 of the profile read
    static constexpr std::size_t kOpeningArgument = 0x001;      // always 0xFC
    static constexpr std::size_t kReportInterval = 0x002;
    static constexpr std::size_t kConfigBlock = 0x011;  // block of profile p at + p * 128
    static constexpr std::size_t kConfigAreaEnd = 0x311;
    static constexpr std::size_t kButtonBlock = 0x311;
    static constexpr std::size_t kMacroBlocks = 0x411;  // block n (1-19) at + (n - 1) * 128

    static constexpr std::uint8_t kOpeningArgumentValue = 0xFC;

    std::array<std::uint8_t, kSize> bytes{};

    std::uint8_t& operator[](std::size_t offset) { return bytes.at(offset); }
    std::uint8_t operator[](std::size_t offset) const { return bytes.at(offset); }

    // The config block of device profile `profile`; 0-5 lie inside the config area.
    std::span<std::uint8_t, kBlockSize> ConfigBlock(std::size_t profile = 0)
    {
        return Block(kConfigBlock + profile * kBlockSize);
    }
    std::span<const std::uint8_t, kBlockSize> ConfigBlock(std::size_t profile = 0) const
    {
        return Block(kConfigBlock + profile * kBlockSize);
    }
    std::span<std::uint8_t, kBlockSize> ButtonBlock() { return Block(kButtonBlock); }
    std::span<const std::uint8_t, kBlockSize> ButtonBlock() const { return Block(kButtonBlock); }
    // Macro block `number`, 1-19.
    std::span<std::uint8_t, kBlockSize> MacroBlock(std::size_t number)
    {
        return Block(kMacroBlocks + (number - 1) * kBlockSize);
    }
    std::span<const std::uint8_t, kBlockSize> MacroBlock(std::size_t number) const
    {
        return Block(kMacroBlocks + (number - 1) * kBlockSize);
    }
    std::span<std::uint8_t, kMacroAreaSize> MacroBlocks()
    {
        return std::span<std::uint8_t, kMacroAreaSize>(bytes.data() + kMacroBlocks, kMacroAreaSize);
    }

private:
    std::span<std::uint8_t, kBlockSize> Block(std::size_t offset)
    {
        static_cast<void>(bytes.at(offset + kBlockSize - 1));  // bounds check
        return std::span<std::uint8_t, kBlockSize>(bytes.data() + offset, kBlockSize);
    }
    std::span<const std::uint8_t, kBlockSize> Block(std::size_t offset) const
    {
        static_cast<void>(bytes.at(offset + kBlockSize - 1));
        return std::span<const std::uint8_t, kBlockSize>(bytes.data() + offset, kBlockSize);
    }
};

static_assert(SettingsImage::kMacroBlocks + kMacroAreaSize == SettingsImage::kSize);
static_assert(SettingsImage::kConfigBlock + 6 * kBlockSize == SettingsImage::kConfigAreaEnd);

}  // namespace zalvane::settings
