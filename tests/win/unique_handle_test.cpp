#include "platform/win/unique_handle.h"

#include <gtest/gtest.h>

#include <utility>

#include "platform/win/gdi_guards.h"

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
}

TEST(UniqueHandleTest, ReleaseHandsTheHandleOverUnclosed)
{
    const long before = UniqueHBrush::LiveCount();
    UniqueHBrush brush(NewBrush());
    const HBRUSH raw = brush.release();
    EXPECT_FALSE(brush);
    EXPECT_EQ(UniqueHBrush::LiveCount(), before);
    EXPECT_TRUE(Alive(raw));
    ::DeleteObject(raw);
}

TEST(UniqueHandleTest, FilesUseTheInvalidHandleValueAsEmpty)
{
    const long before = UniqueFile::LiveCount();
    const UniqueFile empty;
    EXPECT_EQ(empty.get(), INVALID_HANDLE_VALUE);
    // A failed open is empty, and counts nothing.
    const UniqueFile missing(
        ::CreateFileW(L"C:\\no\\such\\folder\\file.bin", GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    EXPECT_FALSE(missing);
    EXPECT_EQ(UniqueFile::LiveCount(), before);
    // For kernel handles null is empty instead.
    UniqueEvent event(::CreateEventW(nullptr, TRUE, FALSE, nullptr));
    EXPECT_TRUE(event);
    event.reset();
    EXPECT_EQ(event.get(), nullptr);
}

TEST(GdiGuardsTest, SelectGuardPutsThePreviousObjectBack)
{
    const UniqueHdc dc(::CreateCompatibleDC(nullptr));
    const UniqueHBrush brush(NewBrush());
    const HGDIOBJ original = ::GetCurrentObject(dc.get(), OBJ_BRUSH);
    {
        const SelectGuard selected(dc.get(), brush.get());
        EXPECT_EQ(selected.Previous(), original);
        EXPECT_EQ(::GetCurrentObject(dc.get(), OBJ_BRUSH), brush.get());
    }
    EXPECT_EQ(::GetCurrentObject(dc.get(), OBJ_BRUSH), original);
}

}  // namespace
}  // namespace zalvane::platform::win
