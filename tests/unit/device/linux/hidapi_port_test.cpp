// The Linux HID backend is built for the native command-line tool only.
#ifndef _WIN32

#include "device/linux/hidapi_port.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace zalvane::device {
namespace {

using Bytes = std::vector<std::uint8_t>;

TEST(HidapiPortTest, EveryReadStartsWithTheReportId)
{
    struct Case {
        std::string name;
        bool numbered;
        Bytes delivered;  // what hidraw hands over; empty: nothing in time
        int failure;      // returned instead when not 0
        std::size_t bufferSize;
        int expected;
        Bytes stored;         // the buffer's start afterwards
        std::size_t offered;  // the room the read was given
    };
    const Case cases[] = {
        {"unnumbered chunk", false, Bytes(64, 0xAB), 0, 65, 65,
         [] {
             Bytes b(65, 0xAB);
             b[0] = 0;
             return b;
         }(),
         64},
        {"numbered event report", true, {6, 7, 2, 3, 0, 0, 0, 0}, 0, 40, 8, {6, 7, 2, 3, 0, 0, 0, 0}, 40},
        {"unnumbered, nothing in time", false, {}, 0, 65, 0, {0}, 64},
        {"unnumbered, device gone", false, {}, -1, 65, -1, {0}, 64},
        {"numbered, device gone", true, {}, -1, 40, -1, {}, 40},
        {"no room at all", false, {1, 2}, 0, 0, 0, {}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Bytes buffer(c.bufferSize, 0xEE);
        std::size_t offered = 0;
        const int result = ReadReportWithId(c.numbered, buffer, [&](std::span<std::uint8_t> into) {
            offered = into.size();
            if (c.failure != 0) {
                return c.failure;
            }
            const std::size_t count = std::min(into.size(), c.delivered.size());
            std::copy_n(c.delivered.begin(), count, into.begin());
            return static_cast<int>(count);
        });
        EXPECT_EQ(result, c.expected);
        EXPECT_EQ(offered, c.offered);
        EXPECT_EQ(Bytes(buffer.begin(), buffer.begin() + static_cast<std::ptrdiff_t>(c.stored.size())), c.stored);
    }
}

}  // namespace
}  // namespace zalvane::device

#endif  // _WIN32
