#include "assign/macro_recorder.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace zalvane::assign {
namespace {

// One thing that happens during a recording, at tick `time`: a key goes down ('d') or
// up ('u'), or the record button stops it ('S').
struct Step {
    char what;
    std::string_view key;
    std::uint32_t time;
    KeyRole role = KeyRole::kOther;
    bool repeat = false;
};

constexpr KeyRole kCtrl = KeyRole::kControl;
constexpr KeyRole kBreak = KeyRole::kBreak;

struct Recording {
    std::vector<std::string> lines;
    std::optional<std::size_t> stoppedAt;  // the step the recorder stopped on by itself
};

Recording Record(bool delays, const std::vector<Step>& steps)
{
    MacroRecorder recorder;
    Recording result;
    recorder.Start(delays);
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const Step& s = steps[i];
        if (s.what == 'S') {
            recorder.Stop(s.time, result.lines);
            continue;
        }
        const RecordedKey key{std::string(s.key), s.what == 'u', s.repeat, s.role};
        if (recorder.OnKey(key, s.time, result.lines) == RecordOutcome::kStopped && !result.stoppedAt) {
            result.stoppedAt = i;
        }
    }
    EXPECT_FALSE(recorder.IsRecording() && result.stoppedAt);
    return result;
}

// `count` presses and releases of distinct keys, 10 ms apart, from tick 0.
std::vector<Step> Taps(std::size_t count)
{
    static const std::string kKeys = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    std::vector<Step> steps;
    for (std::size_t i = 0; i < count; ++i) {
        const std::string_view key = std::string_view(kKeys).substr(i % kKeys.size(), 1);
        steps.push_back({'d', key, static_cast<std::uint32_t>(20 * i)});
        steps.push_back({'u', key, static_cast<std::uint32_t>(20 * i + 10)});
    }
    return steps;
}

std::vector<Step> Then(std::vector<Step> steps, std::initializer_list<Step> more)
{
    steps.insert(steps.end(), more);
    return steps;
}

TEST(MacroRecorderTest, KeyEventsBecomeEventLines)
{
    const struct {
        const char* what;
        bool delays;
        std::vector<Step> steps;
        std::vector<std::string> lines;
        std::optional<std::size_t> stoppedAt;
    } cases[] = {
        {"press, 120 ms, release", true, {{'d', "A", 1000}, {'u', "A", 1120}}, {"A   Dn", "120 ms", "A   Up"}},
        {"without delays", false, {{'d', "A", 1000}, {'u', "A", 1120}}, {"A   Dn", "A   Up"}},
        {"a held key repeats, recorded once",
         true,
         {{'d', "A", 0}, {'d', "A", 500, {}, true}, {'d', "A", 530, {}, true}, {'u', "A", 600}},
         {"A   Dn", "600 ms", "A   Up"}},
        {"the first event has no delay before it, a release included",
         true,
         {{'u', "Shift", 90000}, {'d', "B", 90040}, {'u', "B", 90050}},
         {"Shift   Up", "40 ms", "B   Dn", "10 ms", "B   Up"}},
        {"the tick count wraps round",
         true,
         {{'d', "A", 0xFFFFFF00}, {'u', "A", 0x100}},
         {"A   Dn", "512 ms", "A   Up"}},
        {"delays stop at 6553500 ms", true, {{'d', "A", 0}, {'u', "A", 7000000}}, {"A   Dn", "6553500 ms", "A   Up"}},
        {"Ctrl+Break stops; neither it nor its Ctrl press stays",
         true,
         {{'d', "A", 0}, {'u', "A", 50}, {'d', "Ctrl", 300, kCtrl}, {'d', "Break", 320, kBreak}, {'u', "X", 400}},
         {"A   Dn", "50 ms", "A   Up"},
         3},
        {"Ctrl+Break stops when Break comes as a repeat",
         true,
         {{'d', "A", 0}, {'u', "A", 50}, {'d', "Ctrl", 300, kCtrl}, {'d', "Break", 320, kBreak, true}},
         {"A   Dn", "50 ms", "A   Up"},
         3},
        {"Ctrl+Break as the only thing", true, {{'d', "Ctrl", 0, kCtrl}, {'d', "Break", 9, kBreak}}, {}, 1},
        {"a Ctrl that was used stays, and is released at the stop",
         true,
         {{'d', "Ctrl", 0, kCtrl}, {'d', "C", 100}, {'u', "C", 150}, {'d', "Break", 400, kBreak}},
         {"Ctrl   Dn", "100 ms", "C   Dn", "50 ms", "C   Up", "250 ms", "Ctrl   Up"},
         3},
        {"keys still down at the stop are released, the last one first",
         true,
         {{'d', "A", 0}, {'d', "B", 10}, {'S', "", 1000}},
         {"A   Dn", "10 ms", "B   Dn", "990 ms", "B   Up", "0 ms", "A   Up"}},
        {"the same without delays",
         false,
         {{'d', "A", 0}, {'d', "B", 10}, {'S', "", 1000}},
         {"A   Dn", "B   Dn", "B   Up", "A   Up"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const Recording recording = Record(c.delays, c.steps);
        EXPECT_EQ(recording.lines, c.lines);
        EXPECT_EQ(recording.stoppedAt, c.stoppedAt);
    }
}

TEST(MacroRecorderTest, SixtyFourEventsAtMostWithEveryKeyReleased)
{
    const struct {
        const char* what;
        std::vector<Step> steps;
        std::size_t stoppedAt;
        std::vector<std::string> lastLines;
    } cases[] = {
        {"the 65th event stops", Then(Taps(32), {{'d', "Z", 5000}, {'u', "Z", 5010}}), 64, {"5   Dn", "5   Up"}},
        // 62 events and a key down: a second key down would leave no room for both releases.
        {"room is kept for the releases",
         Then(Taps(31), {{'d', "X", 5000}, {'d', "Y", 5010}}),
         63,
         {"X   Dn", "X   Up"}},
        {"a release of a key pressed before the recording counts too",
         Then(Taps(32), {{'u', "Shift", 5000}}),
         64,
         {"5   Dn", "5   Up"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const Recording recording = Record(false, c.steps);
        EXPECT_EQ(recording.stoppedAt, c.stoppedAt);
        ASSERT_EQ(recording.lines.size(), MacroRecorder::kMaxEvents);
        EXPECT_EQ(std::vector<std::string>(recording.lines.end() - 2, recording.lines.end()), c.lastLines);
    }
    // With delays: 64 events and the 63 delays between them.
    EXPECT_EQ(Record(true, Then(Taps(32), {{'d', "Z", 5000}})).lines.size(), 127u);
}

TEST(MacroRecorderTest, EachRecordingStartsAfresh)
{
    MacroRecorder recorder;
    std::vector<std::string> lines;
    recorder.Start(true);
    ASSERT_EQ(recorder.OnKey({"A", false, false, KeyRole::kOther}, 100, lines), RecordOutcome::kRecorded);
    ASSERT_EQ(recorder.OnKey({"Break", false, false, KeyRole::kBreak}, 200, lines), RecordOutcome::kStopped);
    EXPECT_EQ(recorder.OnKey({"B", false, false, KeyRole::kOther}, 300, lines), RecordOutcome::kIgnored);

    // Under Wine the second Ctrl+Break comes with the repeat bit set.
    lines.clear();
    recorder.Start(true);
    ASSERT_EQ(recorder.OnKey({"A", true, false, KeyRole::kOther}, 5000, lines), RecordOutcome::kRecorded);
    EXPECT_EQ(recorder.OnKey({"Break", false, true, KeyRole::kBreak}, 5100, lines), RecordOutcome::kStopped);
    // Nothing was down in this recording: A's press belonged to the first one.
    EXPECT_EQ(lines, (std::vector<std::string>{"A   Up"}));
}

}  // namespace
}  // namespace zalvane::assign
