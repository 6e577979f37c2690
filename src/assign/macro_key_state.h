#pragma once
// The macro key dialog as state: the macros it offers, the chosen one and the repeat
// mode. The window feeds in clicks and list notices, shows what the state holds, and on
// OK stores Result() when there is one.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "assign/button_assignment.h"
#include "assign/key_dialog_state.h"
#include "language/language.h"
#include "settings/profile_record.h"
#include "ui/rect.h"

namespace zalvane::assign {

class MacroKeyState {
public:
    // The mouse holds the first nineteen macros of the list, so only those are offered.
    static constexpr std::size_t kMaxOffered = settings::kMacroCount;

    // `macroNames`: every name of the macro file in file order (ReadMacroNames).
    explicit MacroKeyState(std::vector<std::string> macroNames);

    std::span<const std::string> Offered() const { return m_offered; }

    // A click: the macro area opens or closes the macro list, a click anywhere else
    // closes it; a tick box sets its repeat mode; OK, Cancel and close end the dialog.
    [[nodiscard]] DialogEnd Click(ui::Point point);

    // A selection notice of the macro list (`index` into Offered(), -1 for none): the
    // macro is chosen and the list closes. A notice without a valid selection leaves no
    // macro chosen and clears the name shown; the list stays open.
    void ChooseMacro(int index);

    bool MacroListOpen() const { return m_listOpen; }
    std::optional<std::size_t> MacroIndex() const { return m_index; }
    // Shown in the macro display; empty while no macro is chosen.
    std::string_view MacroName() const;
    // 0-2 (kMacroRepeatModeCount modes), 0 at start; the mouse takes it as it is.
    std::uint8_t RepeatMode() const { return m_mode; }

    // What OK stores; nothing while no macro is chosen (OK then changes nothing).
    std::optional<Assignment> Result(language::Language language) const;

private:
    std::vector<std::string> m_offered;
    bool m_listOpen = false;
    std::optional<std::size_t> m_index;
    std::uint8_t m_mode = 0;
};

}  // namespace zalvane::assign
