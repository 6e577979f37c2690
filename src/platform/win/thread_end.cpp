#include "platform/win/thread_end.h"

namespace zalvane::platform::win {

bool WaitForThreadAnsweringSends(HANDLE thread, DWORD timeoutMs) noexcept
{
    const DWORD deadline = ::GetTickCount() + timeoutMs;
    for (;;) {
        const DWORD now = ::GetTickCount();
        const DWORD left = now < deadline ? deadline - now : 0;
        const DWORD woken = ::MsgWaitForMultipleObjects(1, &thread, FALSE, left, QS_SENDMESSAGE);
        if (woken == WAIT_OBJECT_0) {
            return true;
        }
        if (woken != WAIT_OBJECT_0 + 1) {
            return false;
        }
        // Peeking answers the sent messages; nothing posted is taken off the queue.
        MSG message;
        ::PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
}

}  // namespace zalvane::platform::win
