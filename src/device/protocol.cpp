#include "device/protocol.h"

#include <algorithm>

namespace zalvane::device {
namespace {

constexpr std::size_t kChecksumIndex = 8;

bool IsRead(const CommandPacket& packet) { return (packet[kPacketCode] & kReadBit) != 0; }

// Fills `report` (already zero) with the packet and its checksum.
void PutPacket(std::span<std::uint8_t> report, const CommandPacket& packet)
{
    report[0] = 0;
    std::copy_n(packet.begin(), 7, report.begin() + 1);
    report[kChecksumIndex] = Checksum(packet);
}

// The feature report length as the interface reports it, kept within our buffer and
// never below what one packet needs.
std::size_t FeatureLength(const CommandLink& link)
{
    return std::clamp<std::size_t>(link.featureReportLength, kFeatureReportSize, kReportBufferSize);
}

bool SendPacket(CommandLink& link, const CommandPacket& packet, std::span<std::uint8_t, kReportBufferSize> buffer)
{
    std::fill(buffer.begin(), buffer.end(), std::uint8_t{0});
    PutPacket(buffer, packet);
    return link.port.SendFeatureReport(buffer.first(FeatureLength(link)));
}

void FetchReply(CommandLink& link, CommandPacket& packet, std::span<std::uint8_t, kReportBufferSize> buffer)
{
    std::fill(buffer.begin(), buffer.end(), std::uint8_t{0});
    link.port.GetFeatureReport(buffer.first(FeatureLength(link)));
    std::copy_n(buffer.begin() + 1, packet.size(), packet.begin());
}

}  // namespace

std::uint8_t Checksum(const CommandPacket& packet)
{
    unsigned sum = 0;
    for (std::size_t i = 0; i < 7; ++i) {
        sum += packet[i];
    }
    return static_cast<std::uint8_t>(0xFF - (sum & 0xFF));
}

std::array<std::uint8_t, kFeatureReportSize> FeatureReportFor(const CommandPacket& packet)
{
    std::array<std::uint8_t, kFeatureReportSize> report{};
    PutPacket(report, packet);
    return report;
}

bool SimpleTransfer(CommandLink& link, CommandPacket& packet)
{
    std::array<std::uint8_t, kReportBufferSize> buffer{};
    const bool sent = SendPacket(link, packet, buffer);
    if (IsRead(packet)) {
        FetchReply(link, packet, buffer);
    }
    return sent;
}

std::size_t BlockTransfer(CommandLink& link, CommandPacket& packet, std::span<std::uint8_t> data)
{
    std::array<std::uint8_t, kReportBufferSize> buffer{};
    SendPacket(link, packet, buffer);

    if (!IsRead(packet)) {
        const std::size_t length = packet[kPacketLength];
        const std::size_t chunks = ChunkCount(length);
        for (std::size_t chunk = 0; chunk < chunks; ++chunk) {
            std::fill(buffer.begin(), buffer.end(), std::uint8_t{0});
            // A chunk always carries 64 bytes of the caller's buffer; where the buffer
            // ends early, the rest of the chunk stays zero.
            const std::size_t offset = chunk * kChunkSize;
            if (offset < data.size()) {
                const std::size_t count = std::min(kChunkSize, data.size() - offset);
                std::copy_n(data.begin() + static_cast<std::ptrdiff_t>(offset), count, buffer.begin() + 1);
            }
            link.port.WriteOutputReport(std::span<const std::uint8_t>(buffer.data(), kOutputReportSize));
            link.pacer.Sleep(kChunkPause);
        }
        return std::min(length, data.size());
    }

    FetchReply(link, packet, buffer);
    // The mouse says how many bytes follow. All its chunks are read, so that none is left
    // queued for the next command, but only what fits the caller's buffer is kept.
    const std::size_t announced = packet[kPacketLength];
    const std::size_t length = std::min(announced, data.size());
    const std::size_t readLength = std::clamp<std::size_t>(link.inputReportLength, 1, kReportBufferSize);
    for (std::size_t chunk = 0; chunk < ChunkCount(announced); ++chunk) {
        std::fill(buffer.begin(), buffer.end(), std::uint8_t{0});
        // A chunk that does not come in time stays zero, as its buffer was cleared.
        static_cast<void>(
            link.port.ReadInputReport(std::span<std::uint8_t>(buffer.data(), readLength), link.chunkTimeout));
        const std::size_t offset = chunk * kChunkSize;
        if (offset < length) {
            const std::size_t count = std::min(kChunkSize, length - offset);
            std::copy_n(buffer.begin() + 1, count, data.begin() + static_cast<std::ptrdiff_t>(offset));
        }
    }
    return length;
}

}  // namespace zalvane::device
