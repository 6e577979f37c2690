// The in-place editor of a list line: where it lies and what it shows, the ways an edit
// ends (each told once, after the box is gone), the keys it takes before the dialog's
// own handling, and one editor at a time.

#include "ui/win/lb_editor_wnd.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/win/unique_handle.h"
#include "ui/win/dialog.h"
#include "win/test_dialog_ids.h"

namespace zalvane::ui::win {
namespace {

constexpr int kItemHeight = 16;

// The test dialog with a list of three lines; it notes whether Enter or Escape reached
// its own handling.
class ListDialog : public ui::win::CDialog {
public:
    ListDialog() : CDialog(IDD_TEST_DIALOG)
    {
        if (!Create()) {
            return;
        }
        m_list.Create(L"ListBox", {.parent = Hwnd(),
                                   .id = 130,
                                   .rect = {10, 40, 200, 120},
                                   .style = WS_CHILD | WS_VISIBLE | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT});
        ::SendMessageW(m_list.Hwnd(), LB_SETITEMHEIGHT, 0, kItemHeight);
        for (const wchar_t* item : {L"PROFILE_0", L"PROFILE_1", L"PROFILE_2"}) {
            ::SendMessageW(m_list.Hwnd(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
        }
        m_font.reset(
            ::CreateFontW(-13, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0, 0, 0, L"Arial"));
        ::SendMessageW(m_list.Hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(m_font.get()), FALSE);
        ::ShowWindow(Hwnd(), SW_SHOW);
    }

    HWND List() const { return m_list.Hwnd(); }
    HFONT Font() const { return m_font.get(); }
    int okOrCancel = 0;

protected:
    void OnOK() override { ++okOrCancel; }
    void OnCancel() override { ++okOrCancel; }

private:
    ui::win::CControl m_list;
    platform::win::UniqueHFont m_font;
};

// Runs the messages that are waiting, through the program's own pump.
void Pump()
{
    MSG message;
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        ui::win::PumpMessage(message);
    }
}

struct Heard {
    std::vector<std::pair<int, std::wstring>> commits;
    std::vector<int> cancels;
};

CLBEditorWnd::Callbacks Record(Heard& heard)
{
    return {.commit = [&heard](int item, const std::wstring& text) { heard.commits.emplace_back(item, text); },
            .cancel = [&heard](int item) { heard.cancels.push_back(item); }};
}

TEST(LBEditorWndTest, LiesOverItsLineWithTheListsFontTextFocusAndCapture)
{
    ListDialog dialog;
    ASSERT_TRUE(dialog.List());
    Heard heard;
    CLBEditorWnd editor;
    ASSERT_TRUE(editor.Start(dialog.List(), 1, Record(heard)));

    const HWND box = editor.Hwnd();
    EXPECT_EQ(::GetParent(box), dialog.List());
    EXPECT_EQ(::GetDlgCtrlID(box), 1);
    const LONG_PTR style = ::GetWindowLongPtrW(box, GWL_STYLE);
    EXPECT_EQ(style & (WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL), WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL);
    RECT line{};
    ::SendMessageW(dialog.List(), LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&line));
    RECT rect{};
    ::GetWindowRect(box, &rect);
    ::MapWindowPoints(nullptr, dialog.List(), reinterpret_cast<POINT*>(&rect), 2);
    EXPECT_EQ((std::vector<LONG>{rect.left, rect.top, rect.right, rect.bottom}),
              (std::vector<LONG>{line.left - 1, line.top - 1, line.right + 1, line.bottom + 1}));
    EXPECT_EQ(reinterpret_cast<HFONT>(::SendMessageW(box, WM_GETFONT, 0, 0)), dialog.Font());
    EXPECT_EQ(editor.Text(), L"PROFILE_1");
    EXPECT_EQ(::GetFocus(), box);
    EXPECT_EQ(::GetCapture(), box);
    EXPECT_EQ(CLBEditorWnd::Active(), &editor);
    EXPECT_NE(::SendMessageW(box, WM_GETDLGCODE, 0, 0) & DLGC_WANTALLKEYS, 0);
}

TEST(LBEditorWndTest, EachWayOfEndingIsToldOnceAfterTheBoxIsGone)
{
    enum class Way { kEnter, kTab, kEscape, kClickOutside, kClickInside, kFocusLost };
    struct Case {
        Way way;
        bool ends;
        bool commits;
    };
    const Case cases[] = {
        {Way::kEnter, true, true},        {Way::kTab, true, true},           {Way::kEscape, true, false},
        {Way::kClickOutside, true, true}, {Way::kClickInside, false, false}, {Way::kFocusLost, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.way));
        ListDialog dialog;
        ASSERT_TRUE(dialog.List());
        Heard heard;
        CLBEditorWnd editor;
        bool boxGoneWhenTold = false;
        CLBEditorWnd::Callbacks callbacks = Record(heard);
        callbacks.commit = [&](int item, const std::wstring& text) {
            boxGoneWhenTold = !editor.Hwnd() && CLBEditorWnd::Active() == nullptr;
            heard.commits.emplace_back(item, text);
        };
        ASSERT_TRUE(editor.Start(dialog.List(), 2, callbacks));
        const HWND box = editor.Hwnd();
        ::SetWindowTextW(box, L"Game");
        switch (c.way) {
            case Way::kEnter:
                ::PostMessageW(box, WM_KEYDOWN, VK_RETURN, 1);
                break;
            case Way::kTab:
                ::PostMessageW(box, WM_KEYDOWN, VK_TAB, 1);
                break;
            case Way::kEscape:
                ::PostMessageW(box, WM_KEYDOWN, VK_ESCAPE, 1);
                break;
            case Way::kClickOutside:
                ::PostMessageW(box, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(-30, -5));
                break;
            case Way::kClickInside:
                ::PostMessageW(box, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
                ::PostMessageW(box, WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
                break;
            case Way::kFocusLost:
                ::SetFocus(dialog.List());
                break;
        }
        Pump();
        EXPECT_EQ(editor.Editing(), !c.ends);
        EXPECT_EQ(::IsWindow(box) != FALSE, !c.ends);
        EXPECT_EQ(dialog.okOrCancel, 0);  // Enter and Escape never reach the dialog
        if (c.commits) {
            EXPECT_EQ(heard.commits, (std::vector<std::pair<int, std::wstring>>{{2, L"Game"}}));
            EXPECT_TRUE(boxGoneWhenTold);
        } else {
            EXPECT_TRUE(heard.commits.empty());
        }
        EXPECT_EQ(heard.cancels, c.commits || !c.ends ? std::vector<int>{} : std::vector<int>{2});
        if (!c.ends) {
            EXPECT_EQ(::GetCapture(), box);  // taken back after the box's own click
            continue;
        }
        // Later endings are ignored.
        editor.Commit();
        editor.Cancel();
        EXPECT_EQ(heard.commits.size() + heard.cancels.size(), 1u);
        EXPECT_NE(::GetCapture(), box);
    }
}

TEST(LBEditorWndTest, OneEditorAtATimeAndOnlyOverALineThatIsThere)
{
    ListDialog dialog;
    ASSERT_TRUE(dialog.List());
    Heard first;
    Heard second;
    CLBEditorWnd editor;
    EXPECT_FALSE(editor.Start(dialog.List(), 3, Record(first)));
    EXPECT_FALSE(editor.Start(dialog.List(), -1, Record(first)));
    EXPECT_FALSE(editor.Hwnd());

    ASSERT_TRUE(editor.Start(dialog.List(), 0, Record(first)));
    CLBEditorWnd other;
    ASSERT_TRUE(other.Start(dialog.List(), 1, Record(second)));
    EXPECT_EQ(first.commits, (std::vector<std::pair<int, std::wstring>>{{0, L"PROFILE_0"}}));
    EXPECT_FALSE(editor.Editing());
    EXPECT_EQ(CLBEditorWnd::Active(), &other);

    // The same object serves the next edit, even one started from its own callback.
    Heard third;
    CLBEditorWnd::Callbacks restart = Record(second);
    restart.commit = [&](int, const std::wstring&) { EXPECT_TRUE(other.Start(dialog.List(), 2, Record(third))); };
    other.Cancel();
    ASSERT_TRUE(other.Start(dialog.List(), 1, restart));
    other.Commit();
    EXPECT_TRUE(other.Editing());
    EXPECT_EQ(other.Item(), 2);

    // The dialog going away takes the focus, which commits; the box goes with the dialog.
    dialog.DestroyWindow();
    EXPECT_FALSE(other.Editing());
    EXPECT_FALSE(other.Hwnd());
    EXPECT_EQ(CLBEditorWnd::Active(), nullptr);
    EXPECT_EQ(third.commits, (std::vector<std::pair<int, std::wstring>>{{2, L"PROFILE_2"}}));
    EXPECT_TRUE(third.cancels.empty());

    // An editor whose owner goes first tells nobody.
    ListDialog again;
    ASSERT_TRUE(again.List());
    Heard unheard;
    {
        CLBEditorWnd shortLived;
        ASSERT_TRUE(shortLived.Start(again.List(), 0, Record(unheard)));
    }
    EXPECT_EQ(CLBEditorWnd::Active(), nullptr);
    EXPECT_TRUE(unheard.commits.empty());
    EXPECT_TRUE(unheard.cancels.empty());
}

}  // namespace
}  // namespace zalvane::ui::win
