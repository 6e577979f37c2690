#include "device/device_commands.h"

#include <algorithm>
#include <array>

#include "device/trace.h"

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

TransferResult WriteBlock(CommandLink& link, std::uint8_t code, std::uint8_t argument1,
                          std::span<const std::uint8_t, settings::kBlockSize> block,
                          std::chrono::milliseconds pauseAfter)
{
    // The transfer works on a copy, so that the image is never handed out for writing.
    std::array<std::uint8_t, settings::kBlockSize> data{};
    std::copy(block.begin(), block.end(), data.begin());
    CommandPacket packet = Packet(code, argument1, kBlockLength);
    const BlockTransferResult result = BlockTransfer(link, packet, data);
    if (result.status) {
        link.pacer.Sleep(pauseAfter);
    }
    return result.status;
}

// A simple command followed by its pause, unless the mouse did not take it.
TransferResult SendCommand(CommandLink& link, CommandPacket packet, std::chrono::milliseconds pauseAfter)
{
    const TransferResult sent = SimpleTransfer(link, packet);
    if (sent) {
        link.pacer.Sleep(pauseAfter);
    }
    return sent;
}

std::string Hex(std::uint8_t value) { return "0x" + HexBytes(std::array{value}); }

}  // namespace

TransferResult ReadDeviceProfileNumber(CommandLink& link, SettingsImage& image)
{
    CommandPacket packet = Packet(command::kReadProfileNumber);
    const TransferResult read = SimpleTransfer(link, packet);
    image[SettingsImage::kDeviceProfileNumber] = read ? packet[kPacketArgument1] : 0;
    return read;
}

TransferResult RunOpeningSequence(CommandLink& link, SettingsImage& image, settings::ProfileRecord& record)
{
    image.bytes.fill(0);
    const TransferResult read = ReadDeviceProfileNumber(link, image);
    record[settings::ProfileRecord::kDeviceProfileNumber] = image[SettingsImage::kDeviceProfileNumber];
    image[SettingsImage::kOpeningArgument] = SettingsImage::kOpeningArgumentValue;
    if (!read) {
        return read;
    }
    CommandPacket packet = Packet(command::kOpen, image[SettingsImage::kOpeningArgument]);
    return SimpleTransfer(link, packet);
}

TransferResult SelectProfile(CommandLink& link, std::uint8_t profile)
{
    return SendCommand(link, Packet(command::kSelectProfile, profile), pause::kSelectProfile);
}

TransferResult SetReportRate(CommandLink& link, const SettingsImage& image)
{
    return SendCommand(link,
                       Packet(command::kSetReportRate, image[SettingsImage::kDeviceProfileNumber],
                              image[SettingsImage::kReportInterval]),
                       pause::kSetReportRate);
}

std::expected<std::size_t, TransferFailure> ReadConfigBlock(CommandLink& link, SettingsImage& image)
{
    std::array<std::uint8_t, settings::kBlockSize> data{};
    CommandPacket packet = Packet(command::kReadConfigBlock);
    const BlockTransferResult result = BlockTransfer(link, packet, data);
    std::copy_n(data.begin(), result.moved, image.ConfigBlock().begin());
    if (!result.status) {
        return std::unexpected(result.status.error());
    }
    link.pacer.Sleep(pause::kReadConfigBlock);
    return result.moved;
}

TransferResult WriteConfigBlock(CommandLink& link, const SettingsImage& image)
{
    return WriteBlock(link, command::kWriteConfigBlock, 0, image.ConfigBlock(), pause::kWriteConfigBlock);
}

TransferResult WriteButtonBlock(CommandLink& link, const SettingsImage& image)
{
    return WriteBlock(link, command::kWriteButtonBlock, image[SettingsImage::kDeviceProfileNumber], image.ButtonBlock(),
                      pause::kWriteButtonBlock);
}

TransferResult WriteMacroBlock(CommandLink& link, const SettingsImage& image, std::size_t number)
{
    if (number < 1 || number > settings::kMacroCount) {
        return {};
    }
    return WriteBlock(link, command::kWriteMacroBlock, static_cast<std::uint8_t>(number), image.MacroBlock(number),
                      pause::kWriteMacroBlock);
}

TransferResult WriteMacroBlocks(CommandLink& link, const SettingsImage& image)
{
    for (std::size_t number = 1; number <= settings::kMacroCount; ++number) {
        if (TransferResult written = WriteMacroBlock(link, image, number); !written) {
            return written;
        }
    }
    return {};
}

TransferResult RunDpiStageRead(CommandLink& link, SettingsImage& image)
{
    if (TransferResult read = ReadDeviceProfileNumber(link, image); !read) {
        return read;
    }
    if (auto read = ReadConfigBlock(link, image); !read) {
        return std::unexpected(read.error());
    }
    return {};
}

std::string CommandName(std::uint8_t code, std::uint8_t argument)
{
    switch (code) {
        case command::kOpen:
            return "opening command";
        case command::kReadProfileNumber:
            return "read profile number";
        case command::kSelectProfile:
            return "select profile " + std::to_string(argument);
        case command::kSetReportRate:
            return "set report rate";
        case command::kReadConfigBlock:
            return "read config block";
        case command::kWriteConfigBlock:
            return "write config block";
        case command::kWriteButtonBlock:
            return "write button block";
        case command::kWriteMacroBlock:
            return "write macro block " + std::to_string(argument);
        default:
            return "command " + Hex(code);
    }
}

std::string DescribeTransferFailure(const TransferFailure& failure)
{
    std::string text = CommandName(failure.code, failure.argument) + " (command " + Hex(failure.code) + "): ";
    const std::string chunk = std::to_string(failure.chunk + 1) + " of " + std::to_string(failure.chunkCount);
    switch (failure.step) {
        case TransferStep::kSendFeature:
            return text + "feature report refused";
        case TransferStep::kGetFeature:
            return text + "no reply (its feature report could not be fetched)";
        case TransferStep::kWriteChunk:
            return text + "output report " + chunk + " not taken";
        case TransferStep::kReadChunk:
            if (failure.received == 0) {
                return text + "input report " + chunk + " did not come in time";
            }
            return text + "input report " + chunk + " came short (" + std::to_string(failure.received) + " of " +
                   std::to_string(failure.expected) + " bytes)";
    }
    return text;
}

}  // namespace zalvane::device
