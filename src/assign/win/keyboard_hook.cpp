#include "assign/win/keyboard_hook.h"

#include <utility>

#include "ui/win/window.h"

namespace zalvane::assign::win {
namespace {

// The hook procedure has no context argument: each thread keeps its listening hook.
thread_local ThreadKeyboardHook* t_listening = nullptr;

}  // namespace

ThreadKeyboardHook::~ThreadKeyboardHook() { Remove(); }

bool ThreadKeyboardHook::Install(KeyEvent onKey)
{
    Remove();
    m_hook = ::SetWindowsHookExW(WH_KEYBOARD, &ThreadKeyboardHook::Procedure, nullptr, ::GetCurrentThreadId());
    if (!m_hook) {
        return false;
    }
    m_onKey = std::move(onKey);
    m_previous = std::exchange(t_listening, this);
    return true;
}

void ThreadKeyboardHook::Remove() noexcept
{
    if (!m_hook) {
        return;
    }
    ::UnhookWindowsHookEx(m_hook);
    m_hook = nullptr;
    if (t_listening == this) {
        t_listening = m_previous;
    }
    m_previous = nullptr;
}

// Every call that is no key event goes on to the next hook; a key event goes to the
// listening dialog and no further, and the key is still delivered (0).
LRESULT CALLBACK ThreadKeyboardHook::Procedure(int code, WPARAM virtualKey, LPARAM keyFlags) noexcept
{
    ThreadKeyboardHook* hook = t_listening;
    if (code != HC_ACTION || !hook || !hook->m_onKey) {
        return ::CallNextHookEx(nullptr, code, virtualKey, keyFlags);
    }
    try {
        hook->m_onKey(static_cast<std::uint32_t>(keyFlags));
    } catch (...) {
        // A key that cannot be shown is lost; the dialog goes on.
        ui::win::TellHandlerFailure(WM_KEYDOWN);
    }
    return 0;
}

}  // namespace zalvane::assign::win
