#include "assign/macro_manager.h"

#include <algorithm>
#include <iterator>
#include <utility>

#include "assign/key_capture.h"
#include "assign/key_codes.h"
#include "assign/macro_file.h"
#include "assign/macro_names.h"
#include "platform/ini_document.h"
#include "platform/text_parsing.h"

namespace zalvane::assign {
namespace {

bool IsDelayLine(std::string_view line) { return ParseEventLine(line).kind == EventKind::kNone; }

std::string_view ButtonName(MouseButtonLine button)
{
    switch (button) {
        case MouseButtonLine::kLeft:
            return KeyNameFromCode(kLeftMouseButtonKey);
        case MouseButtonLine::kMiddle:
            return KeyNameFromCode(kMiddleMouseButtonKey);
        case MouseButtonLine::kRight:
            return KeyNameFromCode(kRightMouseButtonKey);
    }
    return {};
}

// A typed delay: "ms" somewhere, and nothing but digits once blanks and "ms" are gone.
std::optional<std::int64_t> TypedDelay(std::string_view typed)
{
    if (typed.find(kDelayUnit) == std::string_view::npos) {
        return std::nullopt;
    }
    std::string number;
    std::copy_if(typed.begin(), typed.end(), std::back_inserter(number), [](char c) { return c != ' ' && c != '\t'; });
    for (std::size_t unit; (unit = number.find(kDelayUnit)) != std::string::npos;) {
        number.erase(unit, kDelayUnit.size());
    }
    if (number.empty() || !std::all_of(number.begin(), number.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return std::nullopt;
    }
    return std::min(platform::DecimalValue(number), kMaxMacroDelay);
}

}  // namespace

MacroManager::MacroManager(platform::IniStore& store, std::string macroFilePath, std::string nameStem)
    : m_store(store), m_path(std::move(macroFilePath)), m_nameStem(std::move(nameStem))
{
    m_openedNames = ReadMacroNames(m_store, m_path);
    for (std::size_t i = 0; i < m_openedNames.size(); ++i) {
        m_macros.push_back(Entry{m_openedNames[i], i});
    }
    if (!m_macros.empty()) {
        (void)Select(0);
    }
}

std::vector<std::string> MacroManager::Names() const
{
    std::vector<std::string> names(m_macros.size());
    std::transform(m_macros.begin(), m_macros.end(), names.begin(), [](const Entry& entry) { return entry.name; });
    return names;
}

bool MacroManager::Acts(ManagerControl control) const
{
    if (!IsRecording()) {
        return true;
    }
    return control == ManagerControl::kRecordButton || control == ManagerControl::kOk ||
           control == ManagerControl::kCancel || control == ManagerControl::kClose;
}

EnterKeyAction MacroManager::OnEnterKey() const
{
    return m_recordingStopped && !IsRecording() ? EnterKeyAction::kOk : EnterKeyAction::kSwallow;
}

KeyMessageAction MacroManager::OnKeyMessage(std::uint32_t message, std::uint64_t virtualKey) const
{
    const bool keyDown = message == kKeyDownMessage || message == kSysKeyDownMessage;
    if (!keyDown && message != kKeyUpMessage && message != kSysKeyUpMessage) {
        return KeyMessageAction::kPass;
    }
    if (virtualKey == kLeftWindowsKey || virtualKey == kRightWindowsKey) {
        return KeyMessageAction::kSwallow;
    }
    // Break (Ctrl+Break) is Escape to the dialog manager: it would end the dialog as
    // Cancel just when it stopped a recording.
    if (keyDown && (virtualKey == kEscapeKey || virtualKey == kBreakKey)) {
        return KeyMessageAction::kSwallow;
    }
    if (keyDown && virtualKey == kEnterKey) {
        return OnEnterKey() == EnterKeyAction::kOk ? KeyMessageAction::kOk : KeyMessageAction::kSwallow;
    }
    return KeyMessageAction::kPass;
}

bool MacroManager::NoteWrite(bool written)
{
    // Told once per run of failures: the first failed write after one that worked.
    if (!written && !m_writeFailing) {
        m_writeFailureUntold = true;
    }
    m_writeFailing = !written;
    return written;
}

bool MacroManager::TakeWriteFailure()
{
    const bool untold = m_writeFailureUntold;
    m_writeFailureUntold = false;
    return untold;
}

// --- the macro list ---------------------------------------------------------------------

void MacroManager::Load(const std::string& name)
{
    const MacroRecord macro = ReadMacro(m_store, m_path, name);
    m_lines = macro.items;
    m_loopTimes = macro.macroLoopTimes >= 1 && macro.macroLoopTimes <= kMaxLoopTimes ? macro.macroLoopTimes : 1;
    m_loopText = std::to_string(m_loopTimes);
    // Only 1 and 0 say something; any other value leaves the option as it was.
    if (macro.delayTimeSelStatus == 0 || macro.delayTimeSelStatus == 1) {
        m_recordDelays = macro.delayTimeSelStatus == 1;
    }
    if (macro.loopTimeSelStatus == 0 || macro.loopTimeSelStatus == 1) {
        m_loopOption = macro.loopTimeSelStatus == 1;
    }
}

bool MacroManager::SaveSelected()
{
    if (!m_selected) {
        return false;
    }
    const MacroRecord macro{m_macros[*m_selected].name,
                            m_recordDelays ? 1 : 0,
                            m_loopOption ? 1 : 0,
                            m_loopTimes,
                            static_cast<std::int64_t>(m_lines.size()),
                            m_lines,
                            true};
    m_saveFailed = !NoteWrite(WriteMacro(m_store, m_path, macro));
    return !m_saveFailed;
}

void MacroManager::LinesChanged()
{
    m_rememberedDelayLine.reset();
    if (m_editor && m_editor->kind == EditorKind::kDelay) {
        m_editor.reset();
    }
}

bool MacroManager::Select(std::optional<std::size_t> index)
{
    if (IsRecording() || (index && *index >= m_macros.size())) {
        return false;
    }
    // Leaving a macro whose last save failed: one more try before its lines are replaced.
    if (m_saveFailed && m_selected != index) {
        (void)SaveSelected();
    }
    m_editor.reset();
    m_selected = index;
    m_lines.clear();
    if (index) {
        Load(m_macros[*index].name);
    }
    m_eventSelection.reset();
    LinesChanged();
    return true;
}

NewMacroResult MacroManager::New()
{
    if (IsRecording()) {
        return NewMacroResult::kRefused;
    }
    if (m_macros.size() >= settings::kMacroCount) {
        return NewMacroResult::kLimitReached;
    }
    const std::vector<std::string> names = Names();
    // A section the list does not show (the file changed behind our back) is not free either.
    const std::string name = NextMacroName(names, m_nameStem, ReadMacroNames(m_store, m_path));
    // The loop count "1" makes the section, and the file when there is none.
    if (!NoteWrite(m_store.WriteString(m_path, name, kMacroLoopTimesKey, "1"))) {
        return NewMacroResult::kWriteFailed;
    }
    if (m_saveFailed) {
        (void)SaveSelected();
    }
    m_macros.push_back(Entry{name, std::nullopt});
    m_editor.reset();
    m_rememberedMacroLine.reset();
    m_selected = m_macros.size() - 1;
    m_lines.clear();
    m_eventSelection.reset();
    LinesChanged();
    m_loopTimes = 1;
    m_loopText = std::to_string(m_loopTimes);
    m_saveFailed = false;
    return NewMacroResult::kCreated;
}

bool MacroManager::DeleteSelected()
{
    if (IsRecording() || !m_selected) {
        return false;
    }
    if (!NoteWrite(m_store.DeleteSection(m_path, m_macros[*m_selected].name))) {
        return false;
    }
    // The list keeps following the file: a store may remove every section of that name
    // or only the first, so what remains decides which lines go.
    const std::vector<std::string> remaining = ReadMacroNames(m_store, m_path);
    std::vector<Entry> kept;
    for (Entry& entry : m_macros) {
        if (kept.size() < remaining.size() && remaining[kept.size()] == entry.name) {
            kept.push_back(std::move(entry));
        }
    }
    m_macros = std::move(kept);
    m_editor.reset();
    m_rememberedMacroLine.reset();
    m_selected.reset();
    m_lines.clear();
    m_eventSelection.reset();
    LinesChanged();
    m_saveFailed = false;
    return true;
}

bool MacroManager::OnMacroDoubleClick(std::size_t index)
{
    if (IsRecording() || m_editor || index >= m_macros.size()) {
        return false;
    }
    if (m_rememberedMacroLine != index) {
        m_rememberedMacroLine = index;
        return false;
    }
    m_rememberedMacroLine.reset();
    m_editor = LineEditor{EditorKind::kName, index};
    return true;
}

// --- options and loop count -------------------------------------------------------------

bool MacroManager::ToggleRecordDelays()
{
    if (IsRecording()) {
        return false;
    }
    m_recordDelays = !m_recordDelays;
    (void)SaveSelected();
    return true;
}

bool MacroManager::ToggleLoop()
{
    if (IsRecording()) {
        return false;
    }
    m_loopOption = !m_loopOption;
    (void)SaveSelected();
    return true;
}

std::string MacroManager::SetLoopText(std::string_view typed)
{
    if (IsRecording()) {
        return m_loopText;
    }
    // Saturating: a long run of digits is a large number, never a wrapped small one.
    const std::int64_t value = platform::DecimalValue(typed);
    const bool plainDigits = !typed.empty() && typed.size() <= kMaxLoopDigits &&
                             std::all_of(typed.begin(), typed.end(), [](char c) { return c >= '0' && c <= '9'; });
    const std::int64_t loops = value >= 1 && value <= kMaxLoopTimes ? value : 1;
    m_loopText = value == loops && plainDigits ? std::string(typed) : std::to_string(loops);
    if (loops != m_loopTimes) {
        m_loopTimes = loops;
        if (m_selected && !NoteWrite(m_store.WriteString(m_path, m_macros[*m_selected].name, kMacroLoopTimesKey,
                                                         std::to_string(loops)))) {
            m_saveFailed = true;
        }
    }
    return m_loopText;
}

// --- the event list ---------------------------------------------------------------------

bool MacroManager::OnEventLineNotice(std::optional<std::size_t> index)
{
    if (IsRecording() || m_editor) {
        return false;
    }
    m_eventSelection = index && *index < m_lines.size() ? index : std::nullopt;
    if (!m_eventSelection || !IsDelayLine(m_lines[*m_eventSelection])) {
        return false;
    }
    if (m_rememberedDelayLine != m_eventSelection) {
        m_rememberedDelayLine = m_eventSelection;
        return false;
    }
    m_rememberedDelayLine.reset();
    m_editor = LineEditor{EditorKind::kDelay, *m_eventSelection};
    return true;
}

bool MacroManager::DeleteEventLine()
{
    if (IsRecording() || !m_selected || !m_eventSelection) {
        return false;
    }
    m_lines.erase(m_lines.begin() + static_cast<std::ptrdiff_t>(*m_eventSelection));
    m_eventSelection.reset();
    LinesChanged();
    (void)SaveSelected();
    return true;
}

bool MacroManager::InsertButton(MouseButtonLine button)
{
    if (IsRecording() || !m_selected || m_lines.size() + 2 > kMaxEventLines) {
        return false;
    }
    std::size_t at = 0;
    if (m_eventSelection) {
        at = *m_eventSelection + 1;
    } else if (!m_lines.empty()) {
        return false;
    }
    const std::string_view name = ButtonName(button);
    m_lines.insert(std::next(m_lines.begin(), static_cast<std::ptrdiff_t>(at)), {PressLine(name), ReleaseLine(name)});
    if (m_eventSelection) {
        m_eventSelection = at;
    }
    LinesChanged();
    (void)SaveSelected();
    return true;
}

bool MacroManager::InsertDelay()
{
    if (IsRecording() || !m_selected || !m_eventSelection || *m_eventSelection == 0 ||
        m_lines.size() + 1 > kMaxEventLines) {
        return false;
    }
    const std::size_t at = *m_eventSelection;
    // Two delays in a row would mean nothing more than one.
    if (IsDelayLine(m_lines[at]) || IsDelayLine(m_lines[at - 1])) {
        return false;
    }
    m_lines.insert(m_lines.begin() + static_cast<std::ptrdiff_t>(at), std::string(kDefaultDelayText));
    LinesChanged();
    (void)SaveSelected();
    return true;
}

bool MacroManager::ReplaceEventLines(std::vector<std::string> lines, bool recordDelays)
{
    if (IsRecording() || !m_selected || lines.size() > kMaxEventLines) {
        return false;
    }
    m_editor.reset();
    m_lines = std::move(lines);
    m_recordDelays = recordDelays;
    m_eventSelection.reset();
    LinesChanged();
    return SaveSelected();
}

// --- the in-place editor ----------------------------------------------------------------

bool MacroManager::CommitEditor(std::string_view text)
{
    if (!m_editor) {
        return false;
    }
    const LineEditor editor = *m_editor;
    m_editor.reset();
    return editor.kind == EditorKind::kName ? CommitName(editor.line, text) : CommitDelay(editor.line, text);
}

bool MacroManager::RenameMacro(std::size_t index, std::string_view typed)
{
    if (IsRecording()) {
        return false;
    }
    m_editor.reset();
    return CommitName(index, typed);
}

bool MacroManager::CommitName(std::size_t line, std::string_view typed)
{
    if (line >= m_macros.size()) {
        return false;
    }
    std::string& current = m_macros[line].name;
    std::vector<std::string> others = Names();
    others.erase(others.begin() + static_cast<std::ptrdiff_t>(line));
    const MacroNameCheck check = CheckMacroName(typed, others);
    if (check.problem != MacroNameProblem::kNone || check.name == current) {
        return false;
    }
    // A second section of the same name (a hand-made file) cannot be told apart from
    // the first by the file's functions: renaming it would rename the first.
    for (std::size_t i = 0; i < line; ++i) {
        if (platform::IniNamesEqual(m_macros[i].name, current)) {
            return false;
        }
    }
    if (!NoteWrite(m_store.RenameSection(m_path, current, check.name))) {
        return false;
    }
    current = check.name;
    return true;
}

bool MacroManager::CommitDelay(std::size_t line, std::string_view typed)
{
    if (line >= m_lines.size() || !IsDelayLine(m_lines[line])) {
        return false;
    }
    const std::optional<std::int64_t> delay = TypedDelay(typed);
    if (!delay || DelayLine(*delay) == m_lines[line]) {
        return false;
    }
    m_lines[line] = DelayLine(*delay);
    (void)SaveSelected();
    return true;
}

// --- recording --------------------------------------------------------------------------

bool MacroManager::CanRecord() const { return m_selected && !IsRecording() && !m_editor; }

bool MacroManager::StartRecording()
{
    if (!CanRecord()) {
        return false;
    }
    m_lines.clear();
    m_eventSelection.reset();
    LinesChanged();
    m_recorder.Start(m_recordDelays);
    return true;
}

RecordOutcome MacroManager::OnRecordedKey(const RecordedKey& key, std::uint32_t now)
{
    const RecordOutcome outcome = m_recorder.OnKey(key, now, m_lines);
    if (outcome == RecordOutcome::kIgnored) {
        return outcome;
    }
    m_eventSelection = m_lines.empty() ? std::nullopt : std::optional<std::size_t>(m_lines.size() - 1);
    if (outcome == RecordOutcome::kStopped) {
        m_recordingStopped = true;
        (void)SaveSelected();
    }
    return outcome;
}

bool MacroManager::StopRecording(std::uint32_t now)
{
    if (!IsRecording()) {
        return false;
    }
    m_recorder.Stop(now, m_lines);
    m_eventSelection = m_lines.empty() ? std::nullopt : std::optional<std::size_t>(m_lines.size() - 1);
    m_recordingStopped = true;
    (void)SaveSelected();
    return true;
}

MacroManagerOutcome MacroManager::Finish(bool ok, std::uint32_t now, const KeyNameMap& reportedNames)
{
    (void)StopRecording(now);
    m_editor.reset();
    // Cancel keeps what was written too: a change whose save failed gets its last try.
    if (m_saveFailed) {
        (void)SaveSelected();
    }

    MacroManagerOutcome outcome;
    outcome.ok = ok;
    if (ok) {
        outcome.encoding = EncodeMacroArea(m_store, m_path, reportedNames);
    }
    outcome.positions.oldNames = m_openedNames;
    outcome.positions.newNames = Names();
    outcome.positions.newPosition.assign(m_openedNames.size(), std::nullopt);
    for (std::size_t place = 0; place < m_macros.size(); ++place) {
        if (const std::optional<std::size_t> opened = m_macros[place].openedAt) {
            outcome.positions.newPosition[*opened] = place;
        }
    }
    return outcome;
}

void ApplyMacroManagerOutcome(const MacroManagerOutcome& outcome, settings::ProfileRecord& record,
                              settings::ButtonCaptions& captions, language::Language language)
{
    if (outcome.ok) {
        std::copy(outcome.encoding.area.begin(), outcome.encoding.area.end(), record.MacroArea().begin());
    } else {
        RemapMacroArea(record.MacroArea(), outcome.positions);
    }
    FollowMacros(record, captions, outcome.positions, language);
}

}  // namespace zalvane::assign
