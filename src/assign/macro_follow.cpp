#include "assign/macro_follow.h"

#include <algorithm>
#include <array>

#include "assign/function_lists.h"

namespace zalvane::assign {

using settings::ProfileRecord;

void FollowMacros(ProfileRecord& record, settings::ButtonCaptions& captions, const MacroPositionMap& map,
                  language::Language language)
{
    constexpr auto kMacroKey = static_cast<std::uint8_t>(ActionType::kMacroKey);
    for (std::size_t button = 0; button < settings::kButtonCount; ++button) {
        if (record.Button(ProfileRecord::kActionType, button) != kMacroKey) {
            continue;
        }
        const std::size_t oldPosition = record.Button(ProfileRecord::kMacroNumber, button);
        if (oldPosition >= map.newPosition.size()) {
            continue;
        }
        const std::optional<std::size_t> newPosition = map.newPosition[oldPosition];
        // The macro number is one byte: a macro beyond it cannot be played either.
        if (!newPosition || *newPosition > 0xFF || *newPosition >= map.newNames.size()) {
            record.Button(ProfileRecord::kActionType, button) = static_cast<std::uint8_t>(ActionType::kButtonOff);
            captions[button] = std::string(FunctionText(ActionType::kButtonOff, language));
            continue;
        }
        const std::string& name = map.newNames[*newPosition];
        if (*newPosition == oldPosition && oldPosition < map.oldNames.size() && map.oldNames[oldPosition] == name) {
            continue;
        }
        record.Button(ProfileRecord::kMacroNumber, button) = static_cast<std::uint8_t>(*newPosition);
        captions[button] = std::string(FunctionText(ActionType::kMacroKey, language)) + "-" + name;
    }
}

void RemapMacroArea(std::span<std::uint8_t, settings::kMacroAreaSize> area, const MacroPositionMap& map)
{
    // Blocks past the macros the manager knew about stay where they are; the places of
    // its macros hold what moved there, or zero.
    const std::size_t known = std::min(map.newPosition.size(), settings::kMacroCount);
    std::array<std::uint8_t, settings::kMacroAreaSize> moved{};
    const auto blockAt = [](auto& bytes, std::size_t m) {
        return bytes.begin() + static_cast<std::ptrdiff_t>(m * settings::kMacroBlockSize);
    };
    std::copy(blockAt(area, known), area.end(), blockAt(moved, known));
    for (std::size_t from = 0; from < known; ++from) {
        const std::optional<std::size_t> to = map.newPosition[from];
        if (to && *to < settings::kMacroCount) {
            std::copy_n(blockAt(area, from), settings::kMacroBlockSize, blockAt(moved, *to));
        }
    }
    std::copy(moved.begin(), moved.end(), area.begin());
}

}  // namespace zalvane::assign
