#include "device/virtual_mouse_store.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <system_error>

#include "platform/file_io.h"

namespace zalvane::device {
namespace {

namespace fs = std::filesystem;
using StateBytes = std::array<std::uint8_t, VirtualMouseStore::kStateFileSize>;

constexpr std::string_view kMagic = "ZVMOUSE1";
constexpr std::size_t kProfileNumber = 8;
constexpr std::size_t kSelectedProfile = 9;
constexpr std::size_t kReportInterval = 10;
constexpr std::size_t kConfigBlocks = 16;
constexpr std::size_t kButtonBlock = kConfigBlocks + kVirtualProfileCount * kVirtualBlockSize;
constexpr std::size_t kMacroBlocks = kButtonBlock + kVirtualBlockSize;
static_assert(kMacroBlocks + kVirtualMacroBlockCount * kVirtualBlockSize == VirtualMouseStore::kStateFileSize);

constexpr std::string_view kPlugged = "plugged";
constexpr std::string_view kUnplugged = "unplugged";
constexpr std::size_t kLongestPlugText = 64;

// Every block of the memory with its place in the state file: the one description of the
// layout, for writing (const memory) and reading alike.
template <typename Memory, typename Visit>
void ForEachBlock(Memory& memory, const Visit& visit)
{
    for (std::size_t profile = 0; profile < kVirtualProfileCount; ++profile) {
        visit(kConfigBlocks + profile * kVirtualBlockSize, memory.configBlocks[profile]);
    }
    visit(kButtonBlock, memory.buttonBlock);
    for (std::size_t block = 0; block < kVirtualMacroBlockCount; ++block) {
        visit(kMacroBlocks + block * kVirtualBlockSize, memory.macroBlocks[block]);
    }
}

StateBytes Encode(const VirtualMouseMemory& memory)
{
    StateBytes bytes{};
    std::copy(kMagic.begin(), kMagic.end(), bytes.begin());
    bytes[kProfileNumber] = memory.profileNumber;
    bytes[kSelectedProfile] = memory.selectedProfile;
    bytes[kReportInterval] = memory.reportInterval;
    ForEachBlock(memory, [&](std::size_t offset, const VirtualBlock& block) {
        std::copy(block.begin(), block.end(), bytes.begin() + static_cast<std::ptrdiff_t>(offset));
    });
    return bytes;
}

std::expected<VirtualMouseMemory, std::string> Decode(const StateBytes& bytes, const std::string& path)
{
    if (!std::equal(kMagic.begin(), kMagic.end(), bytes.begin())) {
        return std::unexpected(path + ": not a virtual mouse state file (it does not start with \"ZVMOUSE1\")");
    }
    if (bytes[kSelectedProfile] >= kVirtualProfileCount) {
        return std::unexpected(path + ": damaged: selected profile " + std::to_string(bytes[kSelectedProfile]) +
                               " is outside 0-5");
    }
    VirtualMouseMemory memory;
    memory.profileNumber = bytes[kProfileNumber];
    memory.selectedProfile = bytes[kSelectedProfile];
    memory.reportInterval = bytes[kReportInterval];
    ForEachBlock(memory, [&](std::size_t offset, VirtualBlock& block) {
        std::copy_n(bytes.begin() + static_cast<std::ptrdiff_t>(offset), block.size(), block.begin());
    });
    return memory;
}

}  // namespace

VirtualMouseStore::VirtualMouseStore(const std::string& folder)
    : m_folder(platform::PathFromUtf8(folder)),
      m_stateFile(m_folder / kStateFileName),
      m_plugFile(m_folder / kPlugFileName)
{
}

std::expected<VirtualMouseMemory, std::string> VirtualMouseStore::Load() const
{
    std::error_code error;
    if (fs::exists(m_folder, error) && !fs::is_directory(m_folder, error)) {
        return std::unexpected(platform::PathToUtf8(m_folder) + ": not a folder");
    }
    const std::string path = platform::PathToUtf8(m_stateFile);
    const platform::FileBytes file = platform::ReadFileBytes(path, kStateFileSize);
    switch (file.status) {
        case platform::FileStatus::kMissing: {
            VirtualMouseMemory factory = FactoryMemory();
            if (auto saved = Save(factory); !saved) {
                return std::unexpected(saved.error());
            }
            return factory;
        }
        case platform::FileStatus::kUnreadable:
            return std::unexpected(path + ": cannot be read");
        case platform::FileStatus::kTooLarge:
            return std::unexpected(path + ": wrong size: expected " + std::to_string(kStateFileSize) +
                                   " bytes, found " + std::to_string(fs::file_size(m_stateFile, error)));
        case platform::FileStatus::kOk:
            break;
    }
    if (file.bytes.size() != kStateFileSize) {
        return std::unexpected(path + ": wrong size: expected " + std::to_string(kStateFileSize) + " bytes, found " +
                               std::to_string(file.bytes.size()));
    }
    StateBytes bytes{};
    std::copy(file.bytes.begin(), file.bytes.end(), bytes.begin());
    return Decode(bytes, path);
}

std::expected<bool, std::string> VirtualMouseStore::LoadPlugged() const
{
    const std::string path = platform::PathToUtf8(m_plugFile);
    const platform::FileBytes file = platform::ReadFileBytes(path, kLongestPlugText);
    if (file.status == platform::FileStatus::kMissing) {
        return true;
    }
    std::string_view text(reinterpret_cast<const char*>(file.bytes.data()), file.bytes.size());
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' ')) {
        text.remove_suffix(1);
    }
    if (file.status == platform::FileStatus::kOk && (text == kPlugged || text == kUnplugged)) {
        return text == kPlugged;
    }
    return std::unexpected(path + ": expected \"plugged\" or \"unplugged\"");
}

std::expected<void, std::string> VirtualMouseStore::SavePlugged(bool plugged) const
{
    std::error_code error;
    fs::create_directories(m_folder, error);
    if (error) {
        return std::unexpected(platform::PathToUtf8(m_folder) + ": cannot create the folder: " + error.message());
    }
    const std::string text = std::string(plugged ? kPlugged : kUnplugged) + "\n";
    if (!platform::WriteFileAtomically(platform::PathToUtf8(m_plugFile),
                                       std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()))) {
        return std::unexpected(platform::PathToUtf8(m_plugFile) + ": cannot be written");
    }
    return {};
}

std::expected<void, std::string> VirtualMouseStore::Save(const VirtualMouseMemory& memory) const
{
    std::error_code error;
    fs::create_directories(m_folder, error);
    if (error) {
        return std::unexpected(platform::PathToUtf8(m_folder) + ": cannot create the folder: " + error.message());
    }
    const StateBytes bytes = Encode(memory);
    if (!platform::WriteFileAtomically(platform::PathToUtf8(m_stateFile), bytes)) {
        return std::unexpected(platform::PathToUtf8(m_stateFile) + ": cannot be written");
    }
    return {};
}

UnplugWatch::UnplugWatch(const VirtualMouseStore& store) : m_store(store), m_seen(Look()) {}

bool UnplugWatch::Unplugged()
{
    if (m_unplugged) {
        return true;
    }
    const std::optional<Stamp> now = Look();
    if (now == m_seen) {
        return false;
    }
    m_seen = now;
    // A file that says neither is no unplug: the mouse stays.
    const auto plugged = m_store.LoadPlugged();
    m_unplugged = plugged.has_value() && !*plugged;
    return m_unplugged;
}

std::optional<UnplugWatch::Stamp> UnplugWatch::Look() const
{
    std::error_code error;
    const auto time = fs::last_write_time(m_store.PlugFile(), error);
    if (error) {
        return std::nullopt;
    }
    const auto size = fs::file_size(m_store.PlugFile(), error);
    if (error) {
        return std::nullopt;
    }
    return Stamp{time, size};
}

}  // namespace zalvane::device
