// Child controls made from CreateArgs, as the settings pages make them (colour swatches,
// a numeric edit box, a list box of fixed item height), telling their notifications to
// callbacks; what they have no callback for, and their colour requests, stay with the
// parent.

#include "ui/win/control.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "platform/win/unique_handle.h"

namespace zalvane::ui::win {
namespace {

using Commands = std::vector<std::pair<int, int>>;  // control id, notification code

class ParentWindow : public CWindow {
public:
    ParentWindow()
    {
        WNDCLASSEXW windowClass{};
        windowClass.lpszClassName = L"Zalvane.ControlTestParent";
        RegisterWindowClass(windowClass);
        CreateEx(L"Zalvane.ControlTestParent", {.rect = {0, 0, 400, 300}, .style = WS_POPUP | WS_VISIBLE});
    }

    Commands commands;
    HBRUSH staticBrush = nullptr;

protected:
    std::span<const MessageEntry> Messages() const override
    {
        static constexpr MessageEntry kTable[] = {
            OnRawMessage<WM_COMMAND, &ParentWindow::OnCommand>(),
            OnMessage<WM_CTLCOLORSTATIC, &ParentWindow::OnCtlColorStatic>(),
        };
        return kTable;
    }

private:
    LRESULT OnCommand(WPARAM wParam, LPARAM)
    {
        commands.emplace_back(LOWORD(wParam), HIWORD(wParam));
        return 0;
    }
    HBRUSH OnCtlColorStatic(HDC, HWND) { return staticBrush; }
};

void Click(const CControl& control, int x, int y)
{
    ::SendMessageW(control.Hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    ::SendMessageW(control.Hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

TEST(ControlTest, ChildControlsFromCreateArgsTellTheirNotificationsToCallbacks)
{
    ParentWindow parent;
    ASSERT_TRUE(parent.Hwnd());

    CControl edit;
    ASSERT_TRUE(edit.Create(L"Edit", {.parent = parent.Hwnd(),
                                      .id = 121,
                                      .rect = {40, 80, 90, 100},
                                      .style = WS_CHILD | WS_VISIBLE | ES_NUMBER,
                                      .text = L"800"}));
    EXPECT_EQ(CWindow::FromHandle(edit.Hwnd()), &edit);
    EXPECT_EQ(::GetParent(edit.Hwnd()), parent.Hwnd());
    EXPECT_EQ(::GetDlgCtrlID(edit.Hwnd()), 121);
    EXPECT_NE(::GetWindowLongPtrW(edit.Hwnd(), GWL_STYLE) & ES_NUMBER, 0);
    RECT rect{};
    ::GetWindowRect(edit.Hwnd(), &rect);
    ::MapWindowPoints(nullptr, parent.Hwnd(), reinterpret_cast<POINT*>(&rect), 2);
    EXPECT_EQ((std::vector<LONG>{rect.left, rect.top, rect.right, rect.bottom}), (std::vector<LONG>{40, 80, 90, 100}));
    EXPECT_EQ(edit.Text(), L"800");

    std::vector<std::wstring> changes;
    edit.OnNotification(EN_CHANGE, [&] { changes.push_back(edit.Text()); });
    ::SetWindowTextW(edit.Hwnd(), L"1200");
    EXPECT_EQ(changes, std::vector<std::wstring>{L"1200"});

    CControl list;
    ASSERT_TRUE(list.Create(L"ListBox", {.parent = parent.Hwnd(),
                                         .id = 151,
                                         .rect = {100, 100, 200, 200},
                                         .style = WS_CHILD | WS_VISIBLE | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT}));
    ::SendMessageW(list.Hwnd(), LB_SETITEMHEIGHT, 0, 16);
    for (const wchar_t* item : {L"first", L"second", L"third", L"fourth"}) {
        ::SendMessageW(list.Hwnd(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    }
    EXPECT_EQ(::SendMessageW(list.Hwnd(), LB_GETITEMHEIGHT, 0, 0), 16);
    LRESULT selected = -1;
    list.OnNotification(LBN_SELCHANGE, [&] { selected = ::SendMessageW(list.Hwnd(), LB_GETCURSEL, 0, 0); });
    Click(list, 10, 2 * 16 + 8);
    EXPECT_EQ(selected, 2);

    const platform::win::UniqueHBrush brush(::CreateSolidBrush(RGB(9, 8, 7)));
    parent.staticBrush = brush.get();
    CControl swatch;
    ASSERT_TRUE(swatch.Create(
        L"Static",
        {.parent = parent.Hwnd(), .id = 71, .rect = {10, 10, 30, 20}, .style = WS_CHILD | WS_VISIBLE | SS_NOTIFY}));
    int clicks = 0;
    swatch.OnNotification(STN_CLICKED, [&] { ++clicks; });
    Click(swatch, 5, 5);
    EXPECT_EQ(clicks, 1);
    // The parent colours its controls.
    EXPECT_EQ(::SendMessageW(parent.Hwnd(), WM_CTLCOLORSTATIC, 0, reinterpret_cast<LPARAM>(swatch.Hwnd())),
              reinterpret_cast<LRESULT>(brush.get()));

    // A notification with a callback is the control's; one without goes on to the parent.
    parent.commands.clear();
    const auto notify = [&](const CControl& control, int code) {
        ::SendMessageW(parent.Hwnd(), WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(control.Hwnd()), code),
                       reinterpret_cast<LPARAM>(control.Hwnd()));
    };
    notify(edit, EN_CHANGE);
    notify(edit, EN_KILLFOCUS);
    notify(swatch, STN_CLICKED);
    notify(swatch, STN_DBLCLK);
    ::SendMessageW(parent.Hwnd(), WM_COMMAND, MAKEWPARAM(1028, 0), 0);  // a menu item: nobody's control
    EXPECT_EQ(parent.commands, (Commands{{121, EN_KILLFOCUS}, {71, STN_DBLCLK}, {1028, 0}}));
    EXPECT_EQ(changes.size(), 2u);
    EXPECT_EQ(clicks, 2);

    // A later callback for a code takes the earlier one's place.
    swatch.OnNotification(STN_CLICKED, [&] { clicks += 10; });
    notify(swatch, STN_CLICKED);
    EXPECT_EQ(clicks, 12);
}

}  // namespace
}  // namespace zalvane::ui::win
