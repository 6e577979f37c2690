#include "ui/win/list_box.h"

#include "platform/win/wide_text.h"

namespace zalvane::ui::win {

bool CListBox::Create(const CreateArgs& args, std::span<const std::string> items, HFONT font)
{
    CreateArgs listArgs = args;
    // Exactly at its rectangle, not shortened to a whole number of items.
    listArgs.style |= WS_CHILD | WS_VISIBLE | WS_BORDER | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT;
    if (!CControl::Create(L"ListBox", listArgs)) {
        return false;
    }
    if (font) {
        ::SendMessageW(Hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
    // After the font, which would size the items again.
    ::SendMessageW(Hwnd(), LB_SETITEMHEIGHT, 0, MAKELPARAM(kListBoxItemHeight, 0));
    for (const std::string& item : items) {
        const std::wstring text = platform::win::Widen(item);
        ::SendMessageW(Hwnd(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
    return true;
}

std::span<const MessageEntry> CListBox::Messages() const
{
    static constexpr MessageEntry kTable[] = {
        OnMessage<WM_MOUSEMOVE, &CListBox::OnMouseMove>(),
    };
    return kTable;
}

void CListBox::OnMouseMove(UINT, POINT)
{
    ContinueDefault();
    if (m_onPointerMove) {
        // A copy: the handler may set another one.
        const std::function<void()> handler = m_onPointerMove;
        handler();
    }
}

int CListBox::Selection() const noexcept
{
    const LRESULT selected = ::SendMessageW(Hwnd(), LB_GETCURSEL, 0, 0);
    return selected == LB_ERR ? -1 : static_cast<int>(selected);
}

std::optional<int> CListBox::ItemAt(POINT screen) const noexcept
{
    if (!Hwnd() || !::ScreenToClient(Hwnd(), &screen)) {
        return std::nullopt;
    }
    RECT client{};
    ::GetClientRect(Hwnd(), &client);
    if (!::PtInRect(&client, screen)) {
        return std::nullopt;
    }
    const LRESULT found = ::SendMessageW(Hwnd(), LB_ITEMFROMPOINT, 0, MAKELPARAM(screen.x, screen.y));
    if (HIWORD(found) != 0) {
        return std::nullopt;  // past the last item
    }
    return static_cast<int>(LOWORD(found));
}

std::optional<int> CListBox::SelectUnderCursor() noexcept
{
    POINT cursor{};
    if (!::GetCursorPos(&cursor)) {
        return std::nullopt;
    }
    const std::optional<int> item = ItemAt(cursor);
    if (item && *item != Selection()) {
        ::SendMessageW(Hwnd(), LB_SETCURSEL, static_cast<WPARAM>(*item), 0);
    }
    return item;
}

std::optional<RECT> CListBox::ItemRectInParent(int index) const noexcept
{
    RECT item{};
    if (::SendMessageW(Hwnd(), LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item)) == LB_ERR) {
        return std::nullopt;
    }
    ::MapWindowPoints(Hwnd(), ::GetParent(Hwnd()), reinterpret_cast<POINT*>(&item), 2);
    return item;
}

RECT CListBox::RectInParent() const noexcept
{
    RECT rect{};
    ::GetWindowRect(Hwnd(), &rect);
    ::MapWindowPoints(nullptr, ::GetParent(Hwnd()), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

}  // namespace zalvane::ui::win
