#pragma once
// The keyboard hook of a key dialog: a WH_KEYBOARD hook of the dialog's own thread that
// sees every key event the thread takes from its queue, down and up, before the dialog
// does. The dialog hears of each one through its callback and the key still reaches it.

#include <windows.h>

#include <cstdint>
#include <functional>

#include "platform/win/unique_handle.h"

namespace zalvane::assign::win {

class ThreadKeyboardHook {
public:
    // Called with the event's keystroke flags word (scan code, extended flag, release).
    using KeyEvent = std::function<void(std::uint32_t keyFlags)>;

    ThreadKeyboardHook() = default;
    ~ThreadKeyboardHook();
    ThreadKeyboardHook(const ThreadKeyboardHook&) = delete;
    ThreadKeyboardHook& operator=(const ThreadKeyboardHook&) = delete;

    // False when the system refuses (GetLastError tells why). One hook per thread hears
    // the keys: the last one installed, until it is removed.
    [[nodiscard]] bool Install(KeyEvent onKey);
    void Remove() noexcept;
    bool Installed() const noexcept { return m_hook != nullptr; }

private:
    static LRESULT CALLBACK Procedure(int code, WPARAM virtualKey, LPARAM keyFlags) noexcept;

    HHOOK m_hook = nullptr;
    KeyEvent m_onKey;
    ThreadKeyboardHook* m_previous = nullptr;  // the thread's hook before this one
};

}  // namespace zalvane::assign::win
