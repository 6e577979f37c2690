#pragma once
// The keyboard hook of the dialog's own thread that the macro recorder listens through:
// every key press and release the thread is about to handle, with its name, its role and
// the system tick count. The key goes on to the dialog as usual.

#include <windows.h>

#include <cstdint>
#include <functional>

#include "assign/macro_recorder.h"
#include "platform/win/unique_handle.h"

namespace zalvane::assign::win {

// The recorder's view of one hook call: `virtualKey` and the keystroke flags word as the
// hook has them, `name` what the system calls the key. Break (VK_CANCEL) and the Ctrl keys
// have their roles; the flags give release and repeat.
RecordedKey RecordedKeyOf(WPARAM virtualKey, LPARAM keyFlags, std::string name);

class RecordHook {
public:
    using Sink = std::function<void(const RecordedKey& key, std::uint32_t now)>;

    RecordHook() = default;
    ~RecordHook() { Remove(); }
    RecordHook(const RecordHook&) = delete;
    RecordHook& operator=(const RecordHook&) = delete;

    // Hooks the calling thread's keyboard; false (GetLastError says why) when the system
    // refuses. One hook per thread: a second one takes the first one's place.
    bool Install(Sink sink);
    // Safe from inside the sink, which may end the recording.
    void Remove() noexcept;
    bool Installed() const noexcept { return static_cast<bool>(m_hook); }

private:
    static LRESULT CALLBACK Proc(int code, WPARAM wParam, LPARAM lParam) noexcept;

    platform::win::UniqueHHook m_hook;
    Sink m_sink;
};

}  // namespace zalvane::assign::win
