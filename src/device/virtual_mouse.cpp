#include "device/virtual_mouse.h"

#include <algorithm>

#include "device/device_commands.h"

namespace zalvane::device {
namespace {

constexpr std::size_t kChecksumIndex = 8;
constexpr std::size_t kButtonEntrySize = 4;  // each slot of the button block

bool ChecksumHolds(std::span<const std::uint8_t> report)
{
    unsigned sum = 0;
    for (std::size_t i = 1; i <= kChecksumIndex; ++i) {
        sum += report[i];
    }
    return (sum & 0xFF) == 0xFF;
}

// A config block as a mouse leaves the factory: 400 to 5000 DPI on seven enabled
// stages, standard lighting, middle sensitivity, and firmware bytes of its own in
// every place the host does not write.
VirtualBlock FactoryConfigBlock(std::size_t profile)
{
    VirtualBlock block{};
    for (std::size_t i = 0; i < block.size(); ++i) {
        // Firmware data the host only carries back; never zero, different per profile.
        block[i] = static_cast<std::uint8_t>(((0x31 + 7 * i + 29 * profile) & 0xFF) | 0x01);
    }
    constexpr std::array<std::uint8_t, 7> kStageDpi = {3, 7, 11, 15, 23, 31, 49};
    constexpr std::array<std::uint8_t, 21> kColours = {0xFF, 0x00, 0x00, 0x00, 0xFF, 0x00, 0x00, 0x00, 0xFF, 0xFF, 0xFF,
                                                       0x00, 0xFF, 0x00, 0xFF, 0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
    block[2] = 1;
    block[48] = 0x11;
    block[49] = 0x00;  // gesture correction 0
    block[50] = 0x42;
    block[51] = 0x00;  // angle snap off
    block[64] = 0x0F;
    block[70] = 7;
    block[71] = 1;  // standard lighting
    block[72] = 6;
    block[73] = 3;
    block[74] = 100;  // sensitivity step 5 on both axes
    block[75] = 100;
    std::copy(kStageDpi.begin(), kStageDpi.end(), block.begin() + 84);
    std::copy(kStageDpi.begin(), kStageDpi.end(), block.begin() + 92);
    block[100] = 0x7F;
    std::copy(kColours.begin(), kColours.end(), block.begin() + 104);
    block[125] = 0;
    block[126] = 0;
    block[127] = 0;
    return block;
}

// Hands out the oldest queued report, cut to `buffer`; 0 when none is queued.
template <typename Queue>
std::size_t PopInto(Queue& queue, std::span<std::uint8_t> buffer)
{
    if (queue.empty()) {
        return 0;
    }
    const std::size_t count = std::min(buffer.size(), queue.front().size());
    std::copy_n(queue.front().begin(), count, buffer.begin());
    queue.pop_front();
    return count;
}

}  // namespace

VirtualMouseMemory FactoryMemory()
{
    VirtualMouseMemory memory;
    for (std::size_t profile = 0; profile < kVirtualProfileCount; ++profile) {
        memory.configBlocks[profile] = FactoryConfigBlock(profile);
    }
    // Left, right, middle, forward, backward, then the two fixed functions in slots 14, 15.
    constexpr std::array<std::array<std::uint8_t, 2>, 7> kFactorySlots = {
        {{0, 0xF0}, {1, 0xF1}, {2, 0xF2}, {3, 0xF4}, {4, 0xF3}, {14, 0xF7}, {15, 0xF8}}};
    for (const auto& [slot, function] : kFactorySlots) {
        memory.buttonBlock[kButtonEntrySize * slot] = 0x01;
        memory.buttonBlock[kButtonEntrySize * slot + 2] = function;
    }
    return memory;
}

bool VirtualMouse::SetFeature(std::span<const std::uint8_t> report)
{
    if (report.size() != kFeatureReportSize || report[0] != 0) {
        return false;
    }
    if (ChecksumHolds(report)) {
        FeatureReport copy{};
        std::copy(report.begin(), report.end(), copy.begin());
        Execute(copy);
    }
    return true;
}

bool VirtualMouse::GetFeature(std::span<std::uint8_t> report)
{
    if (report.size() != kFeatureReportSize || report[0] != 0) {
        return false;
    }
    std::copy(m_reply.begin(), m_reply.end(), report.begin());
    return true;
}

bool VirtualMouse::Output(std::span<const std::uint8_t> report)
{
    if (report.size() != kOutputReportSize || report[0] != 0) {
        return false;
    }
    if (m_write.chunksLeft == 0) {
        return true;  // no write command waits for data
    }
    std::copy_n(report.begin() + 1, kChunkSize, m_write.data.begin() + static_cast<std::ptrdiff_t>(m_write.received));
    m_write.received += kChunkSize;
    if (--m_write.chunksLeft == 0) {
        FinishWrite();
    }
    return true;
}

std::size_t VirtualMouse::Input(std::span<std::uint8_t> buffer) { return PopInto(m_inputs, buffer); }

void VirtualMouse::QueueEvent(std::uint8_t code, std::uint8_t value)
{
    if (m_events.size() == kEventQueueLimit) {
        m_events.pop_front();
    }
    m_events.push_back({kEventReportId, kEventClass, code, value});
}

std::size_t VirtualMouse::ReadEvent(std::span<std::uint8_t> buffer) { return PopInto(m_events, buffer); }

void VirtualMouse::SetProfileNumber(std::uint8_t profile)
{
    m_memory.profileNumber = profile;
    Changed();
}

void VirtualMouse::Execute(const FeatureReport& report)
{
    // A new command ends whatever the previous one left: an unfinished write is
    // dropped, unread chunks are discarded.
    m_write = PendingWrite{};
    m_inputs.clear();
    m_reply = FeatureReport{};

    const std::uint8_t code = report[1];
    const std::uint8_t argument1 = report[2];
    const std::uint8_t argument2 = report[3];
    const std::size_t selected = m_memory.selectedProfile;
    switch (code) {
        case command::kOpen:
            m_opened = true;
            break;
        case command::kReadProfileNumber:
            Reply(code, m_memory.profileNumber, 0);
            break;
        case command::kSelectProfile:
            if (argument1 < kVirtualProfileCount) {
                m_memory.selectedProfile = argument1;
                Changed();
            }
            break;
        case command::kSetReportRate:
            m_memory.reportInterval = argument2;
            Changed();
            break;
        case command::kReadConfigBlock:
            QueueBlockRead(code, m_memory.configBlocks[selected]);
            break;
        case command::kWriteConfigBlock:
            StartWrite(Target::kConfig, selected, argument2);
            break;
        case command::kWriteButtonBlock:
            StartWrite(Target::kButtons, 0, argument2);
            break;
        case command::kWriteMacroBlock: {
            const bool known = argument1 >= 1 && argument1 <= kVirtualMacroBlockCount;
            StartWrite(known ? Target::kMacro : Target::kNone, known ? argument1 - 1U : 0, argument2);
            break;
        }
        default:
            break;  // unknown commands do nothing
    }
}

void VirtualMouse::StartWrite(Target target, std::size_t index, std::size_t length)
{
    m_write.target = target;
    m_write.index = index;
    m_write.length = length;
    m_write.chunksLeft = ChunkCount(length);
}

void VirtualMouse::FinishWrite()
{
    VirtualBlock* block = nullptr;
    switch (m_write.target) {
        case Target::kConfig:
            block = &m_memory.configBlocks[m_write.index];
            break;
        case Target::kButtons:
            block = &m_memory.buttonBlock;
            break;
        case Target::kMacro:
            block = &m_memory.macroBlocks[m_write.index];
            break;
        case Target::kNone:
            break;
    }
    if (block != nullptr) {
        std::copy_n(m_write.data.begin(), std::min(m_write.length, block->size()), block->begin());
        Changed();
    }
    m_write = PendingWrite{};
}

void VirtualMouse::QueueBlockRead(std::uint8_t code, const VirtualBlock& block)
{
    Reply(code, 0, static_cast<std::uint8_t>(block.size()));
    for (std::size_t offset = 0; offset < block.size(); offset += kChunkSize) {
        Report report{};
        std::copy_n(block.begin() + static_cast<std::ptrdiff_t>(offset), kChunkSize, report.begin() + 1);
        m_inputs.push_back(report);
    }
}

void VirtualMouse::Reply(std::uint8_t code, std::uint8_t byte1, std::uint8_t byte2)
{
    CommandPacket packet{code, byte1, byte2, 0, 0, 0, 0, 0};
    const auto report = FeatureReportFor(packet);
    std::copy(report.begin(), report.end(), m_reply.begin());
}

}  // namespace zalvane::device
