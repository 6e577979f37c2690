#include "platform/win/unique_handle.h"

#include <gtest/gtest.h>

#include <shellapi.h>

#include <type_traits>
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

TEST(UniqueHandleTest, PutTakesTheHandleACallHandsOut)
{
    const long eventsBefore = UniqueEvent::LiveCount();
    const long kernelBefore = UniqueKernelHandle::LiveCount();
    const UniqueEvent event(::CreateEventW(nullptr, TRUE, FALSE, nullptr));
    ASSERT_TRUE(event);
    // Events are a kind of their own: no thread or mutex owner takes one, nor counts it.
    static_assert(!std::is_same_v<UniqueEvent, UniqueKernelHandle>);
    EXPECT_EQ(UniqueKernelHandle::LiveCount(), kernelBefore);

    const HANDLE process = ::GetCurrentProcess();
    UniqueEvent copy;
    ASSERT_TRUE(::DuplicateHandle(process, event.get(), process, copy.put(), 0, FALSE, DUPLICATE_SAME_ACCESS));
    ASSERT_TRUE(copy);
    EXPECT_EQ(UniqueEvent::LiveCount(), eventsBefore + 2);
    ::SetEvent(copy.get());
    EXPECT_EQ(::WaitForSingleObject(event.get(), 0), WAIT_OBJECT_0) << "the same event";

    // Again into the same owner: the earlier copy is closed, not leaked.
    ASSERT_TRUE(::DuplicateHandle(process, event.get(), process, copy.put(), 0, FALSE, DUPLICATE_SAME_ACCESS));
    EXPECT_EQ(UniqueEvent::LiveCount(), eventsBefore + 2);
    // A call that fails leaves the owner empty.
    EXPECT_FALSE(::DuplicateHandle(process, nullptr, process, copy.put(), 0, FALSE, DUPLICATE_SAME_ACCESS));
    EXPECT_FALSE(copy);
    EXPECT_EQ(UniqueEvent::LiveCount(), eventsBefore + 1);
}

TEST(UniqueHandleTest, LocalMemoryIsOwnedLikeAHandle)
{
    const long before = UniqueLocalMemory<wchar_t*>::LiveCount();
    {
        int count = 0;
        const UniqueLocalMemory<wchar_t*> words(::CommandLineToArgvW(L"Zalvane.exe --virtual-mouse D:\\m", &count));
        ASSERT_TRUE(words);
        ASSERT_EQ(count, 3);
        EXPECT_STREQ(words.get()[1], L"--virtual-mouse");
        EXPECT_EQ(UniqueLocalMemory<wchar_t*>::LiveCount(), before + 1);
    }
    EXPECT_EQ(UniqueLocalMemory<wchar_t*>::LiveCount(), before);
}

}  // namespace
}  // namespace zalvane::platform::win
