#pragma once
// Shared pieces of the win tier: a 32-bit off-screen surface whose pixels can be read, a
// temporary folder with wide paths, and a watcher that answers message boxes.

#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <cstdint>
#include <filesystem>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "platform/win/unique_handle.h"
#include "ui/colour_matrix.h"

namespace zalvane::wintest {

// A top-down 32-bit DIB selected into a memory surface, every pixel set to one colour.
class PixelSurface {
public:
    PixelSurface(int width, int height, ui::Rgba fill);
    ~PixelSurface();
    PixelSurface(const PixelSurface&) = delete;
    PixelSurface& operator=(const PixelSurface&) = delete;

    HDC Dc() const { return m_dc.get(); }
    ui::Rgba At(int x, int y) const;

private:
    platform::win::UniqueHdc m_dc;
    platform::win::UniqueHBitmap m_bitmap;
    HGDIOBJ m_previous = nullptr;
    std::uint8_t* m_bits = nullptr;
    int m_width;
};

// Colour channels equal within `tolerance`; alpha is not compared (GDI leaves it alone or not).
::testing::AssertionResult ColourNear(const ui::Rgba& actual, const ui::Rgba& expected, int tolerance);

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    std::wstring Path() const { return m_path.wstring(); }
    std::wstring File(const std::wstring& name) const { return (m_path / name).wstring(); }

private:
    std::filesystem::path m_path;
};

// Answers every message box of `thread` with OK and keeps the texts it showed.
class MessageBoxWatcher {
public:
    struct Seen {
        std::wstring caption;
        std::vector<std::wstring> texts;  // texts of the box's controls
    };

    explicit MessageBoxWatcher(DWORD thread = ::GetCurrentThreadId());
    ~MessageBoxWatcher();
    MessageBoxWatcher(const MessageBoxWatcher&) = delete;
    MessageBoxWatcher& operator=(const MessageBoxWatcher&) = delete;

    std::vector<Seen> Boxes() const;

private:
    void Watch();

    DWORD m_thread;
    std::atomic<bool> m_stop{false};
    mutable std::mutex m_mutex;
    std::vector<Seen> m_seen;
    std::vector<HWND> m_answered;
    std::thread m_watcher;
};

}  // namespace zalvane::wintest
