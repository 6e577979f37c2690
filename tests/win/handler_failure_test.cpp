// The shell's one exception boundary: a handler that throws, in a window, a dialog, a
// control's callback or the pre-translation, is told to the failure report and the
// message gets its default handling; the window goes on working.

#include <gtest/gtest.h>

#include <new>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "ui/win/control.h"
#include "ui/win/dialog.h"
#include "win/test_dialog_ids.h"

namespace zalvane::ui::win {
namespace {

constexpr UINT kThrowStd = WM_APP + 1;
constexpr UINT kThrowOther = WM_APP + 2;
constexpr UINT kAnswer = WM_APP + 3;

using Told = std::vector<std::pair<UINT, std::string>>;

// Collects what the boundary tells, for the length of a test.
class ToldFailures {
public:
    ToldFailures()
    {
        SetHandlerFailureReport([this](UINT message, std::string_view what) { told.emplace_back(message, what); });
    }
    ~ToldFailures() { SetHandlerFailureReport({}); }
    ToldFailures(const ToldFailures&) = delete;
    ToldFailures& operator=(const ToldFailures&) = delete;

    Told told;
};

template <class Base>
class Throwing : public Base {
public:
    using Base::Base;
    bool throwOnPreTranslate = false;

    bool PreTranslateMessage(MSG&) override
    {
        if (throwOnPreTranslate) {
            throw std::bad_alloc();
        }
        return false;
    }

protected:
    std::span<const MessageEntry> Messages() const override
    {
        static constexpr MessageEntry kTable[] = {
            OnRawMessage<kThrowStd, &Throwing::OnThrowStd>(),
            OnRawMessage<kThrowOther, &Throwing::OnThrowOther>(),
            OnRawMessage<kAnswer, &Throwing::OnAnswer>(),
        };
        return kTable;
    }

private:
    LRESULT OnThrowStd(WPARAM, LPARAM) { throw std::runtime_error("handler broke"); }
    LRESULT OnThrowOther(WPARAM, LPARAM) { throw 42; }
    LRESULT OnAnswer(WPARAM wParam, LPARAM) { return static_cast<LRESULT>(wParam + 1); }
};

class ThrowingWindow : public Throwing<CWindow> {
public:
    ThrowingWindow()
    {
        WNDCLASSEXW windowClass{};
        windowClass.lpszClassName = L"Zalvane.ThrowingWindow";
        RegisterWindowClass(windowClass);
        CreateEx(L"Zalvane.ThrowingWindow", {.rect = {0, 0, 200, 100}, .style = WS_POPUP});
    }
};

class ThrowingDialog : public Throwing<CDialog> {
public:
    ThrowingDialog() : Throwing<CDialog>(IDD_TEST_DIALOG) {}
    bool throwOnInit = false;

protected:
    BOOL OnInitDialog() override
    {
        if (throwOnInit) {
            throw std::runtime_error("init broke");
        }
        return TRUE;
    }
};

TEST(HandlerFailureTest, AWindowHandlerThatThrowsIsToldAndHandledByDefault)
{
    const ToldFailures failures;
    ThrowingWindow window;
    ASSERT_TRUE(window.Hwnd());
    // DefWindowProc answers 0 to a private message.
    EXPECT_EQ(::SendMessageW(window.Hwnd(), kThrowStd, 0, 0), 0);
    EXPECT_EQ(::SendMessageW(window.Hwnd(), kThrowOther, 0, 0), 0);
    EXPECT_EQ(::SendMessageW(window.Hwnd(), kAnswer, 4, 0), 5) << "the window goes on working";
    EXPECT_EQ(failures.told, (Told{{kThrowStd, "handler broke"}, {kThrowOther, "unknown exception"}}));

    window.throwOnPreTranslate = true;
    MSG message{window.Hwnd(), WM_KEYDOWN, VK_RETURN, 0, 0, {}};
    EXPECT_FALSE(PreTranslateChain(message)) << "a failed pre-translation swallows nothing";
    EXPECT_EQ(failures.told.back(), (std::pair<UINT, std::string>{WM_KEYDOWN, "std::bad_alloc"}));
}

TEST(HandlerFailureTest, ADialogHandlerThatThrowsIsToldAndHandledByDefault)
{
    const ToldFailures failures;
    ThrowingDialog dialog;
    dialog.throwOnInit = true;
    ASSERT_TRUE(dialog.Create());
    EXPECT_EQ(CWindow::FromHandle(dialog.Hwnd()), &dialog) << "bound before its initialisation ran";
    EXPECT_EQ(::SendMessageW(dialog.Hwnd(), kThrowStd, 0, 0), 0);
    EXPECT_EQ(::SendMessageW(dialog.Hwnd(), kAnswer, 1, 0), 2);
    EXPECT_EQ(failures.told, (Told{{WM_INITDIALOG, "init broke"}, {kThrowStd, "handler broke"}}));

    // A control's callback runs inside its parent's procedure: the same boundary.
    CControl button;
    ASSERT_TRUE(button.Create(L"Button", {.parent = dialog.Hwnd(), .id = 500, .style = WS_CHILD}));
    button.OnNotification(BN_CLICKED, [] { throw std::length_error("callback broke"); });
    ::SendMessageW(dialog.Hwnd(), WM_COMMAND, MAKEWPARAM(500, BN_CLICKED), reinterpret_cast<LPARAM>(button.Hwnd()));
    EXPECT_EQ(failures.told.back(), (std::pair<UINT, std::string>{WM_COMMAND, "callback broke"}));

    // The dialog still ends and unbinds.
    const HWND window = dialog.Hwnd();
    EXPECT_TRUE(dialog.DestroyWindow());
    EXPECT_EQ(CWindow::FromHandle(window), nullptr);
}

TEST(HandlerFailureTest, WithoutAReportAFailureIsOnlyHandledByDefault)
{
    ThrowingWindow window;
    EXPECT_EQ(::SendMessageW(window.Hwnd(), kThrowStd, 0, 0), 0);
    EXPECT_EQ(::SendMessageW(window.Hwnd(), kAnswer, 1, 0), 2);
}

}  // namespace
}  // namespace zalvane::ui::win
