#include "cli/function_names.h"

#include <algorithm>
#include <array>

#include "assign/function_lists.h"
#include "assign/key_codes.h"
#include "assign/macro_key_state.h"
#include "cli/command_table.h"
#include "platform/ini_document.h"

namespace zalvane::cli {
namespace {

using assign::ActionType;
using settings::ProfileRecord;

constexpr std::size_t kFrontButtons = 7;
constexpr std::string_view kKeyPrefix = "key:";
constexpr std::string_view kComboPrefix = "combo:";
constexpr std::string_view kMacroPrefix = "macro:";
// "Button Off" is plain "off" to a command line.
constexpr std::string_view kOffName = "off";
constexpr std::array<std::string_view, 3> kRepeatModes{"count", "until-key", "while-held"};

char LowerChar(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

std::string Lower(std::string_view text)
{
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(), LowerChar);
    return lower;
}

// How a command line spells an entry's text: lower case, words joined by "-", and a
// lone "+" or "-" joined to the word before it ("DPI +" is "dpi+", "Play/Pause" is
// "play-pause").
std::string Slug(std::string_view text)
{
    std::string slug;
    std::string word;
    const auto endWord = [&] {
        if (word.empty()) {
            return;
        }
        if (!slug.empty() && word != "+" && word != "-") {
            slug += '-';
        }
        slug += word;
        word.clear();
    };
    for (const char c : text) {
        if (c == ' ' || c == '/') {
            endWord();
        } else {
            word += LowerChar(c);
        }
    }
    endWord();
    return slug;
}

// Key and modifier names compare without regard to case, a blank standing for "-".
std::string KeyText(std::string_view text)
{
    std::string key = Lower(text);
    std::replace(key.begin(), key.end(), ' ', '-');
    return key;
}

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && text.front() == ' ') {
        text.remove_prefix(1);
    }
    while (!text.empty() && text.back() == ' ') {
        text.remove_suffix(1);
    }
    return text;
}

struct FixedFunction {
    std::string name;
    std::string text;
    std::string group;
    std::optional<assign::SecondList> list;
    int selection = 0;  // in the function list, or in `list`
};

std::vector<FixedFunction> BuildFixedFunctions()
{
    std::vector<FixedFunction> functions;
    for (int entry = 0; entry < static_cast<int>(assign::kFunctionCount); ++entry) {
        const auto type = static_cast<ActionType>(entry);
        const std::string text(assign::FunctionText(type, language::Language::kEnglish));
        if (assign::FunctionOutcomeOf(entry) == assign::FunctionOutcome::kStore) {
            functions.push_back(
                {type == ActionType::kButtonOff ? std::string(kOffName) : Slug(text), text, {}, {}, entry});
            continue;
        }
        const auto list = assign::SecondListOf(type);
        if (!list) {
            continue;
        }
        const auto entries = assign::SecondListEntries(*list);
        for (std::size_t i = 0; i < entries.size(); ++i) {
            const std::string entryText(assign::EntryText(entries[i], language::Language::kEnglish));
            functions.push_back({Slug(entryText), entryText, text, list, static_cast<int>(i)});
        }
    }
    return functions;
}

// The table is constant: built at the first use, not once per button a summary names.
const std::vector<FixedFunction>& FixedFunctions()
{
    static const std::vector<FixedFunction> functions = BuildFixedFunctions();
    return functions;
}

std::optional<std::string_view> ModifierFromText(std::string_view text)
{
    // The left keys by their short names, as shortcuts are written.
    constexpr std::array<std::pair<std::string_view, std::uint8_t>, 6> kShort{
        {{"ctrl", 0x01}, {"control", 0x01}, {"shift", 0x02}, {"alt", 0x04}, {"win", 0x08}, {"super", 0x08}}};
    const std::string wanted = KeyText(Trimmed(text));
    const auto shortName = std::ranges::find(kShort, wanted, [](const auto& row) { return row.first; });
    if (shortName != kShort.end()) {
        return assign::ModifierNameFromBit(shortName->second);
    }
    const auto rows = assign::ModifierTable();
    const auto row = std::ranges::find_if(rows, [&](const auto& r) { return KeyText(r.name) == wanted; });
    return row != rows.end() ? std::optional(row->name) : std::nullopt;
}

Refusal UnknownKey(std::string_view key, std::string_view in)
{
    return {kExitBadInput, std::string(in) + ": refused: no key \"" + std::string(key) +
                               "\" (zalvane-cli functions lists the key names)"};
}

std::expected<assign::Assignment, Refusal> ParseCombo(std::string_view function, std::string_view parts,
                                                      language::Language language)
{
    // "+" splits the parts; "Num +" is the one key with a "+" in its name.
    std::vector<std::string> tokens;
    std::string_view rest = parts;
    while (true) {
        const std::size_t plus = rest.find('+');
        std::string token(Trimmed(rest.substr(0, plus)));
        const std::string key = KeyText(token);
        const bool numPlus = plus != std::string_view::npos && (key == "num" || key == "num-") &&
                             (plus + 1 == rest.size() || rest[plus + 1] == '+');
        tokens.push_back(numPlus ? "Num +" : token);
        const std::size_t next = numPlus ? plus + 2 : plus + 1;
        if (plus == std::string_view::npos || next > rest.size()) {
            break;
        }
        rest.remove_prefix(next);
    }
    if (tokens.size() == 1 && tokens.front().empty()) {
        return std::unexpected(Refusal{kExitBadInput, std::string(function) + ": refused: a combo needs a modifier "
                                                                              "or a key, e.g. combo:ctrl+shift+a"});
    }
    std::string_view modifier;
    std::size_t first = 0;
    if (const auto named = ModifierFromText(tokens.front())) {
        modifier = *named;
        first = 1;
    }
    if (tokens.size() - first > 2) {
        return std::unexpected(Refusal{kExitBadInput, std::string(function) +
                                                          ": refused: a combo holds one modifier and at most two "
                                                          "keys, as the combo key dialog does"});
    }
    std::array<assign::CapturedKey, 2> keys;
    for (std::size_t i = first; i < tokens.size(); ++i) {
        const auto name = KeyNameFromText(tokens[i]);
        if (!name) {
            return std::unexpected(UnknownKey(tokens[i], function));
        }
        keys[i - first] = {std::string(*name), assign::KeyCodeFromName(*name)};
    }
    return assign::ComboKeyAssignment(modifier, keys[0], keys[1], language);
}

std::optional<std::size_t> FindMacro(std::span<const std::string> names, std::string_view name)
{
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (platform::IniNamesEqual(names[i], name)) {
            return i;
        }
    }
    return std::nullopt;
}

std::expected<assign::Assignment, Refusal> ParseMacro(std::string_view function, std::string_view rest,
                                                      language::Language language,
                                                      std::span<const std::string> macroNames)
{
    std::string_view name = rest;
    std::uint8_t mode = 0;
    if (!FindMacro(macroNames, rest) && rest.rfind(':') != std::string_view::npos) {
        const std::size_t colon = rest.rfind(':');
        name = rest.substr(0, colon);
        const std::string modeText = Lower(rest.substr(colon + 1));
        const auto named = std::find(kRepeatModes.begin(), kRepeatModes.end(), modeText);
        if (named != kRepeatModes.end()) {
            mode = static_cast<std::uint8_t>(named - kRepeatModes.begin());
        } else if (modeText.size() == 1 && modeText[0] >= '0' &&
                   modeText[0] < '0' + static_cast<int>(kRepeatModes.size())) {
            mode = static_cast<std::uint8_t>(modeText[0] - '0');
        } else {
            return std::unexpected(Refusal{kExitBadInput, std::string(function) + ": refused: the repeat mode is " +
                                                              std::string(kRepeatModes[0]) + ", " +
                                                              std::string(kRepeatModes[1]) + " or " +
                                                              std::string(kRepeatModes[2]) + " (or 0 to 2)"});
        }
    }
    const auto index = FindMacro(macroNames, name);
    if (!index) {
        return std::unexpected(Refusal{kExitBadInput, std::string(function) + ": refused: no macro \"" +
                                                          std::string(name) + "\" (zalvane-cli macro list)"});
    }
    if (*index >= assign::MacroKeyState::kMaxOffered) {
        return std::unexpected(Refusal{kExitBadInput, std::string(function) + ": refused: \"" + macroNames[*index] +
                                                          "\" is macro " + std::to_string(*index + 1) +
                                                          "; the mouse holds the first " +
                                                          std::to_string(assign::MacroKeyState::kMaxOffered)});
    }
    return assign::MacroKeyAssignment(*index, mode, macroNames[*index], language);
}

}  // namespace

std::optional<std::size_t> ButtonFromName(std::string_view name)
{
    const bool side = !name.empty() && (name.front() == 'S' || name.front() == 's');
    const std::string_view digits = side ? name.substr(1) : name;
    if (digits.empty() || digits.size() > 2 || digits.front() == '0' ||
        !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return std::nullopt;
    }
    const std::size_t number = std::stoul(std::string(digits));
    const std::size_t count = side ? settings::kButtonCount - kFrontButtons : kFrontButtons;
    if (number > count) {
        return std::nullopt;
    }
    return (side ? kFrontButtons : 0) + number - 1;
}

std::string ButtonName(std::size_t button)
{
    return button < kFrontButtons ? std::to_string(button + 1) : "S" + std::to_string(button - kFrontButtons + 1);
}

std::vector<FunctionHelp> FixedFunctionNames()
{
    const std::vector<FixedFunction>& functions = FixedFunctions();
    std::vector<FunctionHelp> names(functions.size());
    std::ranges::transform(functions, names.begin(), [](const FixedFunction& function) {
        return FunctionHelp{function.name, function.text, function.group};
    });
    return names;
}

std::span<const std::string_view> RepeatModeNames() { return kRepeatModes; }

std::string CommandLineKeyName(std::string_view name) { return KeyText(name); }

std::optional<std::string_view> KeyNameFromText(std::string_view text)
{
    const std::string wanted = KeyText(Trimmed(text));
    const auto rows = assign::KeyNameTable();
    const auto row = std::ranges::find_if(rows, [&](const auto& r) { return KeyText(r.name) == wanted; });
    return row != rows.end() ? std::optional(row->name) : std::nullopt;
}

std::expected<assign::Assignment, Refusal> ParseFunction(std::string_view function, language::Language language,
                                                         std::span<const std::string> macroNames)
{
    const std::string lower = Lower(function);
    if (lower.starts_with(kKeyPrefix)) {
        const std::string_view key = function.substr(kKeyPrefix.size());
        const auto name = KeyNameFromText(key);
        if (!name) {
            return std::unexpected(UnknownKey(key, function));
        }
        return assign::SingleKeyAssignment({std::string(*name), assign::KeyCodeFromName(*name)}, language);
    }
    if (lower.starts_with(kComboPrefix)) {
        return ParseCombo(function, function.substr(kComboPrefix.size()), language);
    }
    if (lower.starts_with(kMacroPrefix)) {
        return ParseMacro(function, function.substr(kMacroPrefix.size()), language, macroNames);
    }

    const std::string slug = Slug(function);
    for (const auto& fixed : FixedFunctions()) {
        if (slug != fixed.name && slug != Slug(fixed.text)) {
            continue;
        }
        const auto assignment = fixed.list ? assign::SecondListAssignment(*fixed.list, fixed.selection, language)
                                           : assign::DirectAssignment(fixed.selection, language);
        if (assignment) {
            return *assignment;
        }
    }
    // An entry that only opens a list or a dialog says where to go on.
    for (int entry = 0; entry < static_cast<int>(assign::kFunctionCount); ++entry) {
        const auto type = static_cast<ActionType>(entry);
        if (slug != Slug(assign::FunctionText(type, language::Language::kEnglish))) {
            continue;
        }
        std::string hint;
        if (type == ActionType::kSingleKey) {
            hint = "key:KEY";
        } else if (type == ActionType::kComboKey) {
            hint = "combo:[MODIFIER+]KEY[+KEY]";
        } else if (type == ActionType::kMacroKey) {
            hint = "macro:NAME[:MODE]";
        } else if (const auto list = assign::SecondListOf(type)) {
            for (const auto& entryOfList : assign::SecondListEntries(*list)) {
                hint.append(hint.empty() ? "" : ", ")
                    .append(Slug(assign::EntryText(entryOfList, language::Language::kEnglish)));
            }
        }
        return std::unexpected(
            Refusal{kExitUsage, std::string(function) + " is a list of the window's; give one of: " + hint});
    }
    return std::unexpected(
        Refusal{kExitUsage, "no function " + std::string(function) + " (zalvane-cli functions lists them)"});
}

std::optional<std::string> FunctionNameOf(const ProfileRecord& record, std::size_t button,
                                          std::span<const std::string> macroNames)
{
    const std::uint8_t stored = record.Button(ProfileRecord::kActionType, button);
    if (stored >= assign::kFunctionCount) {
        return std::nullopt;
    }
    const auto type = static_cast<ActionType>(stored);
    if (assign::FunctionOutcomeOf(stored) == assign::FunctionOutcome::kStore) {
        const std::vector<FixedFunction>& functions = FixedFunctions();
        const auto fixed = std::ranges::find_if(
            functions, [&](const FixedFunction& function) { return !function.list && function.selection == stored; });
        return fixed != functions.end() ? std::optional(fixed->name) : std::nullopt;
    }
    const auto keyName = [](std::uint8_t code) -> std::optional<std::string> {
        const std::string_view name = assign::KeyNameFromCode(code);
        return name.empty() ? std::nullopt : std::optional<std::string>(KeyText(name));
    };
    switch (type) {
        case ActionType::kSingleKey: {
            const auto name = keyName(record.Button(ProfileRecord::kSingleKey, button));
            return name ? std::optional<std::string>(std::string(kKeyPrefix) + *name) : std::nullopt;
        }
        case ActionType::kComboKey: {
            std::vector<std::string> parts;
            const std::uint8_t modifiers = record.Button(ProfileRecord::kComboModifiers, button);
            if (modifiers != 0) {
                const std::string_view modifier = assign::ModifierNameFromBit(modifiers);
                if (modifier.empty()) {
                    return std::nullopt;  // several modifiers: no dialog makes that
                }
                parts.push_back(KeyText(modifier));
            }
            const std::uint8_t key1 = record.Button(ProfileRecord::kComboKey1, button);
            const std::uint8_t key2 = record.Button(ProfileRecord::kComboKey2, button);
            if (key1 == assign::kNoKey && key2 != assign::kNoKey) {
                return std::nullopt;
            }
            for (const std::uint8_t key : {key1, key2}) {
                if (key == assign::kNoKey) {
                    continue;
                }
                const auto name = keyName(key);
                if (!name) {
                    return std::nullopt;
                }
                parts.push_back(*name);
            }
            if (parts.empty()) {
                return std::nullopt;
            }
            std::string name(kComboPrefix);
            for (std::size_t i = 0; i < parts.size(); ++i) {
                name.append(i == 0 ? "" : "+").append(parts[i]);
            }
            return name;
        }
        case ActionType::kMacroKey: {
            const std::size_t macro = record.Button(ProfileRecord::kMacroNumber, button);
            const std::uint8_t mode = record.Button(ProfileRecord::kMacroRepeatMode, button);
            if (macro >= macroNames.size() || mode >= kRepeatModes.size()) {
                return std::nullopt;
            }
            return std::string(kMacroPrefix) + macroNames[macro] + ":" + std::string(kRepeatModes[mode]);
        }
        default:
            break;
    }
    const auto list = assign::SecondListOf(type);
    if (!list) {
        return std::nullopt;
    }
    const std::size_t field = assign::SecondListField(*list);
    const auto entries = assign::SecondListEntries(*list);
    const auto entry = std::ranges::find(entries, record.Button(field, button), &assign::SecondListEntry::value);
    return entry != entries.end() ? std::optional(Slug(assign::EntryText(*entry, language::Language::kEnglish)))
                                  : std::nullopt;
}

}  // namespace zalvane::cli
