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

std::size_t EncodeMacroBlock(const MacroRecord& macro, std::span<std::uint8_t, settings::kMacroBlockSize> block)
{
    std::fill(block.begin(), block.end(), std::uint8_t{0});
    // A macro without event lines leaves its block zero, loop count included.
    if (macro.itemCount <= 0)
        return 0;

    std::int64_t loops = macro.macroLoopTimes;
    if (loops < 1 || loops > 0xFFFF || macro.loopTimeSelStatus == 0)
        loops = 1;
    block[kLoopCountHigh] = static_cast<std::uint8_t>(loops >> 8);
    block[kLoopCountLow] = static_cast<std::uint8_t>(loops & 0xFF);

    std::size_t position = kFirstStep;
    for (std::size_t i = 0; i < macro.items.size(); ++i) {
        const EventLine event = ParseEventLine(macro.items[i]);
        if (event.kind == EventKind::kNone)
            continue;
        std::string_view delayText = i + 1 < macro.items.size() ? std::string_view(macro.items[i + 1]) : "";
        if (macro.delayTimeSelStatus == 0 && delayText.find(kDelayUnit) == std::string_view::npos)
            delayText = kDefaultDelayText;
        const MacroSteps steps =
            StepsFor(event.kind == EventKind::kRelease, DelayFromText(delayText), MacroKeyCodeFromName(event.keyName));
        if (position + steps.size > block.size()) {
            // The events from here on do not fit: the macro is cut after the last whole one.
            std::size_t leftOut = 0;
            for (std::size_t j = i; j < macro.items.size(); ++j)
                leftOut += ParseEventLine(macro.items[j]).kind != EventKind::kNone ? 1 : 0;
            return leftOut;
        }
        std::copy_n(steps.bytes.begin(), steps.size, block.begin() + static_cast<std::ptrdiff_t>(position));
        position += steps.size;
    }
    return 0;
}

MacroAreaEncoding EncodeMacroArea(platform::IniStore& store, const std::string& macroFilePath)
{
    MacroAreaEncoding result;
    const std::vector<std::string> names = ReadMacroNames(store, macroFilePath);
    const std::size_t encoded = std::min(names.size(), settings::kMacroCount);
    result.macrosLeftOut = names.size() - encoded;
    for (std::size_t m = 0; m < encoded; ++m) {
        const MacroRecord macro = ReadMacro(store, macroFilePath, names[m]);
        const std::span<std::uint8_t, settings::kMacroBlockSize> block(
            result.area.data() + m * settings::kMacroBlockSize, settings::kMacroBlockSize);
        if (const std::size_t leftOut = EncodeMacroBlock(macro, block))
            result.cuts.push_back(MacroCut{m, names[m], leftOut});
    }
    return result;
}

}  // namespace zalvane::assign
