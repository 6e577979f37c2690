#include "assign/macro_file.h"

#include <algorithm>
#include <optional>

#include "platform/text_parsing.h"

namespace zalvane::assign {
namespace {

// The store answers a missing key with the default; two different defaults tell a
// missing key from one that holds the first default.
std::optional<std::string> ReadValue(platform::IniStore& store, const std::string& path, std::string_view section,
                                     std::string_view key)
{
    constexpr std::string_view kProbe = "\x01";
    std::string value = store.GetString(path, section, key, kProbe);
    if (value == kProbe && store.GetString(path, section, key, "\x02") == "\x02") {
        return std::nullopt;
    }
    return value;
}

std::int64_t ReadNumber(platform::IniStore& store, const std::string& path, std::string_view section,
                        std::string_view key)
{
    return platform::DecimalValue(store.GetString(path, section, key));
}

}  // namespace

std::string ItemKey(std::size_t position) { return std::string(kItemKeyStem) + std::to_string(position); }
std::string PressLine(std::string_view keyName) { return std::string(keyName) + std::string(kPressMarker); }
std::string ReleaseLine(std::string_view keyName) { return std::string(keyName) + std::string(kReleaseMarker); }
std::string DelayLine(std::int64_t milliseconds) { return std::to_string(milliseconds) + std::string(kDelaySuffix); }

EventLine ParseEventLine(std::string_view line)
{
    EventLine event;
    std::string_view marker;
    if (line.find(kPressMarker) != std::string_view::npos) {
        event.kind = EventKind::kPress;
        marker = kPressMarker;
    } else if (line.find(kReleaseMarker) != std::string_view::npos) {
        event.kind = EventKind::kRelease;
        marker = kReleaseMarker;
    } else {
        return event;
    }
    // Every occurrence of the marker goes, as a text replace would do it.
    for (std::size_t pos = 0; pos < line.size();) {
        if (line.substr(pos, marker.size()) == marker) {
            pos += marker.size();
        } else {
            event.keyName.push_back(line[pos++]);
        }
    }
    return event;
}

std::vector<std::string> ReadMacroNames(platform::IniStore& store, const std::string& path)
{
    return store.SectionNames(path);
}

MacroRecord ReadMacro(platform::IniStore& store, const std::string& path, std::string_view name)
{
    MacroRecord macro;
    macro.name = std::string(name);
    macro.delayTimeSelStatus = ReadNumber(store, path, name, kDelayTimeSelStatusKey);
    macro.loopTimeSelStatus = ReadNumber(store, path, name, kLoopTimeSelStatusKey);
    macro.macroLoopTimes = ReadNumber(store, path, name, kMacroLoopTimesKey);
    macro.itemCount = ReadNumber(store, path, name, kItemCountKey);

    const std::size_t wanted =
        macro.itemCount <= 0 ? 0 : static_cast<std::size_t>(std::min<std::int64_t>(macro.itemCount, kMaxItemsRead));
    std::size_t present = 0;  // lines up to the last one the file really holds
    for (std::size_t i = 0; i < wanted; ++i) {
        std::optional<std::string> line = ReadValue(store, path, name, ItemKey(i));
        if (!line && i >= kItemsAlwaysRead) {
            break;
        }
        macro.items.push_back(line.value_or(std::string()));
        if (line) {
            present = macro.items.size();
        }
    }
    // Missing lines at the end are no lines at all.
    macro.items.resize(present);
    macro.itemsComplete = macro.itemCount <= 0 || static_cast<std::uint64_t>(macro.itemCount) == present;
    return macro;
}

bool WriteMacro(platform::IniStore& store, const std::string& path, const MacroRecord& macro)
{
    std::vector<platform::IniEntry> entries{
        {std::string(kDelayTimeSelStatusKey), std::to_string(macro.delayTimeSelStatus)},
        {std::string(kLoopTimeSelStatusKey), std::to_string(macro.loopTimeSelStatus)},
        {std::string(kMacroLoopTimesKey), std::to_string(macro.macroLoopTimes)},
        {std::string(kItemCountKey), std::to_string(macro.items.size())},
    };
    for (std::size_t i = 0; i < macro.items.size(); ++i) {
        entries.push_back({ItemKey(i), macro.items[i]});
    }
    return store.WriteSection(path, macro.name, entries);
}

}  // namespace zalvane::assign
