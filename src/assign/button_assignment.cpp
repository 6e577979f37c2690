#include "assign/button_assignment.h"

#include <utility>

#include "assign/key_codes.h"

namespace zalvane::assign {
namespace {

using settings::ProfileRecord;

constexpr std::string_view kCaptionSeparator = "-";
constexpr std::string_view kComboJoiner = "+";

std::string DialogCaption(ActionType type, language::Language language)
{
    return std::string(FunctionText(type, language)) + std::string(kCaptionSeparator);
}

}  // namespace

std::size_t SecondListField(SecondList list)
{
    switch (list) {
        case SecondList::kMultimedia:
            return ProfileRecord::kConsumerCode;
        case SecondList::kHotKey:
            return ProfileRecord::kHotKeyLetter;
        case SecondList::kWindowsCommand:
            return ProfileRecord::kWindowsCommand;
        case SecondList::kDpi:
            break;
    }
    return ProfileRecord::kDpiFunction;
}

void ApplyAssignment(const Assignment& assignment, std::size_t button, ProfileRecord& record,
                     settings::ButtonCaptions& captions)
{
    if (button >= settings::kButtonCount) {
        return;
    }
    record.Button(ProfileRecord::kActionType, button) = static_cast<std::uint8_t>(assignment.type);
    for (const ButtonField& parameter : assignment.parameters) {
        record.Button(parameter.field, button) = parameter.value;
    }
    captions[button] = assignment.caption;
}

bool IsLastLeftClick(const ProfileRecord& record, std::size_t button)
{
    if (button >= settings::kButtonCount) {
        return false;
    }
    const auto clicks = [&](std::size_t b) {
        return record.Button(ProfileRecord::kActionType, b) == static_cast<std::uint8_t>(ActionType::kClick);
    };
    std::size_t clicking = 0;
    for (std::size_t b = 0; b < settings::kButtonCount; ++b) {
        clicking += clicks(b) ? 1 : 0;
    }
    return clicks(button) && clicking == 1;
}

FunctionOutcome FunctionOutcomeOf(int selection)
{
    if (selection < 0 || selection >= static_cast<int>(kFunctionCount)) {
        return FunctionOutcome::kNothing;
    }
    const auto type = static_cast<ActionType>(selection);
    if (SecondListOf(type)) {
        return FunctionOutcome::kNothing;
    }
    switch (type) {
        case ActionType::kSingleKey:
            return FunctionOutcome::kSingleKeyDialog;
        case ActionType::kComboKey:
            return FunctionOutcome::kComboKeyDialog;
        case ActionType::kMacroKey:
            return FunctionOutcome::kMacroKeyDialog;
        default:
            return FunctionOutcome::kStore;
    }
}

std::optional<Assignment> DirectAssignment(int selection, language::Language language)
{
    if (FunctionOutcomeOf(selection) != FunctionOutcome::kStore) {
        return std::nullopt;
    }
    const auto type = static_cast<ActionType>(selection);
    return Assignment{type, {}, std::string(FunctionText(type, language))};
}

std::optional<Assignment> SecondListAssignment(SecondList list, int selection, language::Language language)
{
    const auto entries = SecondListEntries(list);
    if (selection < 0 || static_cast<std::size_t>(selection) >= entries.size()) {
        return std::nullopt;
    }
    const SecondListEntry& entry = entries[static_cast<std::size_t>(selection)];
    return Assignment{
        ActionTypeOf(list), {{SecondListField(list), entry.value}}, std::string(EntryText(entry, language))};
}

Assignment SingleKeyAssignment(const CapturedKey& key, language::Language language)
{
    return Assignment{ActionType::kSingleKey,
                      {{ProfileRecord::kSingleKey, key.code}},
                      DialogCaption(ActionType::kSingleKey, language) + key.name};
}

Assignment ComboKeyAssignment(std::string_view modifierName, const CapturedKey& key1, const CapturedKey& key2,
                              language::Language language)
{
    const std::uint8_t modifier = ModifierBitFromName(modifierName);
    std::vector<std::string_view> parts;
    if (modifier != 0) {
        parts.push_back(modifierName);
    }
    for (const CapturedKey* key : {&key1, &key2}) {
        if (!key->name.empty()) {
            parts.push_back(key->name);
        }
    }
    std::string caption = DialogCaption(ActionType::kComboKey, language);
    for (std::size_t i = 0; i < parts.size(); ++i) {
        caption.append(i == 0 ? "" : kComboJoiner).append(parts[i]);
    }
    return Assignment{ActionType::kComboKey,
                      {{ProfileRecord::kComboModifiers, modifier},
                       {ProfileRecord::kComboKey1, key1.code},
                       {ProfileRecord::kComboKey2, key2.code}},
                      std::move(caption)};
}

Assignment MacroKeyAssignment(std::size_t macroIndex, std::uint8_t repeatMode, std::string_view macroName,
                              language::Language language)
{
    return Assignment{ActionType::kMacroKey,
                      {{ProfileRecord::kMacroNumber, static_cast<std::uint8_t>(macroIndex)},
                       {ProfileRecord::kMacroRepeatMode, repeatMode}},
                      DialogCaption(ActionType::kMacroKey, language) + std::string(macroName)};
}

}  // namespace zalvane::assign
