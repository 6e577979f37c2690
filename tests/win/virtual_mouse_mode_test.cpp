// The demo mode's control requests as they come: the folder watch that wakes the reader,
// the plug state told to the main window as the system tells it, and the one-copy rule
// that the application checks before it touches the mouse's folder.

#include "app/win/virtual_mouse_mode.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

#include "app/device_change.h"
#include "app/win/device_broadcast.h"
#include "app/win/single_instance.h"
#include "device/find_mouse.h"
#include "platform/win/folder_watch.h"
#include "platform/win/wide_text.h"
#include "win/win_test_support.h"

namespace zalvane::app::win {
namespace {

using namespace std::chrono_literals;

struct Notice {
    WPARAM event;
    bool namesTheMouse;
    bool operator==(const Notice&) const = default;
};
std::vector<Notice> g_notices;

LRESULT CALLBACK RecordingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DEVICECHANGE) {
        g_notices.push_back({wParam, NamesTheMouse(ReadDeviceNotice(wParam, lParam).interfaceName)});
        return TRUE;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

// A message-only window that records the device-change notices sent to it.
class NoticeWindow {
public:
    NoticeWindow()
    {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = &RecordingProc;
        windowClass.hInstance = ::GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"ZalvaneDeviceChangeWindow";
        ::RegisterClassW(&windowClass);
        m_window = ::CreateWindowExW(0, windowClass.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                     windowClass.hInstance, nullptr);
        g_notices.clear();
    }
    ~NoticeWindow() { ::DestroyWindow(m_window); }
    HWND Handle() const { return m_window; }

    // Answers sent messages until `count` notices came or `timeoutMs` went by.
    const std::vector<Notice>& WaitFor(std::size_t count, DWORD timeoutMs = 5000) const
    {
        const DWORD deadline = ::GetTickCount() + timeoutMs;
        while (g_notices.size() < count && ::GetTickCount() < deadline) {
            ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
            MSG message;
            while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
                ::DispatchMessageW(&message);
            }
        }
        return g_notices;
    }

private:
    HWND m_window = nullptr;
};

TEST(FolderWatchTest, AFileLeftInTheFolderEndsTheWaitAndStopEndsItForGood)
{
    const wintest::TempDir folder;
    platform::win::WinFolderWatch watch(folder.Path());
    ASSERT_TRUE(watch.Notified());

    std::atomic<bool> changed = false;
    std::thread waiter([&] { changed = watch.WaitForChange(); });
    std::this_thread::sleep_for(50ms);
    EXPECT_FALSE(changed) << "nothing changed yet";
    {
        HANDLE file =
            ::CreateFileW(folder.File(L"left.req").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
        ASSERT_NE(file, INVALID_HANDLE_VALUE);
        ::CloseHandle(file);
    }
    waiter.join();
    EXPECT_TRUE(changed);

    // A change while nobody waits is kept for the next wait.
    ::DeleteFileW(folder.File(L"left.req").c_str());
    EXPECT_TRUE(watch.WaitForChange());

    std::thread stopper([&] {
        std::this_thread::sleep_for(50ms);
        watch.Stop();
    });
    EXPECT_FALSE(watch.WaitForChange());
    stopper.join();
    EXPECT_FALSE(watch.WaitForChange()) << "stopped for good";
}

TEST(FolderWatchTest, WithoutANotificationItLooksAgainEverySoOften)
{
    const wintest::TempDir folder;
    platform::win::WinFolderWatch watch(folder.File(L"missing"));
    EXPECT_FALSE(watch.Notified());
    EXPECT_TRUE(watch.WaitForChange());
    watch.Stop();
    EXPECT_FALSE(watch.WaitForChange());
}

TEST(VirtualMouseModeTest, RequestsReachTheWindowAsTheyAreLeft)
{
    const wintest::TempDir temp;
    const std::string folder = platform::win::Narrow(temp.File(L"mouse"));
    ASSERT_TRUE(device::PostEvent(folder, 9, 9).has_value());  // for an earlier run
    auto mode = VirtualMouseMode::Open(folder);
    ASSERT_TRUE(mode.has_value()) << mode.error();
    device::ConnectionState connection;
    ASSERT_TRUE(device::FindMouse(mode->Bus(), connection).Found());

    NoticeWindow window;
    ASSERT_TRUE(mode->StartServing(window.Handle()));
    ASSERT_TRUE(device::PostPlugged(folder, false).has_value());
    ASSERT_TRUE(device::PostPlugged(folder, false).has_value());  // no change: nothing to tell
    ASSERT_TRUE(device::PostPlugged(folder, true).has_value());
    EXPECT_EQ(window.WaitFor(2), (std::vector<Notice>{{DBT_DEVICEREMOVECOMPLETE, true}, {DBT_DEVICEARRIVAL, true}}));

    // An event goes out on the event interface, not to the window.
    ASSERT_TRUE(device::FindMouse(mode->Bus(), connection).Found());
    platform::PortableWakeEvent wake;
    const auto events = connection.Events();
    ASSERT_TRUE(events.port->StartRead(events.inputReportLength, wake));
    ASSERT_TRUE(device::PostEvent(folder, 2, 3).has_value());
    ASSERT_TRUE(wake.WaitFor(5s));
    std::vector<std::uint8_t> report(8);
    EXPECT_EQ(events.port->FinishRead(report), 8u);
    EXPECT_EQ(report, (std::vector<std::uint8_t>{6, 7, 2, 3, 0, 0, 0, 0})) << "not the request of the earlier run";
    EXPECT_EQ(window.WaitFor(3, 300).size(), 2u);

    mode->StopServing();
    ASSERT_TRUE(device::PostPlugged(folder, false).has_value());
    EXPECT_EQ(window.WaitFor(3, 300).size(), 2u) << "stopped";
}

TEST(SingleInstanceTest, OnlyTheFirstCopyRunsUntilItEnds)
{
    const std::wstring name = L"Zalvane.Test.SingleInstance." + std::to_wstring(::GetCurrentProcessId());
    {
        const SingleInstance first(name.c_str());
        EXPECT_TRUE(first.First());
        const SingleInstance second(name.c_str());
        EXPECT_FALSE(second.First());
    }
    EXPECT_TRUE(SingleInstance(name.c_str()).First()) << "the first copy ended";
}

}  // namespace
}  // namespace zalvane::app::win
