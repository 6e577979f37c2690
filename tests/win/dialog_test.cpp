// The dialog framework: binding, typed message dispatch, reflection to child controls,
// the modal loop with its pre-translation, and the main window's template.

#include "ui/win/dialog.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/win/unique_handle.h"
#include "resource_ids.h"
#include "ui/win/private_messages.h"
#include "win/test_dialog_ids.h"

namespace zalvane::ui::win {
namespace {

constexpr UINT kEndMessage = WM_APP + 1;
constexpr UINT_PTR kSafetyTimer = 99;

// A child button of ours that answers colour requests itself when it has a brush.
class ReflectingButton : public CWindow {
public:
    HBRUSH brush = nullptr;
    int drawn = 0;

    bool Create(HWND parent, UINT id)
    {
        static const WNDPROC buttonProc = RegisterSuperclass(L"BUTTON", L"Zalvane.TestButton");
        return CreateEx(L"Zalvane.TestButton",
                        {.parent = parent, .id = id, .rect = {0, 0, 20, 20}, .style = WS_CHILD | BS_OWNERDRAW},
                        buttonProc);
    }

protected:
    std::span<const MessageEntry> Messages() const override
    {
        static constexpr MessageEntry kTable[] = {
            OnMessage<kReflectedCtlColor, &ReflectingButton::OnCtlColor>(),
            OnMessage<kReflectedDrawItem, &ReflectingButton::OnDrawItem>(),
        };
        return kTable;
    }

private:
    HBRUSH OnCtlColor(HDC, HWND) { return brush; }
    void OnDrawItem(const DRAWITEMSTRUCT&) { ++drawn; }
};

class RecordingDialog : public CDialog {
public:
    RecordingDialog() : CDialog(IDD_TEST_DIALOG) {}

    std::vector<std::string> log;
    std::vector<std::pair<UINT, int>> preTranslated;  // message, control id of its target
    bool swallowEnter = false;
    bool queueEnterThenEnd = false;
    HBRUSH editBrush = nullptr;
    HBRUSH buttonBrush = nullptr;

protected:
    std::span<const MessageEntry> Messages() const override
    {
        static constexpr MessageEntry kTable[] = {
            OnMessage<WM_TIMER, &RecordingDialog::OnTimer>(),
            OnMessage<WM_MOUSEMOVE, &RecordingDialog::OnMouseMove>(),
            OnMessage<WM_CTLCOLOREDIT, &RecordingDialog::OnCtlColorEdit>(),
            OnMessage<WM_CTLCOLORBTN, &RecordingDialog::OnCtlColorButton>(),
            OnCommand<IDC_TEST_BUTTON, &RecordingDialog::OnButton>(),
            OnCommand<IDC_TEST_EDIT, &RecordingDialog::OnEditChange, EN_CHANGE>(),
            OnRawMessage<kDeviceNoticeMessage, &RecordingDialog::OnDeviceNotice>(),
            OnRawMessage<kEndMessage, &RecordingDialog::OnEnd>(),
        };
        return kTable;
    }

    BOOL OnInitDialog() override
    {
        log.push_back(FromHandle(Hwnd()) == this ? "init bound" : "init unbound");
        ::SetTimer(Hwnd(), kSafetyTimer, 5000, nullptr);
        if (queueEnterThenEnd) {  // waiting for the loop: Enter in the edit box, then the end
            ::PostMessageW(::GetDlgItem(Hwnd(), IDC_TEST_EDIT), WM_KEYDOWN, VK_RETURN, 0x001C0001);
            ::PostMessageW(Hwnd(), kEndMessage, 77, 0);
        }
        return TRUE;
    }

    bool PreTranslateMessage(MSG& message) override
    {
        if (message.message == WM_KEYDOWN || message.message == kEndMessage) {
            preTranslated.emplace_back(message.message, ::GetDlgCtrlID(message.hwnd));
        }
        return swallowEnter && message.message == WM_KEYDOWN && message.wParam == VK_RETURN;
    }

    void OnOK() override
    {
        log.push_back("ok");
        CDialog::OnOK();
    }

private:
    void OnTimer(UINT_PTR id)
    {
        if (id == kSafetyTimer) {
            EndDialog(-2);
        }
        log.push_back("timer " + std::to_string(id));
    }
    void OnMouseMove(UINT keys, POINT point)
    {
        log.push_back("move " + std::to_string(keys) + " " + std::to_string(point.x) + "," + std::to_string(point.y));
    }
    HBRUSH OnCtlColorEdit(HDC, HWND) { return editBrush; }
    HBRUSH OnCtlColorButton(HDC, HWND) { return buttonBrush; }
    void OnButton() { log.push_back("button"); }
    void OnEditChange() { log.push_back("edit changed"); }
    LRESULT OnDeviceNotice(WPARAM code, LPARAM value)
    {
        log.push_back("notice " + std::to_string(code) + " " + std::to_string(value));
        return static_cast<LRESULT>(code + value);
    }
    LRESULT OnEnd(WPARAM result, LPARAM)
    {
        EndDialog(static_cast<INT_PTR>(result));
        return 0;
    }
};

TEST(DialogTest, MessagesReachTheirTypedHandlers)
{
    RecordingDialog dialog;
    const platform::win::UniqueHBrush brush(::CreateSolidBrush(RGB(9, 9, 9)));
    dialog.editBrush = brush.get();
    ASSERT_TRUE(dialog.Create());
    const HWND window = dialog.Hwnd();
    EXPECT_EQ(CWindow::FromHandle(window), &dialog);
    EXPECT_EQ(dialog.log, (std::vector<std::string>{"init bound"}));
    const HWND button = ::GetDlgItem(window, IDC_TEST_BUTTON);

    struct Case {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
        LRESULT answer;
        std::string logged;  // empty: nothing handled it
    };
    const Case cases[] = {
        {WM_TIMER, 7, 0, 0, "timer 7"},
        {WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(-5, 7), 0, "move 1 -5,7"},  // negative client x
        {kDeviceNoticeMessage, 3, 9, 12, "notice 3 9"},                   // answer through DWLP_MSGRESULT
        {WM_COMMAND, MAKEWPARAM(IDC_TEST_BUTTON, BN_CLICKED), reinterpret_cast<LPARAM>(button), 0, "button"},
        {WM_COMMAND, MAKEWPARAM(IDC_TEST_BUTTON, BN_DOUBLECLICKED), reinterpret_cast<LPARAM>(button), 0, ""},
        {WM_COMMAND, MAKEWPARAM(IDC_TEST_EDIT, EN_CHANGE), 0, 0, "edit changed"},
        {WM_COMMAND, MAKEWPARAM(IDC_TEST_EDIT + 1, EN_CHANGE), 0, 0, ""},
        {WM_CTLCOLOREDIT, 0, 0, reinterpret_cast<LRESULT>(brush.get()), ""},  // the brush itself is the answer
        {WM_APP + 77, 1, 2, 0, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "message 0x" << std::hex << c.message);
        dialog.log.clear();
        EXPECT_EQ(::SendMessageW(window, c.message, c.wParam, c.lParam), c.answer);
        EXPECT_EQ(dialog.log, c.logged.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.logged});
    }

    ASSERT_TRUE(dialog.DestroyWindow());
    EXPECT_EQ(dialog.Hwnd(), nullptr);
    EXPECT_EQ(CWindow::FromHandle(window), nullptr);
}

TEST(DialogTest, ChildControlsOfOursAnswerTheirOwnRequestsFirst)
{
    RecordingDialog dialog;
    ASSERT_TRUE(dialog.Create());
    ReflectingButton child;
    ASSERT_TRUE(child.Create(dialog.Hwnd(), 500));
    EXPECT_EQ(CWindow::FromHandle(child.Hwnd()), &child);  // bound from WM_NCCREATE on

    const platform::win::UniqueHBrush own(::CreateSolidBrush(RGB(1, 1, 1)));
    const platform::win::UniqueHBrush parents(::CreateSolidBrush(RGB(2, 2, 2)));
    dialog.buttonBrush = parents.get();
    const auto request = [&] {
        return ::SendMessageW(dialog.Hwnd(), WM_CTLCOLORBTN, 0, reinterpret_cast<LPARAM>(child.Hwnd()));
    };
    child.brush = own.get();
    EXPECT_EQ(request(), reinterpret_cast<LRESULT>(own.get()));
    child.brush = nullptr;  // no brush: the parent's handler answers
    EXPECT_EQ(request(), reinterpret_cast<LRESULT>(parents.get()));

    DRAWITEMSTRUCT item{};
    item.CtlType = ODT_BUTTON;
    item.CtlID = 500;
    item.hwndItem = child.Hwnd();
    EXPECT_EQ(::SendMessageW(dialog.Hwnd(), WM_DRAWITEM, 500, reinterpret_cast<LPARAM>(&item)), TRUE);
    EXPECT_EQ(child.drawn, 1);

    // The child goes with its parent and unbinds on the way.
    const HWND childWindow = child.Hwnd();
    dialog.DestroyWindow();
    EXPECT_FALSE(::IsWindow(childWindow));
    EXPECT_EQ(child.Hwnd(), nullptr);
}

TEST(DialogTest, ModalLoopPreTranslatesMessagesOfChildrenBeforeTheDialogKeys)
{
    struct Case {
        bool swallowEnter;
        INT_PTR result;
        std::vector<std::string> log;
    };
    const Case cases[] = {
        // Swallowed: Enter never becomes IDOK, the dialog ends with the later message.
        {true, 77, {"init bound"}},
        // Passed on: the dialog keys turn Enter in the edit box into the default button.
        {false, IDOK, {"init bound", "ok"}},
    };
    for (const Case& c : cases) {
        RecordingDialog dialog;
        dialog.swallowEnter = c.swallowEnter;
        dialog.queueEnterThenEnd = true;
        const platform::win::UniqueHwnd owner(
            ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr));
        ASSERT_TRUE(owner);
        EXPECT_EQ(dialog.DoModal(owner.get()), c.result);
        EXPECT_EQ(dialog.log, c.log);
        ASSERT_FALSE(dialog.preTranslated.empty());
        EXPECT_EQ(dialog.preTranslated[0].first, static_cast<UINT>(WM_KEYDOWN));
        EXPECT_EQ(dialog.preTranslated[0].second, IDC_TEST_EDIT);
        EXPECT_EQ(dialog.Hwnd(), nullptr);            // gone when DoModal returns
        EXPECT_TRUE(::IsWindowEnabled(owner.get()));  // and the owner works again
    }
}

TEST(DialogTest, MainTemplateUsesTheRegisteredDialogClassCopy)
{
    CDialog unregistered(IDD_MAIN_DIALOG);
    EXPECT_FALSE(unregistered.Create());

    ASSERT_TRUE(RegisterDialogClassCopy(L"RZ904NewVerGMClass"));
    ASSERT_TRUE(RegisterDialogClassCopy(L"RZ904NewVerGMClass"));  // a second time is fine
    CDialog main(IDD_MAIN_DIALOG);
    ASSERT_TRUE(main.Create());
    wchar_t className[64] = {};
    ::GetClassNameW(main.Hwnd(), className, 64);
    EXPECT_STREQ(className, L"RZ904NewVerGMClass");
    const auto style = static_cast<DWORD>(::GetWindowLongPtrW(main.Hwnd(), GWL_STYLE));
    const auto exStyle = static_cast<DWORD>(::GetWindowLongPtrW(main.Hwnd(), GWL_EXSTYLE));
    for (const DWORD bit : {DWORD{WS_POPUP}, DWORD{WS_VISIBLE}, DWORD{WS_CLIPCHILDREN}}) {
        EXPECT_EQ(style & bit, bit) << std::hex << bit;
    }
    EXPECT_EQ(style & WS_CAPTION, 0u);
    EXPECT_EQ(exStyle & (WS_EX_APPWINDOW | WS_EX_ACCEPTFILES), DWORD{WS_EX_APPWINDOW | WS_EX_ACCEPTFILES});
    EXPECT_EQ(::GetWindow(main.Hwnd(), GW_CHILD), nullptr);  // no controls of its own
}

}  // namespace
}  // namespace zalvane::ui::win
