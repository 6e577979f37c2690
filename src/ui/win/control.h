#pragma once
// CControl: a system control (static, edit box, list box, button ...) as an object of
// ours. It is made from CreateArgs, bound to its window from the first message like every
// CWindow, and tells its own notifications (the WM_COMMAND codes it sends its parent) to
// callbacks that its owner sets, before the parent's message table sees them:
//
//   m_stageColour.Create(L"Static", {.parent = Hwnd(), .id = 71, .rect = {...},
//                                    .style = WS_CHILD | WS_VISIBLE | SS_NOTIFY});
//   m_stageColour.OnNotification(STN_CLICKED, [this] { PickStageColour(0); });
//
// The parent's colour requests (WM_CTLCOLOR*) stay with the parent.

#include <windows.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "ui/win/window.h"

namespace zalvane::ui::win {

class CControl : public CWindow {
public:
    CControl() = default;
    ~CControl() override;

    // A control of the system class `systemClass` ("Static", "Edit", "ListBox", "Button",
    // or commctrl.h's WC_* names), made in a copy of that class named "Zalvane." + the
    // class name.
    bool Create(const wchar_t* systemClass, const CreateArgs& args);

    // Runs `handler` for notification `code` of this control (STN_CLICKED, EN_CHANGE,
    // LBN_SELCHANGE, BN_CLICKED ...), on the parent's thread; a later handler for the same
    // code takes the earlier one's place. A code without a handler goes on to the parent.
    void OnNotification(UINT code, std::function<void()> handler);

    std::wstring Text() const;

protected:
    // A control of its own class `ownClass`, a copy of `systemClass`.
    bool CreateAs(const wchar_t* systemClass, const wchar_t* ownClass, const CreateArgs& args);

    bool OnReflectedCommand(UINT code) override;

private:
    std::vector<std::pair<UINT, std::function<void()>>> m_handlers;
};

}  // namespace zalvane::ui::win
