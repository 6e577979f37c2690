#include "platform/pacer.h"

#include <thread>

namespace zalvane::platform {

void SleepingPacer::Sleep(std::chrono::milliseconds duration)
{
    if (duration.count() > 0) {
        std::this_thread::sleep_for(duration);
    }
}

std::chrono::milliseconds RecordingPacer::Total() const
{
    std::chrono::milliseconds total{0};
    for (auto pause : m_pauses) {
        total += pause;
    }
    return total;
}

}  // namespace zalvane::platform
