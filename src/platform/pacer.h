#pragma once
// Pauses between device commands. The mouse needs time to write its flash; tests pass a
// pacer that records each pause instead of sleeping.

#include <chrono>
#include <vector>

namespace zalvane::platform {

class Pacer {
public:
    virtual ~Pacer() = default;
    virtual void Sleep(std::chrono::milliseconds duration) = 0;
};

// Really waits, with the steady clock.
class SleepingPacer final : public Pacer {
public:
    void Sleep(std::chrono::milliseconds duration) override;
};

// Waits for nothing and remembers every pause asked for.
class RecordingPacer final : public Pacer {
public:
    void Sleep(std::chrono::milliseconds duration) override { m_pauses.push_back(duration); }
    const std::vector<std::chrono::milliseconds>& Pauses() const { return m_pauses; }
    std::chrono::milliseconds Total() const;

private:
    std::vector<std::chrono::milliseconds> m_pauses;
};

}  // namespace zalvane::platform
