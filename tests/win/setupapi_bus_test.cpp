// The find-mouse search over the system's own HID bus: Wine lists HID devices of its own
// (vendor 845E), none of them the mouse.

#include "device/win/setupapi_hid_bus.h"

#include <gtest/gtest.h>

#include "device/find_mouse.h"

namespace zalvane::device::win {
namespace {

TEST(SetupApiHidBusTest, WalksTheSystemsHidInterfacesAndFindsNoMouse)
{
    SetupApiHidBus bus;
    auto list = bus.ListInterfaces();
    ASSERT_TRUE(list);
    std::size_t count = 0;
    for (;; ++count) {
        auto path = list->Path(count);
        if (!path) {
            EXPECT_EQ(path.error(), HidEnumError::kNoMoreItems);
            break;
        }
        EXPECT_NE(path->find("{4d1e55b2-f16f-11cf-88cb-001111000030}"), std::string::npos) << *path;
        auto query = list->OpenForQuery(count);
        ASSERT_TRUE(query) << *path;
        const auto attributes = query->Attributes();
        ASSERT_TRUE(attributes) << *path;
        EXPECT_FALSE(attributes->vendorId == kMouseVendorId && attributes->productId == kMouseProductId);
        const auto caps = query->Capabilities();
        ASSERT_TRUE(caps) << *path;
        EXPECT_NE(caps->usagePage, 0) << *path;
    }
    EXPECT_GE(count, 1u);

    ConnectionState connection;
    const SearchResult result = FindMouse(bus, connection);
    EXPECT_EQ(result.end, SearchEnd::kNoMouse);
    EXPECT_FALSE(connection.Connected());
    EXPECT_FALSE(connection.command.port);
}

}  // namespace
}  // namespace zalvane::device::win
