// The event listener's thread with its overlapped reads, on a message pipe standing in for
// the mouse's event interface: reports reach the window one at a time through the device
// notice, and after the interface goes away the listener reads the next one it is given.
// On the virtual mouse the same thread reads the same way, woken by the queued report.

#include "app/win/event_listener_thread.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "device/find_mouse.h"
#include "device/virtual_bus.h"
#include "device/win/win_hid_ports.h"
#include "platform/win/wide_text.h"
#include "ui/win/private_messages.h"
#include "win/win_test_support.h"

namespace zalvane::app::win {
namespace {

using Notices = std::vector<std::pair<WPARAM, LPARAM>>;

Notices g_notices;

LRESULT CALLBACK RecordingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == ui::win::kDeviceNoticeMessage) {
        g_notices.emplace_back(wParam, lParam);
        return 0;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

// A message-only window that records the device notices it gets.
class NoticeWindow {
public:
    NoticeWindow()
    {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = &RecordingProc;
        windowClass.hInstance = ::GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"ZalvaneNoticeWindow";
        ::RegisterClassW(&windowClass);
        m_window = ::CreateWindowExW(0, windowClass.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                     windowClass.hInstance, nullptr);
        g_notices.clear();
    }
    ~NoticeWindow() { ::DestroyWindow(m_window); }
    HWND Handle() const { return m_window; }

    // Answers sent messages until `count` notices came or five seconds went by.
    const Notices& WaitFor(std::size_t count) const
    {
        const DWORD deadline = ::GetTickCount() + 5000;
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

// One message pipe: the test writes reports into one end, the listener reads the other
// as its event interface.
class ReportPipe {
public:
    explicit ReportPipe(int number)
    {
        const std::wstring name =
            L"\\\\.\\pipe\\zalvane-events-" + std::to_wstring(::GetCurrentProcessId()) + L"-" + std::to_wstring(number);
        m_server.reset(::CreateNamedPipeW(name.c_str(), PIPE_ACCESS_OUTBOUND, PIPE_TYPE_MESSAGE | PIPE_WAIT, 1, 4096,
                                          4096, 0, nullptr));
        platform::win::UniqueFile client(::CreateFileW(name.c_str(), GENERIC_READ | FILE_WRITE_ATTRIBUTES, 0, nullptr,
                                                       OPEN_EXISTING, FILE_FLAG_OVERLAPPED, nullptr));
        DWORD mode = PIPE_READMODE_MESSAGE;
        ::SetNamedPipeHandleState(client.get(), &mode, nullptr, nullptr);
        m_port = std::make_shared<device::win::WinHidEventPort>(std::move(client));
    }

    bool Send(std::uint8_t id, std::uint8_t eventClass, std::uint8_t code, std::uint8_t value)
    {
        std::array<std::uint8_t, kReportLength> report{};
        report.fill(0xAB);
        report[0] = id;
        report[1] = eventClass;
        report[2] = code;
        report[3] = value;
        DWORD written = 0;
        return ::WriteFile(m_server.get(), report.data(), kReportLength, &written, nullptr) && written == kReportLength;
    }
    void Close() { m_server.reset(); }
    device::EventInterface Interface() const { return {m_port, kReportLength}; }

    // Longer than the listener's 40-byte buffer: the report is read whole and cut.
    static constexpr std::uint16_t kReportLength = 64;

private:
    platform::win::UniqueFile m_server;
    std::shared_ptr<device::win::WinHidEventPort> m_port;
};

TEST(EventListenerThreadTest, ReportsReachTheWindowAndTheListenerFollowsANewInterface)
{
    EventListenerThread* wakeTarget = nullptr;
    device::ConnectionState connection([&wakeTarget] {
        if (wakeTarget) {
            wakeTarget->Wake();
        }
    });
    NoticeWindow window;
    EventListenerThread listener;
    wakeTarget = &listener;
    ASSERT_TRUE(listener.CreateWakeEvent());
    ASSERT_TRUE(listener.Create(connection, window.Handle()));
    EXPECT_TRUE(listener.Suspended());

    ReportPipe first(1);
    connection.SetEvents(first.Interface());
    connection.SetConnected(true);
    listener.Resume();
    ASSERT_TRUE(first.Send(6, 7, 3, 5));
    ASSERT_TRUE(first.Send(6, 8, 1, 1));  // another class: not for the window
    ASSERT_TRUE(first.Send(5, 7, 1, 2));  // another report
    ASSERT_TRUE(first.Send(6, 7, 9, 2));
    EXPECT_EQ(window.WaitFor(2), (Notices{{3, 5}, {9, 2}}));

    // The interface goes away under a pending read; a search then finds a new one.
    first.Close();
    ReportPipe second(2);
    connection.SetEvents(second.Interface());
    ASSERT_TRUE(second.Send(6, 7, 1, 7));
    EXPECT_EQ(window.WaitFor(3), (Notices{{3, 5}, {9, 2}, {1, 7}}));
}

TEST(EventListenerThreadTest, OnTheVirtualMouseAQueuedReportEndsTheRead)
{
    const wintest::TempDir folder;
    auto bus = device::VirtualBus::Open(platform::win::Narrow(folder.File(L"mouse")));
    ASSERT_TRUE(bus.has_value()) << bus.error();
    EventListenerThread* wakeTarget = nullptr;
    device::ConnectionState connection([&wakeTarget] {
        if (wakeTarget) {
            wakeTarget->Wake();
        }
    });
    ASSERT_TRUE(device::FindMouse(*bus, connection).Found());
    NoticeWindow window;
    EventListenerThread listener;
    wakeTarget = &listener;
    ASSERT_TRUE(listener.CreateWakeEvent());
    ASSERT_TRUE(listener.Create(connection, window.Handle()));
    listener.Resume();

    ASSERT_TRUE(bus->InjectEvent(2, 3));
    EXPECT_EQ(window.WaitFor(1), (Notices{{2, 3}}));
    // Unplugged under a waiting read, then back with a new search.
    bus->SetPlugged(false);
    bus->SetPlugged(true);
    ASSERT_TRUE(device::FindMouse(*bus, connection).Found());
    ASSERT_TRUE(bus->InjectEvent(9, 1));
    EXPECT_EQ(window.WaitFor(2), (Notices{{2, 3}, {9, 1}}));
}

}  // namespace
}  // namespace zalvane::app::win
