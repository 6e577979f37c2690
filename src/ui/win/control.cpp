#include "ui/win/control.h"

#include <algorithm>

namespace zalvane::ui::win {

CControl::~CControl() { DestroyWindow(); }

bool CControl::Create(const wchar_t* systemClass, const CreateArgs& args)
{
    const std::wstring ownClass = std::wstring(L"Zalvane.") + systemClass;
    return CreateAs(systemClass, ownClass.c_str(), args);
}

bool CControl::CreateAs(const wchar_t* systemClass, const wchar_t* ownClass, const CreateArgs& args)
{
    // Registered once; a second registration only gives the system class's procedure back.
    const WNDPROC systemProc = RegisterSuperclass(systemClass, ownClass);
    return systemProc != nullptr && CreateEx(ownClass, args, systemProc);
}

void CControl::OnNotification(UINT code, std::function<void()> handler)
{
    const auto found =
        std::find_if(m_handlers.begin(), m_handlers.end(), [code](const auto& entry) { return entry.first == code; });
    if (found != m_handlers.end()) {
        found->second = std::move(handler);
    } else {
        m_handlers.emplace_back(code, std::move(handler));
    }
}

bool CControl::OnReflectedCommand(UINT code)
{
    const auto found =
        std::find_if(m_handlers.begin(), m_handlers.end(), [code](const auto& entry) { return entry.first == code; });
    if (found == m_handlers.end() || !found->second) {
        return false;
    }
    // A copy: the handler may set another one for its own code.
    const std::function<void()> handler = found->second;
    handler();
    return true;
}

std::wstring CControl::Text() const
{
    const int length = ::GetWindowTextLengthW(Hwnd());
    std::wstring text(static_cast<std::size_t>(std::max(length, 0)) + 1, L'\0');
    const int copied = ::GetWindowTextW(Hwnd(), text.data(), static_cast<int>(text.size()));
    text.resize(static_cast<std::size_t>(std::max(copied, 0)));
    return text;
}

}  // namespace zalvane::ui::win
