// The notification-area icon: balloon texts are cut to the record's fields, every call
// the shell gets is in the trace, and the icon is deleted once. A failed window handler
// goes into the same trace.

#include "app/win/tray_icon.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "platform/file_io.h"
#include "platform/win/wide_text.h"
#include "win/win_test_support.h"

namespace zalvane::app::win {
namespace {

TEST(TrayIconTest, BalloonTextsAreCutToTheirFieldsAndEveryCallIsTraced)
{
    const wintest::TempDir folder;
    const std::string tracePath = platform::win::Narrow(folder.File(L"trace.txt"));
    {
        ShellTrace trace(tracePath);
        TrayIcon tray(&trace);
        const HWND window = ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                              ::GetModuleHandleW(nullptr), nullptr);
        ASSERT_TRUE(window);
        EXPECT_TRUE(tray.Add(window, 0x401, ::LoadIconW(nullptr, IDI_APPLICATION), L"Zalvane Gaming Mouse"));
        EXPECT_TRUE(tray.ShowBalloon(std::wstring(100, L'T'), std::wstring(300, L'x'), 5000));
        EXPECT_TRUE(tray.ShowBalloon(L"Warning", L"系统没有检测到游戏鼠标！", 100));
        EXPECT_TRUE(tray.Delete());
        EXPECT_FALSE(tray.Delete());  // once is enough
        ::DestroyWindow(window);
        trace.WriteHandlerFailure(0x402, "bad allocation");
    }
    std::ifstream in(platform::PathFromUtf8(tracePath));
    std::stringstream text;
    text << in.rdbuf();
    EXPECT_EQ(text.str(),
              "add\t\tZalvane Gaming Mouse\t0\n"
              "balloon\t" +
                  std::string(63, 'T') + "\t" + std::string(255, 'x') +
                  "\t5000\n"
                  "balloon\tWarning\t系统没有检测到游戏鼠标！\t100\n"
                  "delete\t\t\t0\n"
                  "exception\t0x0402\tbad allocation\t0\n");
}

}  // namespace
}  // namespace zalvane::app::win
