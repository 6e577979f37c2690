// The open and save dialogs of import and export: the filter in the system's form, and a
// dialog really shown, answered by a watcher as a user would.

#include "platform/win/file_dialog.h"

#include <gtest/gtest.h>

#include <atomic>
#include <fstream>
#include <thread>

#include "platform/win/wide_text.h"
#include "win/win_test_support.h"

namespace zalvane::platform::win {
namespace {

using namespace std::string_literals;

TEST(FileDialogTest, FiltersBecomeNulSeparatedListsEndingInTwoNuls)
{
    const std::pair<std::string_view, std::wstring> cases[] = {
        {"Gaming Mouse Profile(*.bin)|*.bin||", L"Gaming Mouse Profile(*.bin)\0*.bin\0\0"s},
        {"Gaming Mouse Profile(*.bin)|*.bin|", L"Gaming Mouse Profile(*.bin)\0*.bin\0\0"s},
        {"Gaming Mouse Profile(*.bin)|*.bin", L"Gaming Mouse Profile(*.bin)\0*.bin\0\0"s},
        {"Bin|*.bin|All|*.*||", L"Bin\0*.bin\0All\0*.*\0\0"s},
        {"配置(*.bin)|*.bin||", L"\u914d\u7f6e(*.bin)\0*.bin\0\0"s},
        {"", L"\0\0"s},
    };
    for (const auto& [filter, expected] : cases) {
        EXPECT_EQ(WindowsFilter(filter), expected) << filter;
    }
}

// Waits for the file dialog of `thread`, records its file name and filter, then types
// `answer` and presses OK (or cancels when there is no answer).
class FileDialogWatcher {
public:
    FileDialogWatcher(DWORD thread, std::optional<std::wstring> answer)
        : m_thread(thread), m_answer(std::move(answer)), m_watcher([this] { Watch(); })
    {
    }
    ~FileDialogWatcher()
    {
        m_stop = true;
        m_watcher.join();
    }

    std::wstring initialName;
    std::wstring filterShown;

private:
    static constexpr int kFileNameCombo = 0x47C;  // cmb13
    static constexpr int kFilterCombo = 0x470;    // cmb1

    void Watch()
    {
        for (int tries = 0; tries < 200 && !m_stop; ++tries) {
            HWND dialog = nullptr;
            ::EnumThreadWindows(
                m_thread,
                [](HWND window, LPARAM found) {
                    wchar_t name[32] = {};
                    ::GetClassNameW(window, name, 32);
                    if (std::wstring(name) == L"#32770" && ::IsWindowVisible(window)) {
                        *reinterpret_cast<HWND*>(found) = window;
                        return FALSE;
                    }
                    return TRUE;
                },
                reinterpret_cast<LPARAM>(&dialog));
            if (dialog) {
                Answer(dialog);
                return;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
    }

    void Answer(HWND dialog)
    {
        wchar_t text[1024] = {};
        ::GetDlgItemTextW(dialog, kFileNameCombo, text, 1024);
        initialName = text;
        ::GetDlgItemTextW(dialog, kFilterCombo, text, 1024);
        filterShown = text;
        if (m_answer) {
            ::SetDlgItemTextW(dialog, kFileNameCombo, m_answer->c_str());
            ::PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        } else {
            ::PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        }
    }

    DWORD m_thread;
    std::optional<std::wstring> m_answer;
    std::atomic<bool> m_stop{false};
    std::thread m_watcher;
};

TEST(FileDialogTest, TheOpenDialogReturnsTheChosenFileAndNothingOnCancel)
{
    const wintest::TempDir folder;
    const std::wstring chosen = folder.File(L"导出.bin");
    std::ofstream(std::filesystem::path(chosen)) << "profile";
    const std::string initial = Narrow(folder.File(L"config0.bin"));

    WinFileDialog dialogs;
    std::optional<std::string> result;
    std::wstring initialShown, filterShown;
    {
        FileDialogWatcher watcher(::GetCurrentThreadId(), chosen);
        result = dialogs.Choose({FileDialogMode::kOpen, kProfileFileFilter, initial});
        initialShown = watcher.initialName;
        filterShown = watcher.filterShown;
    }
    ASSERT_TRUE(result);
    EXPECT_EQ(Widen(*result), chosen);
    EXPECT_NE(initialShown.find(L"config0.bin"), std::wstring::npos) << Narrow(initialShown);
    EXPECT_EQ(filterShown, L"Gaming Mouse Profile(*.bin)");

    FileDialogWatcher cancel(::GetCurrentThreadId(), std::nullopt);
    EXPECT_FALSE(dialogs.Choose({FileDialogMode::kSave, kProfileFileFilter, initial}));
}

}  // namespace
}  // namespace zalvane::platform::win
