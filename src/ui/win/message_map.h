#pragma once
// Message tables: each window class lists the messages and control notifications it
// handles, each with a handler method that takes the message's parameters unpacked and
// typed. A table is a static constexpr array of entries made by OnMessage, OnRawMessage,
// OnCommand and OnNotify; the first matching entry handles the message.
//
//   std::span<const MessageEntry> Messages() const override
//   {
//       static constexpr MessageEntry kTable[] = {
//           OnMessage<WM_TIMER, &CMyDialog::OnTimer>(),          // void OnTimer(UINT_PTR id)
//           OnCommand<IDOK, &CMyDialog::OnOk>(),                 // void OnOk()
//           OnRawMessage<kDeviceNoticeMessage, &CMyDialog::OnDeviceNotice>(),
//       };
//       return kTable;
//   }

#include <windows.h>

#include <windowsx.h>

#include "ui/win/private_messages.h"

namespace zalvane::ui::win {

class CWindow;

using MessageThunk = LRESULT (*)(CWindow& window, WPARAM wParam, LPARAM lParam);

enum class MessageMatch { kMessage, kCommand, kNotify };

struct MessageEntry {
    UINT message = 0;
    MessageMatch match = MessageMatch::kMessage;
    UINT id = 0;    // command or control id (kCommand, kNotify)
    UINT code = 0;  // notification code (kCommand, kNotify)
    MessageThunk thunk = nullptr;

    bool Matches(UINT msg, WPARAM wParam, LPARAM lParam) const
    {
        if (msg != message) {
            return false;
        }
        switch (match) {
            case MessageMatch::kCommand:
                return LOWORD(wParam) == id && HIWORD(wParam) == code;
            case MessageMatch::kNotify: {
                const auto* header = reinterpret_cast<const NMHDR*>(lParam);
                return header && header->idFrom == id && header->code == code;
            }
            case MessageMatch::kMessage:
                break;
        }
        return true;
    }
};

namespace detail {

template <class T>
struct MemberFunction;
template <class C, class R, class... A>
struct MemberFunction<R (C::*)(A...)> {
    using Class = C;
};
template <class C, class R, class... A>
struct MemberFunction<R (C::*)(A...) noexcept> {
    using Class = C;
};
template <auto Handler>
using HandlerClass = typename MemberFunction<decltype(Handler)>::Class;

// How a message's parameters reach its handler, and what the handler's answer becomes.
struct NoArguments {  // void Handler()
    template <auto Handler, class D>
    static LRESULT Call(D& self, WPARAM, LPARAM)
    {
        (self.*Handler)();
        return 0;
    }
};
struct MousePosition {  // void Handler(UINT keys, POINT client)
    template <auto Handler, class D>
    static LRESULT Call(D& self, WPARAM wParam, LPARAM lParam)
    {
        (self.*Handler)(static_cast<UINT>(wParam), POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        return 0;
    }
};
struct TimerId {  // void Handler(UINT_PTR id)
    template <auto Handler, class D>
    static LRESULT Call(D& self, WPARAM wParam, LPARAM)
    {
        (self.*Handler)(static_cast<UINT_PTR>(wParam));
        return 0;
    }
};
struct EraseBackground {  // bool Handler(HDC dc): true when erased
    template <auto Handler, class D>
    static LRESULT Call(D& self, WPARAM wParam, LPARAM)
    {
        return (self.*Handler)(reinterpret_cast<HDC>(wParam)) ? TRUE : FALSE;
    }
};
struct ControlColour {  // HBRUSH Handler(HDC dc, HWND control)
    template <auto Handler, class D>
    static LRESULT Call(D& self, WPARAM wParam, LPARAM lParam)
    {
        return reinterpret_cast<LRESULT>(
            (self.*Handler)(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam)));
    }
};
struct DrawItem {  // void Handler(const DRAWITEMSTRUCT& item)
    template <auto Handler, class D>
    static LRESULT Call(D& self, WPARAM, LPARAM lParam)
    {
        (self.*Handler)(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    }
};
struct KeyMessage {  // void Handler(UINT virtualKey, LPARAM keyData)
    template <auto Handler, class D>
    static LRESULT Call(D& self, WPARAM wParam, LPARAM lParam)
    {
        (self.*Handler)(static_cast<UINT>(wParam), lParam);
        return 0;
    }
};
struct DeviceChange {  // bool Handler(UINT event, DWORD_PTR data)
    template <auto Handler, class D>
    static LRESULT Call(D& self, WPARAM wParam, LPARAM lParam)
    {
        return (self.*Handler)(static_cast<UINT>(wParam), static_cast<DWORD_PTR>(lParam)) ? TRUE : FALSE;
    }
};
struct Raw {  // LRESULT Handler(WPARAM, LPARAM)
    template <auto Handler, class D>
    static LRESULT Call(D& self, WPARAM wParam, LPARAM lParam)
    {
        return (self.*Handler)(wParam, lParam);
    }
};

}  // namespace detail

// The cracker of each message that OnMessage accepts; others go through OnRawMessage.
template <UINT Message>
struct MessageCracker;
template <>
struct MessageCracker<WM_CLOSE> : detail::NoArguments {
};
template <>
struct MessageCracker<WM_DESTROY> : detail::NoArguments {
};
template <>
struct MessageCracker<WM_NCDESTROY> : detail::NoArguments {
};
template <>
struct MessageCracker<WM_PAINT> : detail::NoArguments {
};
template <>
struct MessageCracker<WM_MOUSELEAVE> : detail::NoArguments {
};
template <>
struct MessageCracker<WM_MOUSEMOVE> : detail::MousePosition {
};
template <>
struct MessageCracker<WM_MOUSEHOVER> : detail::MousePosition {
};
template <>
struct MessageCracker<WM_LBUTTONDOWN> : detail::MousePosition {
};
template <>
struct MessageCracker<WM_LBUTTONUP> : detail::MousePosition {
};
template <>
struct MessageCracker<WM_LBUTTONDBLCLK> : detail::MousePosition {
};
template <>
struct MessageCracker<WM_RBUTTONDOWN> : detail::MousePosition {
};
template <>
struct MessageCracker<WM_RBUTTONUP> : detail::MousePosition {
};
template <>
struct MessageCracker<WM_TIMER> : detail::TimerId {
};
template <>
struct MessageCracker<WM_ERASEBKGND> : detail::EraseBackground {
};
template <>
struct MessageCracker<WM_CTLCOLORBTN> : detail::ControlColour {
};
template <>
struct MessageCracker<WM_CTLCOLOREDIT> : detail::ControlColour {
};
template <>
struct MessageCracker<WM_CTLCOLORLISTBOX> : detail::ControlColour {
};
template <>
struct MessageCracker<WM_CTLCOLORSTATIC> : detail::ControlColour {
};
template <>
struct MessageCracker<WM_CTLCOLORDLG> : detail::ControlColour {
};
template <>
struct MessageCracker<kReflectedCtlColor> : detail::ControlColour {
};
template <>
struct MessageCracker<WM_DRAWITEM> : detail::DrawItem {
};
template <>
struct MessageCracker<kReflectedDrawItem> : detail::DrawItem {
};
template <>
struct MessageCracker<WM_KEYDOWN> : detail::KeyMessage {
};
template <>
struct MessageCracker<WM_KEYUP> : detail::KeyMessage {
};
template <>
struct MessageCracker<WM_DEVICECHANGE> : detail::DeviceChange {
};

namespace detail {

template <class Cracker, auto Handler>
LRESULT Thunk(CWindow& window, WPARAM wParam, LPARAM lParam)
{
    using D = HandlerClass<Handler>;
    return Cracker::template Call<Handler>(static_cast<D&>(window), wParam, lParam);
}

}  // namespace detail

template <UINT Message, auto Handler>
constexpr MessageEntry OnMessage()
{
    return {Message, MessageMatch::kMessage, 0, 0, &detail::Thunk<MessageCracker<Message>, Handler>};
}

// Private and other messages: LRESULT Handler(WPARAM, LPARAM).
template <UINT Message, auto Handler>
constexpr MessageEntry OnRawMessage()
{
    return {Message, MessageMatch::kMessage, 0, 0, &detail::Thunk<detail::Raw, Handler>};
}

// WM_COMMAND from control or menu item `Id` with notification `Code`: void Handler().
template <UINT Id, auto Handler, UINT Code = BN_CLICKED>
constexpr MessageEntry OnCommand()
{
    return {WM_COMMAND, MessageMatch::kCommand, Id, Code, &detail::Thunk<detail::NoArguments, Handler>};
}

struct NotifyArguments {  // LRESULT Handler(const NMHDR& header)
    template <auto Handler, class D>
    static LRESULT Call(D& self, WPARAM, LPARAM lParam)
    {
        return (self.*Handler)(*reinterpret_cast<const NMHDR*>(lParam));
    }
};

// WM_NOTIFY from control `Id` with code `Code` (the codes are negative numbers).
template <UINT Id, int Code, auto Handler>
constexpr MessageEntry OnNotify()
{
    return {WM_NOTIFY, MessageMatch::kNotify, Id, static_cast<UINT>(Code), &detail::Thunk<NotifyArguments, Handler>};
}

}  // namespace zalvane::ui::win
