#pragma once
// Recording a macro from the keyboard: key presses and releases in, the manager's event
// lines out ("A   Dn", "120 ms", "A   Up"). The Windows face feeds it from a keyboard hook
// of the dialog's thread and passes the system tick count as the time; tests pass any
// clock they like.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace zalvane::assign {

// What a key means to the recorder besides its name. Break is Ctrl+Break: the system
// reports it as its own key (VK_CANCEL), whichever scan code and repeat bit it carries.
enum class KeyRole { kOther, kControl, kBreak };

struct RecordedKey {
    std::string name;  // the system's key name, as the macro file keeps it
    bool release = false;
    // The system's "was down before" bit. Not relied upon: the system may set it on
    // Break's first press, and a key held since before the recording is a press for it.
    // Whether a press repeats is told by the keys this recording has seen go down.
    bool repeat = false;
    KeyRole role = KeyRole::kOther;
};

enum class RecordOutcome {
    kIgnored,   // not recording, an auto-repeat, or Break's release
    kRecorded,  // the lines grew
    kStopped,   // Ctrl+Break or the event limit: the recording has ended
};

class MacroRecorder {
public:
    // A recording holds at most this many key events, the releases it adds at its end
    // included.
    static constexpr std::size_t kMaxEvents = 64;

    // Starts afresh; the caller has cleared the lines. `recordDelays` puts a delay line
    // between every two events.
    void Start(bool recordDelays);

    // Appends what `key` at tick `now` adds to `lines`. A press of a key already down is
    // an auto-repeat and adds nothing. Ctrl+Break stops the recording: neither Break nor
    // the Ctrl press that began it stays. An event that would leave no room for the
    // releases of the keys still down stops the recording instead of being recorded.
    RecordOutcome OnKey(const RecordedKey& key, std::uint32_t now, std::vector<std::string>& lines);

    // Ends the recording at tick `now`: every key still down gets its release line, the
    // last one pressed first, so that no macro leaves a key pressed. Nothing when not
    // recording.
    void Stop(std::uint32_t now, std::vector<std::string>& lines);

    bool IsRecording() const { return m_recording; }

private:
    // The Ctrl press most recently recorded, while nothing has followed it: if Break comes
    // next it was only the start of Ctrl+Break.
    struct ControlPress {
        std::size_t firstLine;        // its delay line, or itself
        std::uint32_t lastEventTime;  // as it was before
    };

    void AddEvent(std::string line, std::uint32_t now, std::vector<std::string>& lines);
    void UndoControlPress(const ControlPress& press, std::vector<std::string>& lines);
    bool IsDown(const std::string& name) const;

    bool m_recording = false;
    bool m_recordDelays = false;
    std::size_t m_events = 0;
    std::uint32_t m_lastEventTime = 0;
    std::vector<std::string> m_down;  // keys pressed in this recording and not released, in order
    std::optional<ControlPress> m_controlPress;
};

}  // namespace zalvane::assign
