#pragma once
// Owners for Win32 handles and GDI objects: one move-only template, one alias per kind.
// Each kind counts the handles its owners hold, so that tests can prove that nothing
// leaks (the system's GDI object counters read 0 under Wine).

#include <windows.h>

#include <atomic>
#include <utility>

namespace zalvane::platform::win {

template <class Traits>
class UniqueHandle {
public:
    using Handle = typename Traits::Handle;

    // What put() gives a call that hands a new handle out through a pointer: it holds the
    // pointer's target and gives what the call stored to the owner when it goes, at the
    // end of the full expression.
    class OutParameter {
    public:
        explicit OutParameter(UniqueHandle& owner) noexcept : m_owner(owner) {}
        ~OutParameter() { m_owner.reset(m_handle); }
        OutParameter(const OutParameter&) = delete;
        OutParameter& operator=(const OutParameter&) = delete;

        operator Handle*() noexcept { return &m_handle; }  // NOLINT(google-explicit-constructor): the call's argument

    private:
        UniqueHandle& m_owner;
        Handle m_handle = Traits::Invalid();
    };

    UniqueHandle() noexcept = default;
    explicit UniqueHandle(Handle handle) noexcept : m_handle(handle) { Adopt(m_handle); }
    UniqueHandle(UniqueHandle&& other) noexcept : m_handle(other.m_handle) { other.m_handle = Traits::Invalid(); }
    UniqueHandle& operator=(UniqueHandle&& other) noexcept
    {
        if (this != &other) {
            reset(other.release());
        }
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    ~UniqueHandle() { reset(); }

    Handle get() const noexcept { return m_handle; }
    explicit operator bool() const noexcept { return IsValid(m_handle); }

    // Closes the handle held so far and takes `handle`.
    void reset(Handle handle = Traits::Invalid()) noexcept
    {
        if (handle == m_handle) {
            return;
        }
        Handle old = std::exchange(m_handle, handle);
        Adopt(m_handle);
        if (IsValid(old)) {
            Traits::Close(old);
            s_live.fetch_sub(1, std::memory_order_relaxed);
        }
    }

    // For an out-parameter: closes the handle held so far; the call's new handle is owned
    // (and counted) once the full expression ends, so its result may be tested in it:
    //   if (!::HidD_GetPreparsedData(file, preparsed.put())) ...
    [[nodiscard]] OutParameter put() noexcept
    {
        reset();
        return OutParameter(*this);
    }

    // Gives the handle up without closing it.
    [[nodiscard]] Handle release() noexcept
    {
        if (IsValid(m_handle)) {
            s_live.fetch_sub(1, std::memory_order_relaxed);
        }
        return std::exchange(m_handle, Traits::Invalid());
    }

    // Handles of this kind held by owners right now, in the whole process.
    static long LiveCount() noexcept { return s_live.load(std::memory_order_relaxed); }

private:
    static bool IsValid(Handle handle) noexcept { return handle != Traits::Invalid(); }
    static void Adopt(Handle handle) noexcept
    {
        if (IsValid(handle)) {
            s_live.fetch_add(1, std::memory_order_relaxed);
        }
    }

    Handle m_handle = Traits::Invalid();
    static inline std::atomic<long> s_live{0};
};

// Traits give the handle type, its empty value and how it is closed. Most kinds are
// empty when null; each kind has traits of its own, and so a count of its own.
template <class H, auto CloseFunction>
struct NullEmptyTraits {
    using Handle = H;
    static Handle Invalid() noexcept { return nullptr; }
    static void Close(Handle handle) noexcept { CloseFunction(handle); }
};

struct FileTraits {
    using Handle = HANDLE;
    static Handle Invalid() noexcept { return INVALID_HANDLE_VALUE; }
    static void Close(Handle handle) noexcept { ::CloseHandle(handle); }
};

// Events are kernel handles too, but a kind of their own: an event owner takes no thread
// or mutex, and events are counted apart.
struct EventTraits {
    using Handle = HANDLE;
    static Handle Invalid() noexcept { return nullptr; }
    static void Close(Handle handle) noexcept { ::CloseHandle(handle); }
};

// Memory that the system allocated for the caller with LocalAlloc (CommandLineToArgvW,
// FormatMessageW with FORMAT_MESSAGE_ALLOCATE_BUFFER): `T` is what the pointer points to.
template <class T>
struct LocalMemoryTraits {
    using Handle = T*;
    static Handle Invalid() noexcept { return nullptr; }
    static void Close(Handle memory) noexcept { ::LocalFree(static_cast<HLOCAL>(memory)); }
};

using UniqueHFont = UniqueHandle<NullEmptyTraits<HFONT, &::DeleteObject>>;
using UniqueHBitmap = UniqueHandle<NullEmptyTraits<HBITMAP, &::DeleteObject>>;
using UniqueHBrush = UniqueHandle<NullEmptyTraits<HBRUSH, &::DeleteObject>>;
// Memory surfaces (CreateCompatibleDC); a window's surface is a WindowDc guard instead.
using UniqueHdc = UniqueHandle<NullEmptyTraits<HDC, &::DeleteDC>>;
// CreateFileW: INVALID_HANDLE_VALUE is empty.
using UniqueFile = UniqueHandle<FileTraits>;
// Threads and mutexes: null is empty.
using UniqueKernelHandle = UniqueHandle<NullEmptyTraits<HANDLE, &::CloseHandle>>;
// CreateEventW.
using UniqueEvent = UniqueHandle<EventTraits>;
template <class T>
using UniqueLocalMemory = UniqueHandle<LocalMemoryTraits<T>>;
using UniqueHMenu = UniqueHandle<NullEmptyTraits<HMENU, &::DestroyMenu>>;
// Icons not loaded as shared.
using UniqueHIcon = UniqueHandle<NullEmptyTraits<HICON, &::DestroyIcon>>;
using UniqueHGlobal = UniqueHandle<NullEmptyTraits<HGLOBAL, &::GlobalFree>>;
using UniqueHwnd = UniqueHandle<NullEmptyTraits<HWND, &::DestroyWindow>>;
using UniqueDevNotify = UniqueHandle<NullEmptyTraits<HDEVNOTIFY, &::UnregisterDeviceNotification>>;
using UniqueHHook = UniqueHandle<NullEmptyTraits<HHOOK, &::UnhookWindowsHookEx>>;

}  // namespace zalvane::platform::win
