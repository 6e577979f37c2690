#pragma once
// The fuzzers hand their input to the code as a file, in a folder of this process's own.

#include <unistd.h>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

namespace zalvane::fuzz {

inline const std::string& FuzzFilePath()
{
    static const std::string path = [] {
        const auto folder = std::filesystem::temp_directory_path() / ("zalvane-fuzz-" + std::to_string(::getpid()));
        std::filesystem::create_directories(folder);
        return (folder / "input.ini").string();
    }();
    return path;
}

inline const std::string& WriteFuzzFile(const std::uint8_t* data, std::size_t size)
{
    const std::string& path = FuzzFilePath();
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    return path;
}

// A broken promise of the code under test: libFuzzer reports it with the input.
inline void Require(bool condition)
{
    if (!condition)
        __builtin_trap();
}

}  // namespace zalvane::fuzz
