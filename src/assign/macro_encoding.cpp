#include "assign/macro_encoding.h"

#include <algorithm>
#include <string_view>

#include "assign/key_codes.h"
#include "assign/macro_file.h"
#include "platform/text_parsing.h"

namespace zalvane::assign {

std::int64_t DelayFromText(std::string_view text)
{
    // Every " ms" goes before the number is read, as a text replace would do it.
    std::string number;
    for (std::size_t pos = 0; pos < text.size();) {
        if (text.substr(pos, kDelaySuffix.size()) == kDelaySuffix) {
            pos += kDelaySuffix.size();
        } else {
            number.push_back(text[pos++]);
        }
    }
    return std::clamp<std::int64_t>(platform::DecimalValue(number), 0, kMaxMacroDelay);
}

MacroSteps StepsFor(bool release, std::int64_t delay, std::uint8_t keyCode)
{
    delay = std::clamp<std::int64_t>(delay, 0, kMaxMacroDelay);
    const std::uint8_t releaseBit = release ? kReleaseBit : 0;
    MacroSteps steps;
    const auto append = [&steps](std::uint8_t first, std::uint8_t second) {
        steps.bytes[steps.size++] = first;
        steps.bytes[steps.size++] = second;
    };
    if (delay <= kMaxShortDelay) {
        // Whole tens of milliseconds: 0 ... 127.
        append(static_cast<std::uint8_t>(releaseBit | (delay / 10)), keyCode);
        return steps;
    }
    // The event carries the remainder in milliseconds, the hundreds follow.
    append(static_cast<std::uint8_t>(releaseBit | (delay % 100)), keyCode);
    const auto hundreds = static_cast<std::uint16_t>(delay / 100);
    if (delay <= kMaxHundredsDelay) {
        append(static_cast<std::uint8_t>(hundreds), kHundredsCode);
    } else {
        append(0x00, kHundredsCode);
        append(static_cast<std::uint8_t>(hundreds >> 8), static_cast<std::uint8_t>(hundreds & 0xFF));
    }
    return steps;
}

namespace {

struct EncodedEvent {
    MacroSteps steps;
    bool nothingHeld = false;  // no key or button is down once this event has played
};

// How many of `events` the block keeps. When they do not all fit, the macro ends at the
// last event that fits and leaves nothing pressed, so that the mouse never plays a key
// down without its release; only a macro with no such place ends at the last event that
// fits whole.
std::size_t EventsKept(const std::vector<EncodedEvent>& events, std::size_t room)
{
    std::size_t fitting = 0;
    for (std::size_t used = 0; fitting < events.size() && used + events[fitting].steps.size <= room; ++fitting) {
        used += events[fitting].steps.size;
    }
    if (fitting == events.size()) {
        return fitting;
    }
    for (std::size_t kept = fitting; kept > 0; --kept) {
        if (events[kept - 1].nothingHeld) {
            return kept;
        }
    }
    return fitting;
}

}  // namespace

std::size_t EncodeMacroBlock(const MacroRecord& macro, std::span<std::uint8_t, settings::kMacroBlockSize> block,
                             const KeyNameMap& reportedNames)
{
    std::fill(block.begin(), block.end(), std::uint8_t{0});
    // A macro without event lines leaves its block zero, loop count included.
    if (macro.itemCount <= 0) {
        return 0;
    }

    std::int64_t loops = macro.macroLoopTimes;
    if (loops < 1 || loops > 0xFFFF || macro.loopTimeSelStatus == 0) {
        loops = 1;
    }
    block[kLoopCountHigh] = static_cast<std::uint8_t>(loops >> 8);
    block[kLoopCountLow] = static_cast<std::uint8_t>(loops & 0xFF);

    std::vector<EncodedEvent> events;
    std::array<bool, 256> down{};
    std::size_t downCount = 0;
    for (std::size_t i = 0; i < macro.items.size(); ++i) {
        const EventLine event = ParseEventLine(macro.items[i]);
        if (event.kind == EventKind::kNone) {
            continue;
        }
        std::string_view delayText = i + 1 < macro.items.size() ? std::string_view(macro.items[i + 1]) : "";
        if (macro.delayTimeSelStatus == 0 && delayText.find(kDelayUnit) == std::string_view::npos) {
            delayText = kDefaultDelayText;
        }
        const bool release = event.kind == EventKind::kRelease;
        const std::uint8_t code = MacroKeyCodeFromName(event.keyName, reportedNames);
        // Code 0 is no key: it presses nothing.
        if (code != kNoKey && down[code] == release) {
            down[code] = !release;
            downCount = release ? downCount - 1 : downCount + 1;
        }
        events.push_back(EncodedEvent{StepsFor(release, DelayFromText(delayText), code), downCount == 0});
    }

    const std::size_t kept = EventsKept(events, block.size() - kFirstStep);
    std::size_t position = kFirstStep;
    for (std::size_t e = 0; e < kept; ++e) {
        const MacroSteps& steps = events[e].steps;
        std::copy_n(steps.bytes.begin(), steps.size, block.begin() + static_cast<std::ptrdiff_t>(position));
        position += steps.size;
    }
    return events.size() - kept;
}

MacroAreaEncoding EncodeMacroArea(platform::IniStore& store, const std::string& macroFilePath,
                                  const KeyNameMap& reportedNames)
{
    MacroAreaEncoding result;
    const std::vector<std::string> names = ReadMacroNames(store, macroFilePath);
    const std::size_t encoded = std::min(names.size(), settings::kMacroCount);
    result.macrosLeftOut = names.size() - encoded;
    for (std::size_t m = 0; m < encoded; ++m) {
        const MacroRecord macro = ReadMacro(store, macroFilePath, names[m]);
        const std::span<std::uint8_t, settings::kMacroBlockSize> block(
            result.area.data() + m * settings::kMacroBlockSize, settings::kMacroBlockSize);
        if (const std::size_t leftOut = EncodeMacroBlock(macro, block, reportedNames)) {
            result.cuts.push_back(MacroCut{m, names[m], leftOut});
        }
    }
    return result;
}

}  // namespace zalvane::assign
