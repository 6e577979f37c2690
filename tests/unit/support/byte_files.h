#pragma once
// Binary files as byte vectors, for tests; paths are UTF-8.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "unit/platform/ini_test_files.h"

namespace zalvane::test {

inline void WriteBytes(const std::string& path, std::span<const std::uint8_t> bytes)
{
    WriteRawFile(path, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

inline std::vector<std::uint8_t> ReadBytes(const std::string& path)
{
    const std::string raw = ReadRawFile(path);
    return std::vector<std::uint8_t>(raw.begin(), raw.end());
}

}  // namespace zalvane::test
