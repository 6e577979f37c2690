#pragma once
// One copy of the program at a time: the first copy creates the named mutex and holds it
// until it ends; a later copy finds it there and ends before it touches anything shared.

#include <windows.h>

#include "platform/win/unique_handle.h"

namespace zalvane::app::win {

class SingleInstance {
public:
    explicit SingleInstance(const wchar_t* mutexName) noexcept
        : m_mutex(::CreateMutexW(nullptr, FALSE, mutexName)), m_first(::GetLastError() != ERROR_ALREADY_EXISTS)
    {
    }

    // False when another copy created the mutex first.
    bool First() const noexcept { return m_first; }

private:
    platform::win::UniqueKernelHandle m_mutex;
    bool m_first;
};

}  // namespace zalvane::app::win
