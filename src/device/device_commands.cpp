#include "device/device_commands.h"

#include <algorithm>
#include <array>

namespace zalvane::device {
namespace {

using settings::SettingsImage;

CommandPacket Packet(std::uint8_t code, std::uint8_t argument1 = 0, std::uint8_t argument2 = 0)
{
    CommandPacket packet{};
    packet[kPacketCode] = code;
    packet[kPacketArgument1] = argument1;
    packet[kPacketLength] = argument2;
    return packet;
}

void WriteBlock(CommandLink& link, std::uint8_t code, std::uint8_t argument1,
                std::span<const std::uint8_t, settings::kBlockSize> block, std::chrono::milliseconds pauseAfter)
{
    // The transfer works on a copy, so that the image is never handed out for writing.
    std::array<std::uint8_t, settings::kBlockSize> data{};
    std::copy(block.begin(), block.end(), data.begin());
    CommandPacket packet = Packet(code, argument1, kBlockLength);
    BlockTransfer(link, packet, data);
    link.pacer.Sleep(pauseAfter);
}

}  // namespace

std::uint8_t ReadDeviceProfileNumber(CommandLink& link, SettingsImage& image)
{
    CommandPacket packet = Packet(command::kReadProfileNumber);
    SimpleTransfer(link, packet);
    image[SettingsImage::kDeviceProfileNumber] = packet[kPacketArgument1];
    return packet[kPacketArgument1];
}

void RunOpeningSequence(CommandLink& link, SettingsImage& image, settings::ProfileRecord& record)
{
    image.bytes.fill(0);
    record[settings::ProfileRecord::kDeviceProfileNumber] = ReadDeviceProfileNumber(link, image);
    image[SettingsImage::kOpeningArgument] = SettingsImage::kOpeningArgumentValue;
    CommandPacket packet = Packet(command::kOpen, image[SettingsImage::kOpeningArgument]);
    SimpleTransfer(link, packet);
}

void SelectProfile(CommandLink& link, std::uint8_t profile)
{
    CommandPacket packet = Packet(command::kSelectProfile, profile);
    SimpleTransfer(link, packet);
    link.pacer.Sleep(pause::kSelectProfile);
}

void SetReportRate(CommandLink& link, const SettingsImage& image)
{
    CommandPacket packet = Packet(command::kSetReportRate, image[SettingsImage::kDeviceProfileNumber],
                                  image[SettingsImage::kReportInterval]);
    SimpleTransfer(link, packet);
    link.pacer.Sleep(pause::kSetReportRate);
}

std::size_t ReadConfigBlock(CommandLink& link, SettingsImage& image)
{
    std::array<std::uint8_t, settings::kBlockSize> data{};
    CommandPacket packet = Packet(command::kReadConfigBlock);
    const std::size_t length = BlockTransfer(link, packet, data);
    std::copy_n(data.begin(), length, image.ConfigBlock().begin());
    link.pacer.Sleep(pause::kReadConfigBlock);
    return length;
}

void WriteConfigBlock(CommandLink& link, const SettingsImage& image)
{
    WriteBlock(link, command::kWriteConfigBlock, 0, image.ConfigBlock(), pause::kWriteConfigBlock);
}

void WriteButtonBlock(CommandLink& link, const SettingsImage& image)
{
    WriteBlock(link, command::kWriteButtonBlock, image[SettingsImage::kDeviceProfileNumber], image.ButtonBlock(),
               pause::kWriteButtonBlock);
}

void WriteMacroBlock(CommandLink& link, const SettingsImage& image, std::size_t number)
{
    if (number < 1 || number > settings::kMacroCount) {
        return;
    }
    WriteBlock(link, command::kWriteMacroBlock, static_cast<std::uint8_t>(number), image.MacroBlock(number),
               pause::kWriteMacroBlock);
}

void WriteMacroBlocks(CommandLink& link, const SettingsImage& image)
{
    for (std::size_t number = 1; number <= settings::kMacroCount; ++number) {
        WriteMacroBlock(link, image, number);
    }
}

void RunDpiStageRead(CommandLink& link, SettingsImage& image)
{
    ReadDeviceProfileNumber(link, image);
    ReadConfigBlock(link, image);
}

}  // namespace zalvane::device
