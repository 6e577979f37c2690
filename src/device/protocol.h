#pragma once
// The command protocol of the mouse's command interface: an 8-byte command packet sent as
// a 9-byte feature report with a checksum, optionally followed by a data phase of 64-byte
// chunks (output reports to the mouse, input reports from it).

#include <array>
#include <chrono>
#include <cstddef>
#include <cstdint>
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

// Sends the packet; for a read (bit 7 of the code) fetches the reply into the packet.
// Returns whether the send was accepted.
bool SimpleTransfer(CommandLink& link, CommandPacket& packet);

// Sends the packet, then the data phase. A write sends packet byte 2 bytes of `data` in
// whole 64-byte chunks; a read takes the length from the reply and stores the chunks in
// `data`. Never touches `data` beyond its size: a chunk that does not fit is cut, and a
// chunk that does not arrive in time stays zero. Returns the number of data bytes the
// transfer moved (for a read: the reply's length, cut to what `data` holds).
std::size_t BlockTransfer(CommandLink& link, CommandPacket& packet, std::span<std::uint8_t> data);

}  // namespace zalvane::device
