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

    UniqueHandle() noexcept = default;
    explicit UniqueHandle(Handle handle) noexcept : m_handle(handle) { Adopt(m_handle); }
    UniqueHandle(UniqueHandle&& other) noexcept : m_handle(other.m_handle) { other.m_handle = Traits::Invalid(); }
    UniqueHandle& operator=(UniqueHandle&& other) noexcept
    {
        if (this != &other)
            reset(other.release());
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
        if (handle == m_handle)
            return;
        Handle old = std::exchange(m_handle, handle);
        Adopt(m_handle);
        if (IsValid(old)) {
            Traits::Close(old);
            s_live.fetch_sub(1, std::memory_order_relaxed);
        }
    }

    // Gives the handle up without closing it.
    [[nodiscard]] Handle release() noexcept
    {
        if (IsValid(m_handle))
            s_live.fetch_sub(1, std::memory_order_relaxed);
        return std::exchange(m_handle, Traits::Invalid());
    }

    // Handles of this kind held by owners right now, in the whole process.
    static long LiveCount() noexcept { return s_live.load(std::memory_order_relaxed); }

private:
    static bool IsValid(Handle handle) noexcept { return handle != Traits::Invalid(); }
    static void Adopt(Handle handle) noexcept
    {
        if (IsValid(handle))
            s_live.fetch_add(1, std::memory_order_relaxed);
    }

    Handle m_handle = Traits::Invalid();
    static inline std::atomic<long> s_live{0};
};

// Traits give the handle type, its empty value and how it is closed.
template <class H>
struct GdiTraits {
    using Handle = H;
    static Handle Invalid() noexcept { return nullptr; }
    static void Close(Handle handle) noexcept { ::DeleteObject(handle); }
};

struct FileTraits {
    using Handle = HANDLE;
    static Handle Invalid() noexcept { return INVALID_HANDLE_VALUE; }
    static void Close(Handle handle) noexcept { ::CloseHandle(handle); }
};

struct KernelHandleTraits {
    using Handle = HANDLE;
    static Handle Invalid() noexcept { return nullptr; }
    static void Close(Handle handle) noexcept { ::CloseHandle(handle); }
};

struct HdcTraits {
    using Handle = HDC;
    static Handle Invalid() noexcept { return nullptr; }
    static void Close(Handle handle) noexcept { ::DeleteDC(handle); }
};

struct HMenuTraits {
    using Handle = HMENU;
    static Handle Invalid() noexcept { return nullptr; }
    static void Close(Handle handle) noexcept { ::DestroyMenu(handle); }
};

struct HIconTraits {
    using Handle = HICON;
    static Handle Invalid() noexcept { return nullptr; }
    static void Close(Handle handle) noexcept { ::DestroyIcon(handle); }
};

struct HGlobalTraits {
    using Handle = HGLOBAL;
    static Handle Invalid() noexcept { return nullptr; }
    static void Close(Handle handle) noexcept { ::GlobalFree(handle); }
};

struct HwndTraits {
    using Handle = HWND;
    static Handle Invalid() noexcept { return nullptr; }
    static void Close(Handle handle) noexcept { ::DestroyWindow(handle); }
};

struct DevNotifyTraits {
    using Handle = HDEVNOTIFY;
    static Handle Invalid() noexcept { return nullptr; }
    static void Close(Handle handle) noexcept { ::UnregisterDeviceNotification(handle); }
};

using UniqueHFont = UniqueHandle<GdiTraits<HFONT>>;
using UniqueHBitmap = UniqueHandle<GdiTraits<HBITMAP>>;
using UniqueHBrush = UniqueHandle<GdiTraits<HBRUSH>>;
using UniqueHdc = UniqueHandle<HdcTraits>;                    // memory surfaces (CreateCompatibleDC)
using UniqueFile = UniqueHandle<FileTraits>;                  // CreateFileW: INVALID_HANDLE_VALUE is empty
using UniqueKernelHandle = UniqueHandle<KernelHandleTraits>;  // threads, mutexes
using UniqueEvent = UniqueKernelHandle;
using UniqueHMenu = UniqueHandle<HMenuTraits>;
using UniqueHIcon = UniqueHandle<HIconTraits>;  // icons not loaded as shared
using UniqueHGlobal = UniqueHandle<HGlobalTraits>;
using UniqueHwnd = UniqueHandle<HwndTraits>;
using UniqueDevNotify = UniqueHandle<DevNotifyTraits>;

}  // namespace zalvane::platform::win
