#pragma once
// The macro manager without its window: the list of macros in the macro file, the
// selected macro's event lines, options and loop count, recording, line editing, the
// two in-place editors, and what the manager hands back when it ends. Every change is
// written to the macro file at once, where the macro's section stands, so the file's
// order is always the list's order. The dialog turns clicks and keys into these calls
// and shows what the getters say; it refreshes everything after each call.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "assign/key_name_map.h"
#include "assign/macro_encoding.h"
#include "assign/macro_follow.h"
#include "assign/macro_recorder.h"
#include "language/language.h"
#include "platform/ini_store.h"
#include "settings/profile_record.h"
#include "settings/text_settings.h"

namespace zalvane::assign {

// 64 events and the 63 delays between them.
inline constexpr std::size_t kMaxEventLines = 127;
// The loop-times field takes this many digits; its value is 1-65535.
inline constexpr std::size_t kMaxLoopDigits = 5;
inline constexpr std::int64_t kMaxLoopTimes = 0xFFFF;

// The controls of the dialog. While recording only the record button, OK, Cancel and
// the close area act (Ctrl+Break comes through the recorder).
enum class ManagerControl {
    kRecordButton,
    kOk,
    kCancel,
    kClose,
    kNew,
    kDelete,
    kMacroList,
    kEventList,  // selection, double click, context menu
    kDelayOption,
    kLoopOption,
    kLoopField,
};

enum class MouseButtonLine { kLeft, kMiddle, kRight };

enum class NewMacroResult {
    kCreated,
    kLimitReached,  // 19 macros already: show the limit message
    kRefused,       // recording
    kWriteFailed,   // the macro file could not be written; nothing changed
};

enum class EnterKeyAction { kSwallow, kOk };

// What the dialog's pre-translation does with a key message.
enum class KeyMessageAction {
    kPass,
    kSwallow,
    kOk,  // end the dialog as the OK area does
};

enum class EditorKind { kName, kDelay };

// The in-place editor to lay over a line: of the macro list (a name) or of the event
// list (a delay). There is at most one.
struct LineEditor {
    EditorKind kind;
    std::size_t line;
};

struct MacroManagerOutcome {
    bool ok = false;
    MacroAreaEncoding encoding;  // on OK: the macro area, the cuts and macros left out
    MacroPositionMap positions;
};

class MacroManager {
public:
    // Reads the macro list of the file at `macroFilePath` (a missing file is an empty
    // list) and selects the first macro. `nameStem` is the UI language's "Macro".
    MacroManager(platform::IniStore& store, std::string macroFilePath, std::string nameStem);

    // --- what the dialog shows
    std::size_t MacroCount() const { return m_macros.size(); }
    const std::string& MacroName(std::size_t index) const { return m_macros.at(index).name; }
    std::optional<std::size_t> Selected() const { return m_selected; }
    const std::vector<std::string>& EventLines() const { return m_lines; }
    std::optional<std::size_t> EventSelection() const { return m_eventSelection; }
    bool RecordDelays() const { return m_recordDelays; }
    bool LoopOption() const { return m_loopOption; }
    const std::string& LoopText() const { return m_loopText; }
    bool LoopFieldEnabled() const { return m_loopOption && !IsRecording(); }
    bool IsRecording() const { return m_recorder.IsRecording(); }
    std::optional<LineEditor> Editor() const { return m_editor; }
    // A write to the macro file failed and the selected macro is not saved yet; the next
    // change or OK tries again.
    bool SaveFailed() const { return m_saveFailed; }

    // Whether a click or notice of `control` may act now.
    bool Acts(ManagerControl control) const;
    // An Enter key-down the dialog sees (not the editor's): OK once a recording has been
    // stopped in this dialog and none is running, swallowed otherwise.
    EnterKeyAction OnEnterKey() const;
    // A key message (WM_KEYDOWN, WM_KEYUP, WM_SYSKEYDOWN, WM_SYSKEYUP; others pass) before
    // the dialog sees it: the Windows keys' messages and the key-downs of Esc and Break
    // are swallowed, an Enter key-down goes by OnEnterKey().
    KeyMessageAction OnKeyMessage(std::uint32_t message, std::uint64_t virtualKey) const;
    // True once after a write to the macro file failed (the first of a run of failures),
    // so that the user is told; false again until a write has worked and another fails.
    bool TakeWriteFailure();

    // --- the macro list
    // Shows the macro's lines and options; closes a name editor without renaming.
    bool Select(std::optional<std::size_t> index);
    NewMacroResult New();
    // Deletes the selected macro's section; nothing is selected afterwards.
    bool DeleteSelected();
    // A double click on a macro line: true when the name editor is to open on it (the
    // second double click on the same line).
    bool OnMacroDoubleClick(std::size_t index);

    // --- options and loop count, written for the selected macro at once
    bool ToggleRecordDelays();
    bool ToggleLoop();
    // The field's text changed to `typed`; returns the text it should hold. A value
    // outside 1-65535 (more than five digits, 0, empty) becomes "1".
    std::string SetLoopText(std::string_view typed);

    // --- the event list ("MacroList" context menu and notices)
    // A selection or double click notice (nothing: no selection). True when the delay
    // editor is to open: a second notice on the same delay line (a notice on a delay
    // line remembers it; edits of the list forget it).
    bool OnEventLineNotice(std::optional<std::size_t> index);
    bool DeleteEventLine();
    bool InsertButton(MouseButtonLine button);
    bool InsertDelay();
    // Replaces the selected macro's lines as a whole, as an import does, with the
    // record-delays option they were made under, and saves the macro. False while
    // recording, without a selection, or for more than kMaxEventLines lines.
    bool ReplaceEventLines(std::vector<std::string> lines, bool recordDelays);

    // --- the in-place editor
    // Takes the editor's text: a valid new name renames the macro's section in place; a
    // delay "N ms" (blanks anywhere) with N all digits replaces the line, N at most
    // 6553500. Anything else keeps the old text. The editor is closed either way.
    bool CommitEditor(std::string_view text);
    // Renames macro `index` as committing the name editor on its line does.
    bool RenameMacro(std::size_t index, std::string_view typed);
    void CancelEditor() { m_editor.reset(); }

    // --- recording; the times are the system tick count in milliseconds
    // A macro is selected, nothing is being recorded or edited.
    bool CanRecord() const;
    // Call once the keyboard hook is in place: clears the event lines.
    bool StartRecording();
    // A key the hook saw. On kStopped the dialog removes the hook and restores its title;
    // the macro has been saved.
    RecordOutcome OnRecordedKey(const RecordedKey& key, std::uint32_t now);
    // The record button while recording, or any way out of the dialog: keys still down
    // get their releases and the macro is saved.
    bool StopRecording(std::uint32_t now);

    // Ends the manager (OK or Cancel/close): stops and saves a recording, drops an open
    // editor (commit it first to keep its text), and on OK encodes the whole file, looking
    // key names the key table does not know up in `reportedNames`. The file changes stay
    // either way.
    MacroManagerOutcome Finish(bool ok, std::uint32_t now, const KeyNameMap& reportedNames = {});

private:
    struct Entry {
        std::string name;
        std::optional<std::size_t> openedAt;  // place when the manager opened; none for new ones
    };

    void Load(const std::string& name);  // the macro's lines, loop count and options
    bool SaveSelected();
    bool CommitName(std::size_t line, std::string_view typed);
    bool CommitDelay(std::size_t line, std::string_view typed);
    void LinesChanged();
    std::vector<std::string> Names() const;
    bool NoteWrite(bool written);  // returns `written`

    platform::IniStore& m_store;
    std::string m_path;
    std::string m_nameStem;
    std::vector<Entry> m_macros;
    std::vector<std::string> m_openedNames;
    std::optional<std::size_t> m_selected;

    std::vector<std::string> m_lines;
    std::optional<std::size_t> m_eventSelection;
    bool m_recordDelays = false;
    bool m_loopOption = false;
    std::int64_t m_loopTimes = 1;
    std::string m_loopText = "1";

    MacroRecorder m_recorder;
    bool m_recordingStopped = false;  // Enter acts as OK from then on
    std::optional<std::size_t> m_rememberedDelayLine;
    std::optional<std::size_t> m_rememberedMacroLine;
    std::optional<LineEditor> m_editor;
    bool m_saveFailed = false;
    bool m_writeFailing = false;
    bool m_writeFailureUntold = false;
};

// Carries the manager's end into the profile record and the button captions: on OK the
// new macro area, on cancel the old one with its blocks moved along; either way every
// button follows its macro.
void ApplyMacroManagerOutcome(const MacroManagerOutcome& outcome, settings::ProfileRecord& record,
                              settings::ButtonCaptions& captions, language::Language language);

}  // namespace zalvane::assign
