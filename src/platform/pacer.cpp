#include "platform/pacer.h"

#include <numeric>
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
    return std::accumulate(m_pauses.begin(), m_pauses.end(), std::chrono::milliseconds{0});
}

}  // namespace zalvane::platform
