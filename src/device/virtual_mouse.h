#pragma once
// The virtual mouse: a model of the device side of the command protocol, for tests, the
// command-line tool and a demo without hardware. It sees only report bytes, as the real
// mouse does: it checks each feature report's checksum (a bad one is ignored), answers
// reads with a feature report and, for block reads, input reports, and takes block data
// from the output reports that follow a write command. Its memory is a plain value so
// that it can be stored in a state folder (virtual_mouse_store.h) and reloaded; the
// plumbing that connects it to the host is virtual_hid_port.h.

#include <array>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <span>

#include "device/event_report.h"
#include "device/protocol.h"

namespace zalvane::device {

inline constexpr std::size_t kVirtualBlockSize = 128;
inline constexpr std::size_t kVirtualProfileCount = 6;
inline constexpr std::size_t kVirtualMacroBlockCount = 19;

using VirtualBlock = std::array<std::uint8_t, kVirtualBlockSize>;

// Everything the mouse keeps in its flash.
struct VirtualMouseMemory {
    std::uint8_t profileNumber = 0;    // answered to the profile-number read
    std::uint8_t selectedProfile = 0;  // 0-5, chosen by the select-profile command
    std::uint8_t reportInterval = 1;   // ms between reports
    std::array<VirtualBlock, kVirtualProfileCount> configBlocks{};
    VirtualBlock buttonBlock{};
    std::array<VirtualBlock, kVirtualMacroBlockCount> macroBlocks{};

    friend bool operator==(const VirtualMouseMemory&, const VirtualMouseMemory&) = default;
};

// The memory of a new mouse: realistic config blocks (every byte non-zero), the usual
// mouse functions on the first buttons, no macros.
VirtualMouseMemory FactoryMemory();

class VirtualMouse {
public:
    static constexpr std::size_t kEventQueueLimit = 64;

    explicit VirtualMouse(const VirtualMouseMemory& memory = FactoryMemory()) : m_memory(memory) {}

    // Command interface. A report of the wrong length or report ID is refused (false), as
    // the driver would; a feature report with a bad checksum is taken and ignored.
    bool SetFeature(std::span<const std::uint8_t> report);
    bool GetFeature(std::span<std::uint8_t> report);
    bool Output(std::span<const std::uint8_t> report);
    // The next queued input report, cut to `buffer`; 0 when none is queued.
    std::size_t Input(std::span<std::uint8_t> buffer);

    // Event interface: queues an event report (event_report.h). Like a
    // driver's report buffer the queue is bounded: past kEventQueueLimit the oldest goes.
    void QueueEvent(std::uint8_t code, std::uint8_t value);
    // The next event report, cut to `buffer`; 0 when none is queued.
    std::size_t ReadEvent(std::span<std::uint8_t> buffer);
    bool HasEvent() const { return !m_events.empty(); }

    const VirtualMouseMemory& Memory() const { return m_memory; }
    void SetProfileNumber(std::uint8_t profile);
    // Whether the host has sent the opening command since this model was made.
    bool Opened() const { return m_opened; }
    // Counts changes of the memory, so that the plumbing knows when to store it.
    std::uint64_t Revision() const { return m_revision; }

private:
    using Report = std::array<std::uint8_t, kOutputReportSize>;  // input reports are as long
    using FeatureReport = std::array<std::uint8_t, kFeatureReportSize>;

    // The block that the data of a write command goes to.
    enum class Target { kNone, kConfig, kButtons, kMacro };
    struct PendingWrite {
        Target target = Target::kNone;
        std::size_t index = 0;   // profile or macro block
        std::size_t length = 0;  // bytes announced by the command
        std::size_t chunksLeft = 0;
        std::size_t received = 0;
        // Room for the longest write a one-byte length announces: 255 bytes in four 64-byte chunks.
        std::array<std::uint8_t, 256> data{};
    };

    void Execute(const FeatureReport& report);
    void StartWrite(Target target, std::size_t index, std::size_t length);
    void FinishWrite();
    void QueueBlockRead(std::uint8_t code, const VirtualBlock& block);
    void Reply(std::uint8_t code, std::uint8_t byte1, std::uint8_t byte2);
    void Changed() { ++m_revision; }

    VirtualMouseMemory m_memory;
    std::uint64_t m_revision = 0;
    bool m_opened = false;
    FeatureReport m_reply{};
    PendingWrite m_write;
    std::deque<Report> m_inputs;
    std::deque<std::array<std::uint8_t, kEventReportSize>> m_events;
};

}  // namespace zalvane::device
