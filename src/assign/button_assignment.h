#pragma once
// What a choice in a button's function list, its second lists or one of the key dialogs
// stores: the action type, the parameter fields that type reads, and the caption of the
// button's row. The caption is what the choice produced; it is never rebuilt from the
// fields.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "assign/function_lists.h"
#include "assign/key_capture.h"
#include "language/language.h"
#include "settings/profile_record.h"
#include "settings/text_settings.h"

namespace zalvane::assign {

// One per-button field of the profile record (an offset of ProfileRecord's per-button
// arrays) and the value stored in it.
struct ButtonField {
    std::size_t field = 0;
    std::uint8_t value = 0;
    friend bool operator==(const ButtonField&, const ButtonField&) = default;
};

struct Assignment {
    ActionType type = ActionType::kClick;
    std::vector<ButtonField> parameters;  // the other fields keep their values
    std::string caption;
    friend bool operator==(const Assignment&, const Assignment&) = default;
};

// The per-button field a choice in `list` stores its value in.
std::size_t SecondListField(SecondList list);

// Stores `assignment` for `button` (0-18); a button outside that range is left alone.
void ApplyAssignment(const Assignment& assignment, std::size_t button, settings::ProfileRecord& record,
                     settings::ButtonCaptions& captions);

// True when `button` is the only button that clicks the left button: its function list
// does not open ("Left key must be selected!"), so the last left click cannot be given
// away. Every button makes this check, S8 included.
bool IsLastLeftClick(const settings::ProfileRecord& record, std::size_t button);

// What choosing an entry of a function list leads to.
enum class FunctionOutcome {
    kNothing,  // no valid entry, or an entry that only opens a second list: the list stays
    kStore,    // the entry is stored at once (DirectAssignment)
    kSingleKeyDialog,
    kComboKeyDialog,
    kMacroKeyDialog,
};

// `selection` is the list's selected entry, -1 when none.
FunctionOutcome FunctionOutcomeOf(int selection);

// The entries stored at once: the action type of the entry, captioned with its text.
std::optional<Assignment> DirectAssignment(int selection, language::Language language);

// Entry `selection` of a second list: action type 6-9, the entry's value in the list's
// field, captioned with the entry's text. Nothing for an invalid selection.
std::optional<Assignment> SecondListAssignment(SecondList list, int selection, language::Language language);

// "Single Key-" and the key's reported name; a key without code is stored as 0.
Assignment SingleKeyAssignment(const CapturedKey& key, language::Language language);

// "Combo Key-" and the parts that are set, joined by "+": the modifier's name, then the
// name of each captured key (a key without code is stored as 0 but keeps its name in the
// caption). `modifierName` is one of the modifier table's names, or empty for none.
Assignment ComboKeyAssignment(std::string_view modifierName, const CapturedKey& key1, const CapturedKey& key2,
                              language::Language language);

// "Macro Key-" and the macro's name; the macro's place in the macro list and the mode.
Assignment MacroKeyAssignment(std::size_t macroIndex, std::uint8_t repeatMode, std::string_view macroName,
                              language::Language language);

}  // namespace zalvane::assign
