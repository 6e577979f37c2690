#include "assign/key_dialog_state.h"

#include <utility>

#include "assign/key_codes.h"
#include "assign/key_dialog_layout.h"

namespace zalvane::assign {

DialogEnd DialogEndAt(ui::Point point)
{
    if (kKeyDialogOk.Contains(point)) {
        return DialogEnd::kOk;
    }
    if (kKeyDialogCancel.Contains(point) || kKeyDialogClose.Contains(point)) {
        return DialogEnd::kCancel;
    }
    return DialogEnd::kNone;
}

DialogEnd ComboKeyState::Click(ui::Point point)
{
    if (const DialogEnd end = DialogEndAt(point); end != DialogEnd::kNone) {
        return end;
    }
    m_listOpen = kComboModifierArea.Contains(point) && !m_listOpen;
    return DialogEnd::kNone;
}

void ComboKeyState::ChooseModifier(int index)
{
    const auto modifiers = ModifierTable();
    if (!m_listOpen || index < 0 || static_cast<std::size_t>(index) >= modifiers.size()) {
        return;
    }
    m_modifier = modifiers[static_cast<std::size_t>(index)].name;
    m_listOpen = false;
}

void ComboKeyState::OnKeyDown(Field focus, CapturedKey key)
{
    if (m_listOpen || focus == Field::kNone) {
        return;
    }
    (focus == Field::kKey1 ? m_key1 : m_key2) = std::move(key);
}

Assignment ComboKeyState::Result(language::Language language) const
{
    return ComboKeyAssignment(m_modifier, m_key1, m_key2, language);
}

}  // namespace zalvane::assign
