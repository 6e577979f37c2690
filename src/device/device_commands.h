#pragma once
// The commands the mouse understands and the fixed sequences the host sends them in:
// the opening sequence after the mouse was found, the transfers of the Apply sequence
// and the short read behind a DPI-stage notice. All data comes from and goes to the
// settings image; the pauses give the mouse time to write its flash. Each command and
// sequence gives ok or the first transfer that failed; a sequence stops there.

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "device/protocol.h"
#include "settings/profile_record.h"
#include "settings/settings_image.h"

namespace zalvane::device {

// Command codes. Bit 7 set means the mouse answers with a feature report.
namespace command {
inline constexpr std::uint8_t kOpen = 0x01;               // byte 1: 0xFC
inline constexpr std::uint8_t kReadProfileNumber = 0x82;  // reply byte 1: profile number
inline constexpr std::uint8_t kSelectProfile = 0x02;      // byte 1: profile number
inline constexpr std::uint8_t kSetReportRate = 0x03;      // byte 1: profile, byte 2: interval
inline constexpr std::uint8_t kReadConfigBlock = 0x8C;    // reply carries the length
inline constexpr std::uint8_t kWriteConfigBlock = 0x0C;
inline constexpr std::uint8_t kWriteButtonBlock = 0x0D;  // byte 1: profile number
inline constexpr std::uint8_t kWriteMacroBlock = 0x0F;   // byte 1: macro block 1-19
}  // namespace command

// Pauses after whole commands; the opening command and the profile read need none.
namespace pause {
inline constexpr std::chrono::milliseconds kSelectProfile{10};
inline constexpr std::chrono::milliseconds kSetReportRate{10};
inline constexpr std::chrono::milliseconds kReadConfigBlock{10};
inline constexpr std::chrono::milliseconds kWriteConfigBlock{10};
inline constexpr std::chrono::milliseconds kWriteButtonBlock{2};
inline constexpr std::chrono::milliseconds kWriteMacroBlock{20};
}  // namespace pause

// Length byte of every block write; block reads are cut to it as well.
inline constexpr std::uint8_t kBlockLength = static_cast<std::uint8_t>(settings::kBlockSize);

// Reads the mouse's profile number into settings image byte 0 (0 when no reply came).
[[nodiscard]] TransferResult ReadDeviceProfileNumber(CommandLink& link, settings::SettingsImage& image);

// Zeroes the image, reads the profile number (also into profile record byte 0) and
// sends the opening command with 0xFC.
[[nodiscard]] TransferResult RunOpeningSequence(CommandLink& link, settings::SettingsImage& image,
                                                settings::ProfileRecord& record);

[[nodiscard]] TransferResult SelectProfile(CommandLink& link, std::uint8_t profile);

// Sends settings image byte 2 as the report interval of the profile in image byte 0.
[[nodiscard]] TransferResult SetReportRate(CommandLink& link, const settings::SettingsImage& image);

// Reads the config block into the image (offset 0x11). Only as many bytes as the mouse
// announces (at most 128) are copied; the rest of the block keeps its bytes. Gives the
// number copied; on a failure what came is copied all the same (a missing chunk as zeros).
[[nodiscard]] std::expected<std::size_t, TransferFailure> ReadConfigBlock(CommandLink& link,
                                                                          settings::SettingsImage& image);

[[nodiscard]] TransferResult WriteConfigBlock(CommandLink& link, const settings::SettingsImage& image);

// Writes the button block, addressed to the profile in image byte 0.
[[nodiscard]] TransferResult WriteButtonBlock(CommandLink& link, const settings::SettingsImage& image);

// Writes macro block `number` (1-19); any other number sends nothing.
[[nodiscard]] TransferResult WriteMacroBlock(CommandLink& link, const settings::SettingsImage& image,
                                             std::size_t number);

// Writes macro blocks 1-19 in ascending order.
[[nodiscard]] TransferResult WriteMacroBlocks(CommandLink& link, const settings::SettingsImage& image);

// Reads the profile number, then the config block: what a DPI-stage notice needs.
[[nodiscard]] TransferResult RunDpiStageRead(CommandLink& link, settings::SettingsImage& image);

// The command's name as people read it ("write macro block 3"); a code outside the
// catalogue is named by its number.
std::string CommandName(std::uint8_t code, std::uint8_t argument);

// One line that says which transfer failed and how, e.g. "write macro block 3 (command
// 0x0f): output report 2 of 2 not taken".
std::string DescribeTransferFailure(const TransferFailure& failure);

}  // namespace zalvane::device
