#pragma once
// How long the main window takes to draw its page (--draw-timing FILE): one line per
// drawing with its kind, the wall-clock microseconds from the message that asked for it to
// the picture's block copy to the window, and the window thread's processor time in that
// span (in the system's ticks, coarse; meaningful summed over many drawings), separated by
// tabs. scripts/bench-redraw reads it.

#include <windows.h>

#include <fstream>
#include <string>
#include <string_view>

namespace zalvane::app::win {

// The wall-clock and thread time since it was made.
class DrawStopwatch {
public:
    DrawStopwatch() noexcept;
    long long WallMicroseconds() const noexcept;
    long long ThreadMicroseconds() const noexcept;

private:
    LARGE_INTEGER m_start{};
    long long m_threadStart = 0;
};

class DrawTiming {
public:
    // Appends to `path` (UTF-8); a file that cannot be opened records nothing.
    explicit DrawTiming(const std::string& path);

    void Write(std::string_view kind, const DrawStopwatch& since);

private:
    std::ofstream m_file;
};

}  // namespace zalvane::app::win
