#pragma once
// What every fuzz target shares: the input taken apart piece by piece, and the check that
// reports a broken promise of the code under test. The targets run wholly in memory, so
// that a target gets through a million inputs in minutes.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace zalvane::fuzz {

// A broken promise of the code under test: libFuzzer reports it with the input, and the
// corpus replay of ./test fails on it.
inline void Require(bool condition)
{
    if (!condition) {
        __builtin_trap();
    }
}

// The input as a stream of choices. Once it runs dry every choice is 0 and every byte
// run empty, so each input ends however short it is.
class FuzzInput {
public:
    FuzzInput(const std::uint8_t* data, std::size_t size) : m_bytes(data, size) {}

    bool Empty() const { return m_bytes.empty(); }

    std::uint8_t Byte()
    {
        if (m_bytes.empty()) {
            return 0;
        }
        const std::uint8_t byte = m_bytes.front();
        m_bytes = m_bytes.subspan(1);
        return byte;
    }

    std::uint16_t Word()
    {
        const unsigned low = Byte();
        return static_cast<std::uint16_t>(low | (unsigned{Byte()} << 8));
    }

    // A number from 0 to `bound` - 1 (0 when `bound` is 0).
    std::size_t Below(std::size_t bound) { return bound == 0 ? 0 : Word() % bound; }

    std::vector<std::uint8_t> Bytes(std::size_t count)
    {
        count = std::min(count, m_bytes.size());
        std::vector<std::uint8_t> taken(m_bytes.begin(), m_bytes.begin() + static_cast<std::ptrdiff_t>(count));
        m_bytes = m_bytes.subspan(count);
        return taken;
    }

    std::span<const std::uint8_t> Rest()
    {
        const std::span<const std::uint8_t> rest = m_bytes;
        m_bytes = {};
        return rest;
    }

private:
    std::span<const std::uint8_t> m_bytes;
};

}  // namespace zalvane::fuzz
