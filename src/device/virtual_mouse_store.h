#pragma once
// The state folder of a virtual mouse: its memory survives between runs, as a real
// mouse keeps its flash. The folder holds one file, "mouse.bin", of exactly 3344 bytes:
//
//   offset  size  content
//        0     8  "ZVMOUSE1"
//        8     1  profile number the mouse reports
//        9     1  selected profile, 0-5
//       10     1  report interval (ms)
//       11     5  zero
//       16   768  config blocks of profiles 0-5, 128 bytes each
//      784   128  button block
//      912  2432  macro blocks 1-19, 128 bytes each
//
// Beside it, "plug.txt" says whether the mouse is plugged in ("plugged" or "unplugged";
// no file: plugged), and the "control" folder holds requests for a running program
// (virtual_control.h). Other files in the folder are left alone.

#include <cstddef>
#include <expected>
#include <filesystem>
#include <optional>
#include <string>

#include "device/virtual_mouse.h"

namespace zalvane::device {

class VirtualMouseStore {
public:
    static constexpr const char* kStateFileName = "mouse.bin";
    static constexpr std::size_t kStateFileSize = 3344;
    static constexpr const char* kPlugFileName = "plug.txt";

    // `folder` is UTF-8.
    explicit VirtualMouseStore(const std::string& folder);

    // The stored memory. A missing folder or state file is created with factory state.
    // A damaged file is reported (its path and what is wrong) and left as it is.
    std::expected<VirtualMouseMemory, std::string> Load() const;

    // Replaces the state file as a whole (written beside it, then renamed over it).
    std::expected<void, std::string> Save(const VirtualMouseMemory& memory) const;

    // Whether the mouse is plugged in. A file that says neither is reported.
    std::expected<bool, std::string> LoadPlugged() const;
    std::expected<void, std::string> SavePlugged(bool plugged) const;

    const std::filesystem::path& StateFile() const { return m_stateFile; }
    const std::filesystem::path& PlugFile() const { return m_plugFile; }

private:
    std::filesystem::path m_folder;
    std::filesystem::path m_stateFile;
    std::filesystem::path m_plugFile;
};

// Notices an unplug that another process leaves in "plug.txt" while a port is open, as a
// pulled cable ends every open handle at once. Cheap enough for every transfer: it looks
// at the file's time and size, and reads the file only when they changed.
class UnplugWatch {
public:
    // Takes the file as it is now: only a later rewrite that says "unplugged" counts.
    explicit UnplugWatch(const VirtualMouseStore& store);

    // True once the file was rewritten to say "unplugged"; stays true.
    bool Unplugged();

private:
    struct Stamp {
        std::filesystem::file_time_type time;
        std::uintmax_t size = 0;
        friend bool operator==(const Stamp&, const Stamp&) = default;
    };
    std::optional<Stamp> Look() const;

    VirtualMouseStore m_store;
    std::optional<Stamp> m_seen;
    bool m_unplugged = false;
};

}  // namespace zalvane::device
