#include "assign/win/record_hook.h"

#include <array>
#include <utility>

#include "platform/win/wide_text.h"
#include "ui/win/window.h"

namespace zalvane::assign::win {
namespace {

// The hook procedure has no context of its own: the hook installed on this thread.
thread_local RecordHook* t_installed = nullptr;

constexpr LPARAM kReleaseBit = LPARAM{1} << 31;
constexpr LPARAM kRepeatBit = LPARAM{1} << 30;
constexpr int kKeyNameLength = 32;

std::string KeyNameOf(LPARAM keyFlags)
{
    std::array<wchar_t, kKeyNameLength> name{};
    const int length = ::GetKeyNameTextW(static_cast<LONG>(keyFlags), name.data(), kKeyNameLength);
    return platform::win::Narrow(std::wstring_view(name.data(), static_cast<std::size_t>(length > 0 ? length : 0)));
}

}  // namespace

RecordedKey RecordedKeyOf(WPARAM virtualKey, LPARAM keyFlags, std::string name)
{
    KeyRole role = KeyRole::kOther;
    if (virtualKey == VK_CANCEL) {
        role = KeyRole::kBreak;
    } else if (virtualKey == VK_CONTROL || virtualKey == VK_LCONTROL || virtualKey == VK_RCONTROL) {
        role = KeyRole::kControl;
    }
    return {std::move(name), (keyFlags & kReleaseBit) != 0, (keyFlags & kRepeatBit) != 0, role};
}

bool RecordHook::Install(Sink sink)
{
    Remove();
    m_hook.reset(::SetWindowsHookExW(WH_KEYBOARD, &RecordHook::Proc, nullptr, ::GetCurrentThreadId()));
    if (!m_hook) {
        return false;
    }
    m_sink = std::move(sink);
    t_installed = this;
    return true;
}

void RecordHook::Remove() noexcept
{
    if (t_installed == this) {
        t_installed = nullptr;
    }
    m_hook.reset();
}

LRESULT CALLBACK RecordHook::Proc(int code, WPARAM wParam, LPARAM lParam) noexcept
{
    if (code == HC_ACTION && t_installed != nullptr) {
        try {
            RecordedKey key = RecordedKeyOf(wParam, lParam, KeyNameOf(lParam));
            // A key without a name could be neither shown nor played; Break needs none.
            if (!key.name.empty() || key.role == KeyRole::kBreak) {
                // A copy: the sink may remove the hook, and with it the sink.
                const Sink sink = t_installed->m_sink;
                if (sink) {
                    sink(key, ::GetTickCount());
                }
            }
        } catch (...) {
            ui::win::TellHandlerFailure(WM_KEYDOWN);
        }
    }
    // The key also reaches the dialog.
    ::CallNextHookEx(nullptr, code, wParam, lParam);
    return 0;
}

}  // namespace zalvane::assign::win
