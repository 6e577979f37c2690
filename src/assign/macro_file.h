#pragma once
// The macro file (record.ini): one section per macro, in list order, holding the macro's
// options and its event lines ("A   Dn", "120 ms", "A   Up" ...). Read and written
// through the private-profile store, as the macro manager keeps it.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ini_store.h"

namespace zalvane::assign {

inline constexpr std::string_view kDelayTimeSelStatusKey = "DelayTimeSelStatus";
inline constexpr std::string_view kLoopTimeSelStatusKey = "LoopTimeSelStatus";
inline constexpr std::string_view kMacroLoopTimesKey = "MacroLoopTimes";
inline constexpr std::string_view kItemCountKey = "ItemCount";
inline constexpr std::string_view kItemKeyStem = "Item";

inline constexpr std::string_view kPressMarker = "   Dn";
inline constexpr std::string_view kReleaseMarker = "   Up";
inline constexpr std::string_view kDelayUnit = "ms";
inline constexpr std::string_view kDelaySuffix = " ms";

// How far "ItemCount" is followed. A block holds at most 63 events and a recording makes
// at most 64 events with their delay lines, so the first 128 positions are always read (a
// missing one as an empty line); past them reading stops at the first missing line, and
// never goes past kMaxItemsRead lines (twice what a block could use), whatever the count
// claims. MacroRecord::itemsComplete tells when lines were left unread.
inline constexpr std::size_t kItemsAlwaysRead = 128;
inline constexpr std::size_t kMaxItemsRead = 256;

struct MacroRecord {
    std::string name;
    std::int64_t delayTimeSelStatus = 0;  // non-zero: delays were recorded
    std::int64_t loopTimeSelStatus = 0;   // non-zero: the loop count is in force
    std::int64_t macroLoopTimes = 0;
    std::int64_t itemCount = 0;      // as the file says
    std::vector<std::string> items;  // "Item0", "Item1" ... as far as they were read
    bool itemsComplete = true;       // false when the file claims lines that were not read
};

enum class EventKind { kNone, kPress, kRelease };

struct EventLine {
    EventKind kind = EventKind::kNone;
    std::string keyName;  // the line without its marker
};

std::string ItemKey(std::size_t position);
std::string PressLine(std::string_view keyName);
std::string ReleaseLine(std::string_view keyName);
std::string DelayLine(std::int64_t milliseconds);

// A line holding "   Dn" is a press, else one holding "   Up" a release; anything else
// (a delay line) is no event.
EventLine ParseEventLine(std::string_view line);

// Every macro name in file order; empty for a missing file. The whole list, however long.
std::vector<std::string> ReadMacroNames(platform::IniStore& store, const std::string& path);

MacroRecord ReadMacro(platform::IniStore& store, const std::string& path, std::string_view name);

// Saves a macro where its section stands (a new one goes to the end), so that the macro
// keeps its place in the list and every button keeps playing it: the options,
// "ItemCount" and one key per line, in this order; keys left from a longer list go.
bool WriteMacro(platform::IniStore& store, const std::string& path, const MacroRecord& macro);

}  // namespace zalvane::assign
