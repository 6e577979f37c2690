#include "app/win/draw_timing.h"

#include "platform/file_io.h"

namespace zalvane::app::win {
namespace {

// Kernel and user time of the calling thread, in microseconds.
long long ThreadTime() noexcept
{
    FILETIME created{}, exited{}, kernel{}, user{};
    if (!::GetThreadTimes(::GetCurrentThread(), &created, &exited, &kernel, &user)) {
        return 0;
    }
    const auto ticks = [](const FILETIME& time) {
        return static_cast<long long>((static_cast<unsigned long long>(time.dwHighDateTime) << 32) |
                                      time.dwLowDateTime);
    };
    return (ticks(kernel) + ticks(user)) / 10;  // 100 ns ticks
}

}  // namespace

DrawStopwatch::DrawStopwatch() noexcept : m_threadStart(ThreadTime()) { ::QueryPerformanceCounter(&m_start); }

long long DrawStopwatch::WallMicroseconds() const noexcept
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

long long DrawStopwatch::ThreadMicroseconds() const noexcept { return ThreadTime() - m_threadStart; }

DrawTiming::DrawTiming(const std::string& path) : m_file(platform::PathFromUtf8(path), std::ios::app | std::ios::binary)
{
}

void DrawTiming::Write(std::string_view kind, const DrawStopwatch& since)
{
    if (!m_file.is_open()) {
        return;
    }
    m_file << kind << '\t' << since.WallMicroseconds() << '\t' << since.ThreadMicroseconds() << '\n';
    m_file.flush();
}

}  // namespace zalvane::app::win
