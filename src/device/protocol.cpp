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

TransferFailure FailureOf(const CommandPacket& sent, TransferStep step)
{
    return TransferFailure{.code = sent[kPacketCode], .argument = sent[kPacketArgument1], .step = step};
}

bool SendPacket(CommandLink& link, const CommandPacket& packet, std::span<std::uint8_t, kReportBufferSize> buffer)
{
    std::fill(buffer.begin(), buffer.end(), std::uint8_t{0});
    PutPacket(buffer, packet);
    return link.port.SendFeatureReport(buffer.first(FeatureLength(link)));
}

// Copies the reply over the packet; zeros when it could not be fetched.
bool FetchReply(CommandLink& link, CommandPacket& packet, std::span<std::uint8_t, kReportBufferSize> buffer)
{
    std::fill(buffer.begin(), buffer.end(), std::uint8_t{0});
    const bool fetched = link.port.GetFeatureReport(buffer.first(FeatureLength(link)));
    if (!fetched) {
        std::fill(buffer.begin(), buffer.end(), std::uint8_t{0});
    }
    std::copy_n(buffer.begin() + 1, packet.size(), packet.begin());
    return fetched;
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

TransferResult SimpleTransfer(CommandLink& link, CommandPacket& packet)
{
    const CommandPacket sent = packet;
    std::array<std::uint8_t, kReportBufferSize> buffer{};
    if (!SendPacket(link, packet, buffer)) {
        return std::unexpected(FailureOf(sent, TransferStep::kSendFeature));
    }
    if (IsRead(packet) && !FetchReply(link, packet, buffer)) {
        return std::unexpected(FailureOf(sent, TransferStep::kGetFeature));
    }
    return {};
}

BlockTransferResult BlockTransfer(CommandLink& link, CommandPacket& packet, std::span<std::uint8_t> data)
{
    const CommandPacket sent = packet;
    std::array<std::uint8_t, kReportBufferSize> buffer{};
    if (!SendPacket(link, packet, buffer)) {
        return {std::unexpected(FailureOf(sent, TransferStep::kSendFeature)), 0};
    }

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
            if (!link.port.WriteOutputReport(std::span<const std::uint8_t>(buffer.data(), kOutputReportSize))) {
                TransferFailure failure = FailureOf(sent, TransferStep::kWriteChunk);
                failure.chunk = chunk;
                failure.chunkCount = chunks;
                return {std::unexpected(failure), std::min(offset, data.size())};
            }
            link.pacer.Sleep(kChunkPause);
        }
        return {{}, std::min(length, data.size())};
    }

    if (!FetchReply(link, packet, buffer)) {
        return {std::unexpected(FailureOf(sent, TransferStep::kGetFeature)), 0};
    }
    // The mouse says how many bytes follow. All its chunks are read, so that none is left
    // queued for the next command, but only what fits the caller's buffer is kept.
    const std::size_t announced = packet[kPacketLength];
    const std::size_t length = std::min(announced, data.size());
    const std::size_t readLength = std::clamp<std::size_t>(link.inputReportLength, 1, kReportBufferSize);
    const std::size_t chunks = ChunkCount(announced);
    TransferResult status;
    for (std::size_t chunk = 0; chunk < chunks; ++chunk) {
        std::fill(buffer.begin(), buffer.end(), std::uint8_t{0});
        const std::size_t received =
            link.port.ReadInputReport(std::span<std::uint8_t>(buffer.data(), readLength), link.chunkTimeout)
                .value_or(0);
        if (received < readLength && status) {
            TransferFailure failure = FailureOf(sent, TransferStep::kReadChunk);
            failure.chunk = chunk;
            failure.chunkCount = chunks;
            failure.received = received;
            failure.expected = readLength;
            status = std::unexpected(failure);
        }
        // A chunk that came short keeps zeros where it ended, as its buffer was cleared.
        const std::size_t offset = chunk * kChunkSize;
        if (offset < length) {
            const std::size_t count = std::min(kChunkSize, length - offset);
            std::copy_n(buffer.begin() + 1, count, data.begin() + static_cast<std::ptrdiff_t>(offset));
        }
        // The mouse sends its chunks back to back: after one that did not come, none will.
        if (received == 0) {
            break;
        }
    }
    return {status, length};
}

}  // namespace zalvane::device
