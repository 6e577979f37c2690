#include "platform/win/unique_handle.h"

#include <gtest/gtest.h>

#include <utility>

#include "platform/win/hid_handles.h"

namespace zalvane::platform::win {
namespace {

HBRUSH NewBrush() { return ::CreateSolidBrush(RGB(1, 2, 3)); }

// A brush that is deleted can no longer be asked for its description.
bool Alive(HGDIOBJ object)
{
    LOGBRUSH description{};
    return ::GetObjectW(object, sizeof description, &description) != 0;
}

TEST(UniqueHandleTest, OwnsClosesAndCountsEachHandle)
{
    const long before = UniqueHBrush::LiveCount();
    HBRUSH first = nullptr;
    {
        UniqueHBrush brush(NewBrush());
        first = brush.get();
        EXPECT_TRUE(brush);
        EXPECT_EQ(UniqueHBrush::LiveCount(), before + 1);

        UniqueHBrush moved(std::move(brush));  // ownership moves, the count does not change
        EXPECT_FALSE(brush);
        EXPECT_EQ(moved.get(), first);
        EXPECT_EQ(UniqueHBrush::LiveCount(), before + 1);

        UniqueHBrush other(NewBrush());
        const HBRUSH second = other.get();
        other = std::move(moved);  // the second brush is closed, the first lives on
        EXPECT_FALSE(Alive(second));
        EXPECT_TRUE(Alive(first));
        EXPECT_EQ(UniqueHBrush::LiveCount(), before + 1);

        other.reset(other.get());  // taking its own handle again closes nothing
        EXPECT_TRUE(Alive(first));
    }
    EXPECT_FALSE(Alive(first));
    EXPECT_EQ(UniqueHBrush::LiveCount(), before);

    UniqueHBrush given(NewBrush());  // released: handed over unclosed and no longer counted
    const HBRUSH raw = given.release();
    EXPECT_FALSE(given);
    EXPECT_EQ(UniqueHBrush::LiveCount(), before);
    EXPECT_TRUE(Alive(raw));
    ::DeleteObject(raw);
}

TEST(UniqueHandleTest, EachKindHasItsOwnEmptyValue)
{
    const long before = UniqueFile::LiveCount();
    const UniqueFile empty;
    EXPECT_EQ(empty.get(), INVALID_HANDLE_VALUE);
    // A failed open is empty, and counts nothing.
    const UniqueFile missing(
        ::CreateFileW(L"C:\\no\\such\\folder\\file.bin", GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    EXPECT_FALSE(missing);
    EXPECT_EQ(UniqueFile::LiveCount(), before);
    // Device lists are empty at INVALID_HANDLE_VALUE too.
    EXPECT_EQ(UniqueDevInfo().get(), INVALID_HANDLE_VALUE);
    GUID hidClass{};
    ::HidD_GetHidGuid(&hidClass);
    const long listsBefore = UniqueDevInfo::LiveCount();
    {
        const UniqueDevInfo devices(::SetupDiGetClassDevsW(&hidClass, nullptr, nullptr, DIGCF_DEVICEINTERFACE));
        EXPECT_TRUE(devices);
        EXPECT_EQ(UniqueDevInfo::LiveCount(), listsBefore + 1);
    }
    EXPECT_EQ(UniqueDevInfo::LiveCount(), listsBefore);
}

}  // namespace
}  // namespace zalvane::platform::win
