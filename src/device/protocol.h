#pragma once
// The command protocol of the mouse's command interface: an 8-byte command packet sent as
// a 9-byte feature report with a checksum, optionally followed by a data phase of 64-byte
// chunks (output reports to the mouse, input reports from it).

#include <array>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <expected>
#include <span>

#include "platform/hid_port.h"
#include "platform/pacer.h"

namespace zalvane::device {

using CommandPacket = std::array<std::uint8_t, 8>;

inline constexpr std::size_t kPacketCode = 0;
inline constexpr std::size_t kPacketArgument1 = 1;
inline constexpr std::size_t kPacketLength = 2;  // data bytes of a block transfer, or argument 2
inline constexpr std::size_t kPacketReply = 7;   // never sent: its place carries the checksum
inline constexpr std::uint8_t kReadBit = 0x80;

inline constexpr std::size_t kChunkSize = 64;
inline constexpr std::size_t kOutputReportSize = kChunkSize + 1;  // report ID + chunk
inline constexpr std::size_t kReportBufferSize = 80;              // largest report we read
inline constexpr std::size_t kFeatureReportSize = 9;
// A feature report is the report ID, packet bytes 0-6 and the checksum in the place of
// byte 7, the last of the packet.
static_assert(kFeatureReportSize == 1 + kPacketReply + 1);
static_assert(std::tuple_size_v<CommandPacket> == kPacketReply + 1);
// The mouse paces its flash writes at 20 ms per written chunk.
inline constexpr std::chrono::milliseconds kChunkPause{20};

// What the protocol needs of an open command interface.
struct CommandLink {
    platform::HidPort& port;
    platform::Pacer& pacer;
    std::uint16_t featureReportLength = kFeatureReportSize;
    std::uint16_t inputReportLength = kOutputReportSize;
    // How long one chunk of a read may take before it counts as empty.
    std::chrono::milliseconds chunkTimeout{1000};
};

// 0xFF minus the sum of packet bytes 0-6, modulo 256.
std::uint8_t Checksum(const CommandPacket& packet);

// The feature report for `packet`: report ID 0, packet bytes 0-6, checksum.
std::array<std::uint8_t, kFeatureReportSize> FeatureReportFor(const CommandPacket& packet);

// Number of 64-byte chunks of a data phase of `length` bytes.
constexpr std::size_t ChunkCount(std::size_t length) { return (length + kChunkSize - 1) / kChunkSize; }

// The step of a transfer that went wrong.
enum class TransferStep {
    kSendFeature,  // the command's feature report was refused
    kGetFeature,   // the reply's feature report could not be fetched
    kWriteChunk,   // an output report of the data phase was not taken
    kReadChunk,    // an input report of the data phase did not come in time, or came short
};

// The first step of a transfer that failed; nothing more was sent after it.
struct TransferFailure {
    std::uint8_t code = 0;      // the command's code
    std::uint8_t argument = 0;  // its byte 1 as sent (a macro block's number, a profile)
    TransferStep step = TransferStep::kSendFeature;
    std::size_t chunk = 0;       // kWriteChunk, kReadChunk: which chunk, from 0
    std::size_t chunkCount = 0;  // kWriteChunk, kReadChunk: how many the data phase has
    std::size_t received = 0;    // kReadChunk: bytes that came (0: none in time)
    std::size_t expected = 0;    // kReadChunk: bytes of one input report

    friend bool operator==(const TransferFailure&, const TransferFailure&) = default;
};

// Ok, or the first step of a transfer (or of a command sequence) that failed.
using TransferResult = std::expected<void, TransferFailure>;

// Sends the packet; for a read (bit 7 of the code) fetches the reply into the packet (a
// reply that could not be fetched leaves zeros there). A refused send fetches nothing.
[[nodiscard]] TransferResult SimpleTransfer(CommandLink& link, CommandPacket& packet);

struct BlockTransferResult {
    TransferResult status;
    // Data bytes the transfer moved (for a read: the reply's length, cut to the buffer).
    std::size_t moved = 0;
};

// Sends the packet, then the data phase. A write sends packet byte 2 bytes of `data` in
// whole 64-byte chunks; a read takes the length from the reply and stores the chunks in
// `data`. Never touches `data` beyond its size: a chunk that does not fit is cut, and a
// chunk that does not arrive stays zero. The transfer stops at a refused feature report,
// a reply that does not come, a write that fails and a chunk that does not come in time;
// after a short chunk it reads on, so that no chunk is left queued for the next command.
[[nodiscard]] BlockTransferResult BlockTransfer(CommandLink& link, CommandPacket& packet, std::span<std::uint8_t> data);

}  // namespace zalvane::device
