#include "assign/macro_recorder.h"

#include <algorithm>

#include "assign/macro_encoding.h"
#include "assign/macro_file.h"

namespace zalvane::assign {

void MacroRecorder::Start(bool recordDelays)
{
    m_recording = true;
    m_recordDelays = recordDelays;
    m_events = 0;
    m_lastEventTime = 0;
    m_down.clear();
    m_controlPress.reset();
}

bool MacroRecorder::IsDown(const std::string& name) const
{
    return std::find(m_down.begin(), m_down.end(), name) != m_down.end();
}

void MacroRecorder::AddEvent(std::string line, std::uint32_t now, std::vector<std::string>& lines)
{
    // The first event starts the macro: nothing to wait for before it.
    if (m_events > 0 && m_recordDelays) {
        // The tick count wraps round; the unsigned difference is still the time between.
        const std::uint32_t elapsed = now - m_lastEventTime;
        lines.push_back(DelayLine(std::min<std::int64_t>(elapsed, kMaxMacroDelay)));
    }
    lines.push_back(std::move(line));
    m_lastEventTime = now;
    ++m_events;
}

void MacroRecorder::UndoControlPress(const ControlPress& press, std::vector<std::string>& lines)
{
    lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(press.firstLine), lines.end());
    m_lastEventTime = press.lastEventTime;
    --m_events;
    m_down.pop_back();
    m_controlPress.reset();
}

RecordOutcome MacroRecorder::OnKey(const RecordedKey& key, std::uint32_t now, std::vector<std::string>& lines)
{
    if (!m_recording) {
        return RecordOutcome::kIgnored;
    }
    if (key.role == KeyRole::kBreak) {
        if (key.release) {
            return RecordOutcome::kIgnored;
        }
        if (const std::optional<ControlPress> press = m_controlPress) {
            UndoControlPress(*press, lines);
        }
        Stop(now, lines);
        return RecordOutcome::kStopped;
    }

    const bool wasDown = IsDown(key.name);
    if (!key.release && wasDown) {
        return RecordOutcome::kIgnored;
    }
    // Room for this event and for the releases the stop will add.
    const std::size_t releasesOwed = m_down.size() + (key.release ? 0 : 1) - (wasDown ? 1 : 0);
    if (m_events + 1 + releasesOwed > kMaxEvents) {
        Stop(now, lines);
        return RecordOutcome::kStopped;
    }

    const std::size_t firstLine = lines.size();
    const std::uint32_t lastEventTime = m_lastEventTime;
    m_controlPress.reset();
    if (key.release) {
        std::erase(m_down, key.name);
        AddEvent(ReleaseLine(key.name), now, lines);
    } else {
        m_down.push_back(key.name);
        AddEvent(PressLine(key.name), now, lines);
        if (key.role == KeyRole::kControl) {
            m_controlPress = ControlPress{firstLine, lastEventTime};
        }
    }
    return RecordOutcome::kRecorded;
}

void MacroRecorder::Stop(std::uint32_t now, std::vector<std::string>& lines)
{
    if (!m_recording) {
        return;
    }
    while (!m_down.empty()) {
        AddEvent(ReleaseLine(m_down.back()), now, lines);
        m_down.pop_back();
    }
    m_controlPress.reset();
    m_recording = false;
}

}  // namespace zalvane::assign
