#pragma once
// How long the main window takes to draw its page (--draw-timing FILE): one line per
// drawing, the kind and the microseconds from the message that asked for it to the
// picture's block copy to the window, separated by a tab. scripts/bench-redraw reads it.

#include <windows.h>

#include <fstream>
#include <string>
#include <string_view>

namespace zalvane::app::win {

class DrawTiming {
public:
    // Appends to `path` (UTF-8); a file that cannot be opened records nothing.
    explicit DrawTiming(const std::string& path);

    void Write(std::string_view kind, long long microseconds);

private:
    std::ofstream m_file;
};

// The time since `start`, in microseconds of the performance counter.
class DrawStopwatch {
public:
    DrawStopwatch() noexcept { ::QueryPerformanceCounter(&m_start); }
    long long Microseconds() const noexcept;

private:
    LARGE_INTEGER m_start{};
};

}  // namespace zalvane::app::win
