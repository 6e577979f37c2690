#pragma once
// The single key and combo key dialogs as state: the window feeds in clicks and the keys
// its hook captured, shows what the state holds, and on OK stores Result(). Both dialogs
// share their frame (close, OK and Cancel areas, key_dialog_layout.h).

#include <optional>
#include <string_view>
#include <utility>

#include "assign/button_assignment.h"
#include "assign/key_capture.h"
#include "language/language.h"
#include "ui/rect.h"

namespace zalvane::assign {

enum class DialogEnd { kNone, kOk, kCancel };

// OK and Cancel areas end the dialog, the close area cancels it.
DialogEnd DialogEndAt(ui::Point point);

class SingleKeyState {
public:
    // The last key pressed is the dialog's key, Enter, Esc and Tab included.
    void OnKeyDown(CapturedKey key) { m_key = std::move(key); }

    // Shown in the key display.
    const CapturedKey& Key() const { return m_key; }

    // OK without a key stores code 0, captioned "Single Key-".
    Assignment Result(language::Language language) const { return SingleKeyAssignment(m_key, language); }

private:
    CapturedKey m_key;
};

class ComboKeyState {
public:
    enum class Field { kNone, kKey1, kKey2 };

    // A click: the modifier area opens or closes the modifier list (the key fields are
    // disabled while it is open), a click anywhere else closes it; OK, Cancel and close
    // end the dialog.
    [[nodiscard]] DialogEnd Click(ui::Point point);

    // A selection notice of the modifier list (`index` in ModifierTable() order, -1 for
    // none): a modifier is chosen and the list closes. An invalid one changes nothing.
    void ChooseModifier(int index);

    // A key captured while `focus` had the focus: it goes to that key field. Nothing
    // changes while the list is open or no key field has the focus.
    void OnKeyDown(Field focus, CapturedKey key);

    bool ModifierListOpen() const { return m_listOpen; }
    bool KeyFieldsEnabled() const { return !m_listOpen; }
    // Empty until a modifier is chosen; only Cancel goes back to none.
    std::string_view ModifierName() const { return m_modifier; }
    const CapturedKey& Key1() const { return m_key1; }
    const CapturedKey& Key2() const { return m_key2; }

    Assignment Result(language::Language language) const;

private:
    bool m_listOpen = false;
    std::string_view m_modifier;
    CapturedKey m_key1;
    CapturedKey m_key2;
};

}  // namespace zalvane::assign
