#include "app/win/draw_timing.h"

#include "platform/file_io.h"

namespace zalvane::app::win {

DrawTiming::DrawTiming(const std::string& path) : m_file(platform::PathFromUtf8(path), std::ios::app | std::ios::binary)
{
}

void DrawTiming::Write(std::string_view kind, long long microseconds)
{
    if (!m_file.is_open()) {
        return;
    }
    m_file << kind << '\t' << microseconds << '\n';
    m_file.flush();
}

long long DrawStopwatch::Microseconds() const noexcept
{
    LARGE_INTEGER now{};
    LARGE_INTEGER frequency{};
    ::QueryPerformanceCounter(&now);
    ::QueryPerformanceFrequency(&frequency);
    if (frequency.QuadPart <= 0) {
        return 0;
    }
    return (now.QuadPart - m_start.QuadPart) * 1000000 / frequency.QuadPart;
}

}  // namespace zalvane::app::win
