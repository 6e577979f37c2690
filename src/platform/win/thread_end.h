#pragma once
// Ending a thread that talks to windows of the calling thread.

#include <windows.h>

namespace zalvane::platform::win {

// Waits at most `timeoutMs` for `thread` to end, answering meanwhile the messages that
// other threads send to this thread's windows: the thread may be inside such a send and
// end only once it is answered. True when the thread ended.
bool WaitForThreadAnsweringSends(HANDLE thread, DWORD timeoutMs) noexcept;

}  // namespace zalvane::platform::win
