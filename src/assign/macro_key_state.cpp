#include "assign/macro_key_state.h"

#include <utility>

#include "assign/key_dialog_layout.h"

namespace zalvane::assign {

MacroKeyState::MacroKeyState(std::vector<std::string> macroNames) : m_offered(std::move(macroNames))
{
    if (m_offered.size() > kMaxOffered) {
        m_offered.resize(kMaxOffered);
    }
}

DialogEnd MacroKeyState::Click(ui::Point point)
{
    if (const DialogEnd end = DialogEndAt(point); end != DialogEnd::kNone) {
        return end;
    }
    for (int mode = 0; mode < kMacroRepeatModeCount; ++mode) {
        if (MacroModeTick(mode).Contains(point)) {
            m_mode = static_cast<std::uint8_t>(mode);
        }
    }
    m_listOpen = kMacroKeyArea.Contains(point) && !m_listOpen;
    return DialogEnd::kNone;
}

void MacroKeyState::ChooseMacro(int index)
{
    if (!m_listOpen) {
        return;
    }
    if (index < 0 || static_cast<std::size_t>(index) >= m_offered.size()) {
        m_index.reset();
        return;
    }
    m_index = static_cast<std::size_t>(index);
    m_listOpen = false;
}

std::string_view MacroKeyState::MacroName() const { return m_index ? std::string_view(m_offered[*m_index]) : ""; }

std::optional<Assignment> MacroKeyState::Result(language::Language language) const
{
    if (!m_index) {
        return std::nullopt;
    }
    return MacroKeyAssignment(*m_index, m_mode, m_offered[*m_index], language);
}

}  // namespace zalvane::assign
