#include "win/win_test_support.h"

#include <chrono>
#include <system_error>

namespace zalvane::wintest {

PixelSurface::PixelSurface(int width, int height, ui::Rgba fill) : m_width(width)
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    m_dc.reset(::CreateCompatibleDC(nullptr));
    m_bitmap.reset(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    m_bits = static_cast<std::uint8_t*>(bits);
    m_previous = ::SelectObject(m_dc.get(), m_bitmap.get());
    for (int i = 0; i < width * height; ++i) {
        std::uint8_t* pixel = m_bits + static_cast<std::size_t>(i) * 4;
        pixel[0] = fill.blue;
        pixel[1] = fill.green;
        pixel[2] = fill.red;
        pixel[3] = fill.alpha;
    }
}

PixelSurface::~PixelSurface() { ::SelectObject(m_dc.get(), m_previous); }

ui::Rgba PixelSurface::At(int x, int y) const
{
    ::GdiFlush();
    const std::uint8_t* pixel = m_bits + (static_cast<std::size_t>(y) * m_width + x) * 4;
    return {pixel[2], pixel[1], pixel[0], pixel[3]};
}

::testing::AssertionResult ColourNear(const ui::Rgba& actual, const ui::Rgba& expected, int tolerance)
{
    auto within = [tolerance](int a, int b) { return a - b <= tolerance && b - a <= tolerance; };
    if (within(actual.red, expected.red) && within(actual.green, expected.green) &&
        within(actual.blue, expected.blue)) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << "got (" << int(actual.red) << ", " << int(actual.green) << ", "
                                         << int(actual.blue) << "), expected (" << int(expected.red) << ", "
                                         << int(expected.green) << ", " << int(expected.blue) << ") within "
                                         << tolerance;
}

TempDir::TempDir()
{
    static int counter = 0;
    m_path = std::filesystem::temp_directory_path() /
             (L"zalvane-win-" + std::to_wstring(::GetCurrentProcessId()) + L"-" + std::to_wstring(counter++));
    std::filesystem::create_directories(m_path);
}

TempDir::~TempDir()
{
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}

MessageBoxWatcher::MessageBoxWatcher(DWORD thread) : m_thread(thread), m_watcher([this] { Watch(); }) {}

MessageBoxWatcher::~MessageBoxWatcher()
{
    m_stop = true;
    m_watcher.join();
}

std::vector<MessageBoxWatcher::Seen> MessageBoxWatcher::Boxes() const
{
    const std::lock_guard lock(m_mutex);
    return m_seen;
}

void MessageBoxWatcher::Watch()
{
    while (!m_stop) {
        ::EnumThreadWindows(
            m_thread,
            [](HWND window, LPARAM self) -> BOOL {
                auto& watcher = *reinterpret_cast<MessageBoxWatcher*>(self);
                wchar_t className[64] = {};
                ::GetClassNameW(window, className, 64);
                if (std::wstring(className) != L"#32770" || !::IsWindowVisible(window)) {
                    return TRUE;
                }
                const std::lock_guard lock(watcher.m_mutex);
                for (HWND answered : watcher.m_answered) {
                    if (answered == window) {
                        return TRUE;
                    }
                }
                Seen seen;
                wchar_t text[512] = {};
                ::GetWindowTextW(window, text, 512);
                seen.caption = text;
                for (HWND child = ::GetWindow(window, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
                    wchar_t childText[512] = {};
                    ::GetWindowTextW(child, childText, 512);
                    seen.texts.push_back(childText);
                }
                watcher.m_seen.push_back(std::move(seen));
                watcher.m_answered.push_back(window);
                ::PostMessageW(window, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
                return TRUE;
            },
            reinterpret_cast<LPARAM>(this));
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

}  // namespace zalvane::wintest
