#include "assign/win/macro_program_dialog.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

#include "assign/macro_fit_warning.h"
#include "assign/macro_manager_texts.h"
#include "pages/macro_manager_painter.h"
#include "pages/skin_catalogue.h"
#include "platform/win/gdi_guards.h"
#include "platform/win/message_box.h"
#include "platform/win/wide_text.h"
#include "resource_ids.h"
#include "ui/font_choice.h"
#include "ui/hover_look.h"
#include "ui/win/fonts.h"
#include "ui/win/gdi_canvas.h"
#include "ui/win/mem_dc.h"
#include "ui/win/skin_image.h"

namespace zalvane::assign::win {
namespace {

using platform::win::Narrow;
using platform::win::Widen;
using ui::win::OnMessage;
using ui::win::OnRawMessage;

constexpr COLORREF kListColour = 0x6D6D6D;
constexpr COLORREF kFieldColour = 0x151822;
constexpr int kWheelLines = 3;
constexpr wchar_t kMacroListMenu[] = L"MacroList";

RECT ToRect(const Rect& rect) { return {rect.left, rect.top, rect.right, rect.bottom}; }

COLORREF TextColour(const ui::SkinState& skin)
{
    return RGB(skin.textColour.red, skin.textColour.green, skin.textColour.blue);
}

std::optional<std::size_t> SelectionOf(const ui::win::CControl& list)
{
    const LRESULT selected = ::SendMessageW(list.Hwnd(), LB_GETCURSEL, 0, 0);
    if (selected == LB_ERR) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(selected);
}

}  // namespace

CMacroProgramDialog::CMacroProgramDialog(const MacroManagerContext& context)
    : CDialog(IDD_MACRO_PROGRAM_DIALOG), m_context(context)
{
}

CMacroProgramDialog::~CMacroProgramDialog()
{
    // A dialog that goes without OK or Cancel still stops its recording and saves it.
    Finish(false);
}

std::span<const ui::win::MessageEntry> CMacroProgramDialog::Messages() const
{
    static constexpr ui::win::MessageEntry kTable[] = {
        OnMessage<WM_PAINT, &CMacroProgramDialog::OnPaint>(),
        OnMessage<WM_ERASEBKGND, &CMacroProgramDialog::OnEraseBackground>(),
        OnMessage<WM_CTLCOLORLISTBOX, &CMacroProgramDialog::OnCtlColorListBox>(),
        OnMessage<WM_CTLCOLOREDIT, &CMacroProgramDialog::OnCtlColorEdit>(),
        OnMessage<WM_CTLCOLORSTATIC, &CMacroProgramDialog::OnCtlColorStatic>(),
        OnMessage<WM_LBUTTONDOWN, &CMacroProgramDialog::OnLeftButtonDown>(),
        OnMessage<WM_MOUSEMOVE, &CMacroProgramDialog::OnMouseMove>(),
        OnMessage<WM_MOUSEHOVER, &CMacroProgramDialog::OnMouseHover>(),
        OnMessage<WM_MOUSELEAVE, &CMacroProgramDialog::OnMouseLeave>(),
        OnRawMessage<WM_CONTEXTMENU, &CMacroProgramDialog::OnContextMenu>(),
        OnMessage<WM_DESTROY, &CMacroProgramDialog::OnDestroy>(),
    };
    return kTable;
}

// --- opening -------------------------------------------------------------------------------

BOOL CMacroProgramDialog::OnInitDialog()
{
    const auto text = [this](MacroManagerText which) { return Widen(MacroManagerTextIn(which, m_context.language)); };
    ::SetWindowTextW(Hwnd(), text(MacroManagerText::kTitle).c_str());
    const std::wstring caption = Widen(kMacroManagerImageErrorCaption);
    m_background = ui::win::LoadDialogBackground(
        Hwnd(), Widen(m_context.skin.ImagePath(pages::kMacroManagerBackground)), caption.c_str());
    if (!m_background) {
        return TRUE;  // open, but without skin and controls: Cancel is all there is
    }
    CentreOverOwner();
    m_font = ui::win::CreateSkinFont(
        ui::ChooseFont(ui::FontUse::kMacroManager, m_context.language, ui::win::CurrentWindowsVersion()));
    m_listBrush.reset(::CreateSolidBrush(kListColour));
    m_fieldBrush.reset(::CreateSolidBrush(kFieldColour));
    m_manager.emplace(m_context.store, m_context.macroFilePath,
                      std::string(MacroManagerTextIn(MacroManagerText::kNameStem, m_context.language)));
    CreateControls();
    Refresh();
    return TRUE;
}

void CMacroProgramDialog::CentreOverOwner()
{
    const HWND owner = ::GetWindow(Hwnd(), GW_OWNER);
    RECT area{};
    if (owner == nullptr || !::GetWindowRect(owner, &area)) {
        ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    }
    RECT own{};
    ::GetWindowRect(Hwnd(), &own);
    const int width = own.right - own.left;
    const int height = own.bottom - own.top;
    const int left = area.left + ((area.right - area.left) - width) / 2;
    const int top = area.top + ((area.bottom - area.top) - height) / 2;
    ::SetWindowPos(Hwnd(), nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CMacroProgramDialog::CreateControls()
{
    const HWND window = Hwnd();
    const DWORD listStyle = WS_CHILD | WS_VISIBLE | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT;
    m_macroList.Create(L"ListBox", {.parent = window,
                                    .id = static_cast<UINT>(kMacroListId),
                                    .rect = ToRect(kMacroList),
                                    .style = listStyle | WS_TABSTOP});
    m_eventList.Create(L"ListBox", {.parent = window,
                                    .id = static_cast<UINT>(kEventListId),
                                    .rect = ToRect(kEventList),
                                    .style = listStyle | WS_VSCROLL | WS_TABSTOP});
    m_loopField.Create(L"Edit", {.parent = window,
                                 .id = static_cast<UINT>(kLoopTimesFieldId),
                                 .rect = ToRect(kLoopTimesField),
                                 .style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_CENTER | ES_NUMBER | ES_AUTOHSCROLL});
    for (const ui::win::CControl* control : {&m_macroList, &m_eventList, &m_loopField}) {
        ::SendMessageW(control->Hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(m_font.get()), FALSE);
    }
    // A fixed line height, whatever the font: tests and users find lines where they expect.
    for (const ui::win::CControl* list : {&m_macroList, &m_eventList}) {
        ::SendMessageW(list->Hwnd(), LB_SETITEMHEIGHT, 0, kManagerListItemHeight);
    }
    ::SendMessageW(m_loopField.Hwnd(), EM_LIMITTEXT, kMaxLoopDigits, 0);

    m_macroList.OnNotification(LBN_SELCHANGE, [this] { OnMacroSelectionChange(); });
    m_macroList.OnNotification(LBN_DBLCLK, [this] { OnMacroDoubleClick(); });
    m_eventList.OnNotification(LBN_SELCHANGE, [this] { OnEventNotice(); });
    m_eventList.OnNotification(LBN_DBLCLK, [this] { OnEventNotice(); });
    m_loopField.OnNotification(EN_CHANGE, [this] { OnLoopTextChange(); });
}

// --- showing the manager's state ------------------------------------------------------------

void CMacroProgramDialog::Refresh()
{
    if (!m_manager) {
        return;
    }
    const MacroManager& manager = *m_manager;
    std::vector<std::string> names(manager.MacroCount());
    for (std::size_t i = 0; i < names.size(); ++i) {
        names[i] = manager.MacroName(i);
    }
    FillList(m_macroList, m_shownMacros, names, manager.Selected());
    FillList(m_eventList, m_shownLines, manager.EventLines(), manager.EventSelection());
    ShowLoopText(manager.LoopText());
    ::EnableWindow(m_loopField.Hwnd(), manager.LoopFieldEnabled() ? TRUE : FALSE);
    const MacroManagerText title = manager.IsRecording() ? MacroManagerText::kRecordingTitle : MacroManagerText::kTitle;
    ::SetWindowTextW(Hwnd(), Widen(MacroManagerTextIn(title, m_context.language)).c_str());
    if (!manager.Editor()) {
        CloseEditor();
    }
    ::InvalidateRect(Hwnd(), nullptr, FALSE);
}

// Lines are only put in again when they changed, so that the list keeps its scroll position.
void CMacroProgramDialog::FillList(ui::win::CControl& list, std::vector<std::string>& shown,
                                   const std::vector<std::string>& lines, std::optional<std::size_t> selection)
{
    const HWND box = list.Hwnd();
    if (shown != lines) {
        ::SendMessageW(box, WM_SETREDRAW, FALSE, 0);
        ::SendMessageW(box, LB_RESETCONTENT, 0, 0);
        for (const std::string& line : lines) {
            const std::wstring wide = Widen(line);
            ::SendMessageW(box, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide.c_str()));
        }
        ::SendMessageW(box, WM_SETREDRAW, TRUE, 0);
        ::InvalidateRect(box, nullptr, TRUE);
        shown = lines;
    }
    const WPARAM wanted = selection ? static_cast<WPARAM>(*selection) : static_cast<WPARAM>(-1);
    if (SelectionOf(list) != selection) {
        ::SendMessageW(box, LB_SETCURSEL, wanted, 0);
    }
}

void CMacroProgramDialog::ShowLoopText(const std::string& text)
{
    const std::wstring wide = Widen(text);
    if (m_loopField.Text() == wide) {
        return;
    }
    // Setting the text reports a change; the manager answers it with the same text.
    ::SetWindowTextW(m_loopField.Hwnd(), wide.c_str());
    ::SendMessageW(m_loopField.Hwnd(), EM_SETSEL, wide.size(), wide.size());
}

void CMacroProgramDialog::TellWriteFailure()
{
    if (m_manager && m_manager->TakeWriteFailure()) {
        const std::wstring caption = Widen(MacroManagerTextIn(MacroManagerText::kWarning, m_context.language));
        platform::win::ShowMessage(Hwnd(),
                                   Widen(MacroManagerTextIn(MacroManagerText::kFileNotWritten, m_context.language)),
                                   caption.c_str(), MB_OK | MB_ICONWARNING);
    }
}

// --- drawing and the pointer -----------------------------------------------------------------

void CMacroProgramDialog::OnPaint()
{
    const platform::win::PaintGuard paint(Hwnd());
    if (!m_background) {
        return;
    }
    RECT client{};
    ::GetClientRect(Hwnd(), &client);
    const ui::win::CMemDC surface(paint.get(), &client);
    {
        const platform::win::UniqueHdc source(::CreateCompatibleDC(paint.get()));
        if (source) {
            const platform::win::SelectGuard selected(source.get(), m_background.get());
            ::BitBlt(surface.get(), 0, 0, client.right, client.bottom, source.get(), 0, 0, SRCCOPY);
        }
    }
    ui::win::GdiCanvas canvas(surface.get(), m_font.get(), m_font.get());
    pages::MacroManagerLook look{.language = m_context.language, .hot = m_hot};
    if (m_manager) {
        look.recording = m_manager->IsRecording();
        look.recordDelays = m_manager->RecordDelays();
        look.loopOption = m_manager->LoopOption();
    }
    pages::PaintMacroManager(canvas, m_context.skin, look);
}

bool CMacroProgramDialog::OnEraseBackground(HDC) { return true; }

HBRUSH CMacroProgramDialog::OnCtlColorListBox(HDC dc, HWND)
{
    ::SetTextColor(dc, TextColour(m_context.skin));
    ::SetBkColor(dc, kListColour);
    return m_listBrush.get();
}

HBRUSH CMacroProgramDialog::OnCtlColorEdit(HDC dc, HWND control)
{
    if (control != m_loopField.Hwnd()) {
        ContinueDefault();
        return nullptr;
    }
    ::SetTextColor(dc, TextColour(m_context.skin));
    ::SetBkColor(dc, kFieldColour);
    return m_fieldBrush.get();
}

// A disabled edit box asks for the colours of a static.
HBRUSH CMacroProgramDialog::OnCtlColorStatic(HDC dc, HWND control) { return OnCtlColorEdit(dc, control); }

void CMacroProgramDialog::OnLeftButtonDown(UINT, POINT point)
{
    const std::optional<MacroManagerArea> area = MacroManagerAreaAt({point.x, point.y});
    if (area && !ClickArea(*area)) {
        return;
    }
    // Every other click also drags the dialog, so that it moves from any free spot.
    POINT screen = point;
    ::ClientToScreen(Hwnd(), &screen);
    ::PostMessageW(Hwnd(), WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(screen.x, screen.y));
}

// False when the click ends there: the dialog ended, or the record button took it.
bool CMacroProgramDialog::ClickArea(MacroManagerArea area)
{
    switch (area) {
        case MacroManagerArea::kOk:
            EndWith(true);
            return false;
        case MacroManagerArea::kCancel:
        case MacroManagerArea::kClose:
            EndWith(false);
            return false;
        case MacroManagerArea::kRecord:
            OnRecordButton();
            return false;
        case MacroManagerArea::kNew:
            OnNew();
            break;
        case MacroManagerArea::kDelete:
            OnDelete();
            break;
        case MacroManagerArea::kDelayOption:
        case MacroManagerArea::kLoopOption:
            OnOptionTick(area);
            break;
    }
    return true;
}

void CMacroProgramDialog::OnOptionTick(MacroManagerArea tick)
{
    const bool delays = tick == MacroManagerArea::kDelayOption;
    if (!m_manager || !m_manager->Acts(delays ? ManagerControl::kDelayOption : ManagerControl::kLoopOption)) {
        return;
    }
    (void)(delays ? m_manager->ToggleRecordDelays() : m_manager->ToggleLoop());
    TellWriteFailure();
    Refresh();
}

void CMacroProgramDialog::OnMouseMove(UINT, POINT point)
{
    const std::optional<MacroManagerArea> area = MacroManagerAreaAt({point.x, point.y});
    if (area && IsHotArea(*area)) {
        TRACKMOUSEEVENT track{sizeof(TRACKMOUSEEVENT), TME_HOVER | TME_LEAVE, Hwnd(), ui::kHoverTimeMs};
        ::TrackMouseEvent(&track);
        return;
    }
    if (m_hot) {
        m_hot.reset();
        ::InvalidateRect(Hwnd(), nullptr, FALSE);
    }
}

void CMacroProgramDialog::OnMouseHover(UINT, POINT point)
{
    const std::optional<MacroManagerArea> area = MacroManagerAreaAt({point.x, point.y});
    if (area && IsHotArea(*area) && m_hot != area) {
        m_hot = area;
        ::InvalidateRect(Hwnd(), nullptr, FALSE);
    }
}

void CMacroProgramDialog::OnMouseLeave()
{
    if (m_hot) {
        m_hot.reset();
        ::InvalidateRect(Hwnd(), nullptr, FALSE);
    }
}

// A right click on the event list: the "MacroList" menu at the pointer.
LRESULT CMacroProgramDialog::OnContextMenu(WPARAM window, LPARAM screenPoint)
{
    if (!m_manager || reinterpret_cast<HWND>(window) != m_eventList.Hwnd() ||
        !m_manager->Acts(ManagerControl::kEventList)) {
        return 0;
    }
    const platform::win::UniqueHMenu menu(::LoadMenuW(::GetModuleHandleW(nullptr), kMacroListMenu));
    const HMENU popup = menu ? ::GetSubMenu(menu.get(), 0) : nullptr;
    if (popup == nullptr) {
        return 0;
    }
    const std::pair<UINT, MacroManagerText> items[] = {
        {IDM_MACRO_DELETE_LINE, MacroManagerText::kDelete},
        {IDM_MACRO_INSERT_LEFT, MacroManagerText::kInsertLeft},
        {IDM_MACRO_INSERT_MIDDLE, MacroManagerText::kInsertMiddle},
        {IDM_MACRO_INSERT_RIGHT, MacroManagerText::kInsertRight},
        {IDM_MACRO_INSERT_DELAY, MacroManagerText::kInsertDelay},
    };
    for (const auto& [command, text] : items) {
        const std::wstring wide = Widen(MacroManagerTextIn(text, m_context.language));
        ::ModifyMenuW(popup, command, MF_BYCOMMAND | MF_STRING, command, wide.c_str());
    }
    POINT at{GET_X_LPARAM(screenPoint), GET_Y_LPARAM(screenPoint)};
    if (at.x == -1 && at.y == -1) {  // from the keyboard: at the list's top-left corner
        RECT list{};
        ::GetWindowRect(m_eventList.Hwnd(), &list);
        at = {list.left, list.top};
    }
    const UINT chosen = static_cast<UINT>(
        ::TrackPopupMenu(popup, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, at.x, at.y, 0, Hwnd(), nullptr));
    switch (chosen) {
        case IDM_MACRO_DELETE_LINE:
            (void)m_manager->DeleteEventLine();
            break;
        case IDM_MACRO_INSERT_LEFT:
            (void)m_manager->InsertButton(MouseButtonLine::kLeft);
            break;
        case IDM_MACRO_INSERT_MIDDLE:
            (void)m_manager->InsertButton(MouseButtonLine::kMiddle);
            break;
        case IDM_MACRO_INSERT_RIGHT:
            (void)m_manager->InsertButton(MouseButtonLine::kRight);
            break;
        case IDM_MACRO_INSERT_DELAY:
            (void)m_manager->InsertDelay();
            break;
        default:
            return 0;
    }
    TellWriteFailure();
    Refresh();
    return 0;
}

void CMacroProgramDialog::ScrollEventList(int wheelDelta)
{
    const HWND list = m_eventList.Hwnd();
    const int notches = std::max(1, std::abs(wheelDelta) / WHEEL_DELTA);
    const int top = static_cast<int>(::SendMessageW(list, LB_GETTOPINDEX, 0, 0));
    const int step = kWheelLines * notches;
    const int wanted = wheelDelta > 0 ? std::max(0, top - step) : top + step;
    const int count = static_cast<int>(::SendMessageW(list, LB_GETCOUNT, 0, 0));
    ::SendMessageW(list, LB_SETTOPINDEX, static_cast<WPARAM>(std::min(wanted, std::max(count - 1, 0))), 0);
}

bool CMacroProgramDialog::PreTranslateMessage(MSG& message)
{
    if (!m_manager) {
        return false;
    }
    if (message.message == WM_MOUSEWHEEL) {
        ScrollEventList(GET_WHEEL_DELTA_WPARAM(message.wParam));
        return true;
    }
    switch (m_manager->OnKeyMessage(message.message, message.wParam)) {
        case KeyMessageAction::kSwallow:
            return true;
        case KeyMessageAction::kOk:
            EndWith(true);
            return true;
        case KeyMessageAction::kPass:
            break;
    }
    return false;
}

// --- the controls ----------------------------------------------------------------------------

void CMacroProgramDialog::OnMacroSelectionChange()
{
    if (m_manager->Acts(ManagerControl::kMacroList)) {
        (void)m_manager->Select(SelectionOf(m_macroList));
        TellWriteFailure();
    }
    Refresh();
}

void CMacroProgramDialog::OnMacroDoubleClick()
{
    const std::optional<std::size_t> line = SelectionOf(m_macroList);
    if (line && m_manager->Acts(ManagerControl::kMacroList) && m_manager->OnMacroDoubleClick(*line)) {
        OpenEditor(m_macroList, *line);
    }
}

void CMacroProgramDialog::OnEventNotice()
{
    if (!m_manager->Acts(ManagerControl::kEventList)) {
        Refresh();
        return;
    }
    const std::optional<std::size_t> line = SelectionOf(m_eventList);
    if (m_manager->OnEventLineNotice(line) && line) {
        OpenEditor(m_eventList, *line);
    }
}

void CMacroProgramDialog::OnLoopTextChange()
{
    if (!m_manager || !m_manager->Acts(ManagerControl::kLoopField)) {
        return;
    }
    const std::string typed = Narrow(m_loopField.Text());
    const std::string kept = m_manager->SetLoopText(typed);
    TellWriteFailure();
    if (kept != typed) {
        ShowLoopText(kept);
    }
}

void CMacroProgramDialog::OnNew()
{
    if (!m_manager || !m_manager->Acts(ManagerControl::kNew)) {
        return;
    }
    if (m_manager->New() == NewMacroResult::kLimitReached) {
        const std::wstring caption = Widen(MacroManagerTextIn(MacroManagerText::kWarning, m_context.language));
        platform::win::ShowMessage(Hwnd(), Widen(MacroManagerTextIn(MacroManagerText::kMacroLimit, m_context.language)),
                                   caption.c_str());
    }
    TellWriteFailure();
    Refresh();
}

void CMacroProgramDialog::OnDelete()
{
    if (m_manager && m_manager->Acts(ManagerControl::kDelete)) {
        (void)m_manager->DeleteSelected();
        TellWriteFailure();
        Refresh();
    }
}

void CMacroProgramDialog::OnRecordButton()
{
    if (!m_manager || !m_manager->Acts(ManagerControl::kRecordButton)) {
        return;
    }
    if (m_manager->IsRecording()) {
        (void)m_manager->StopRecording(::GetTickCount());
        StopHook();
        return;
    }
    if (!m_manager->CanRecord()) {
        return;
    }
    if (!m_hook.Install([this](const RecordedKey& key, std::uint32_t now) { OnRecordedKey(key, now); })) {
        platform::win::ShowMessage(Hwnd(), Widen(RecordHookErrorText(::GetLastError())));
        return;
    }
    (void)m_manager->StartRecording();
    ::SetFocus(m_eventList.Hwnd());
    Refresh();
}

void CMacroProgramDialog::OnRecordedKey(const RecordedKey& key, std::uint32_t now)
{
    if (!m_manager) {
        return;
    }
    const RecordOutcome outcome = m_manager->OnRecordedKey(key, now);
    if (outcome == RecordOutcome::kStopped) {
        StopHook();
    } else if (outcome == RecordOutcome::kRecorded) {
        Refresh();
    }
}

// A recording has ended: the hook goes, the title and the record button say so again.
void CMacroProgramDialog::StopHook()
{
    m_hook.Remove();
    TellWriteFailure();
    Refresh();
}

// --- the in-place editor -------------------------------------------------------------------------

void CMacroProgramDialog::OpenEditor(ui::win::CControl& list, std::size_t line)
{
    const bool started = m_editor.Start(list.Hwnd(), static_cast<int>(line),
                                        {.commit = [this](int, const std::wstring& text) { OnEditorCommit(text); },
                                         .cancel = [this](int) { OnEditorCancel(); }});
    if (!started) {
        m_manager->CancelEditor();
    }
}

void CMacroProgramDialog::CloseEditor()
{
    if (m_editor.Editing()) {
        m_closingEditor = true;
        m_editor.Cancel();
        m_closingEditor = false;
    }
}

std::optional<std::wstring> CMacroProgramDialog::EditorText() const
{
    if (!m_editor.Editing()) {
        return std::nullopt;
    }
    return m_editor.Text();
}

// The line of the macro list that the left button is going down on now, if any.
std::optional<std::size_t> CMacroProgramDialog::MacroLineClicked() const
{
    if ((::GetKeyState(VK_LBUTTON) & 0x8000) == 0) {
        return std::nullopt;
    }
    const DWORD at = ::GetMessagePos();
    POINT point{GET_X_LPARAM(at), GET_Y_LPARAM(at)};
    ::ScreenToClient(m_macroList.Hwnd(), &point);
    RECT client{};
    ::GetClientRect(m_macroList.Hwnd(), &client);
    if (!::PtInRect(&client, point)) {
        return std::nullopt;
    }
    const LRESULT found = ::SendMessageW(m_macroList.Hwnd(), LB_ITEMFROMPOINT, 0, MAKELPARAM(point.x, point.y));
    if (HIWORD(found) != 0) {  // below the last line
        return std::nullopt;
    }
    return static_cast<std::size_t>(LOWORD(found));
}

// A click outside the editor commits it, except a click on another macro: that selects the
// other macro and keeps the old name.
void CMacroProgramDialog::OnEditorCommit(const std::wstring& text)
{
    if (m_closingEditor || !m_manager) {
        return;
    }
    const std::optional<LineEditor> editor = m_manager->Editor();
    if (editor && editor->kind == EditorKind::kName) {
        const std::optional<std::size_t> other = MacroLineClicked();
        if (other && *other != editor->line && *other < m_manager->MacroCount()) {
            m_manager->CancelEditor();
            (void)m_manager->Select(*other);
            TellWriteFailure();
            Refresh();
            return;
        }
    }
    (void)m_manager->CommitEditor(Narrow(text));
    TellWriteFailure();
    Refresh();
}

void CMacroProgramDialog::OnEditorCancel()
{
    if (m_closingEditor || !m_manager) {
        return;
    }
    m_manager->CancelEditor();
    Refresh();
}

// --- leaving -------------------------------------------------------------------------------------

void CMacroProgramDialog::OnOK() { EndWith(true); }

void CMacroProgramDialog::OnCancel() { EndWith(false); }

// Every way out of the dialog, once: a running recording is stopped and saved with the hook
// gone first; an editor's text counts on OK only.
void CMacroProgramDialog::Finish(bool ok)
{
    if (m_finished || !m_manager) {
        return;
    }
    m_finished = true;
    if (ok && m_manager->Editor()) {
        if (const std::optional<std::wstring> text = EditorText()) {
            (void)m_manager->CommitEditor(Narrow(*text));
        }
    }
    CloseEditor();
    m_hook.Remove();
    m_outcome = m_manager->Finish(ok, ::GetTickCount(), m_context.keyNames);
}

// OK, Cancel and the close area: finish, tell what the user must know, end.
void CMacroProgramDialog::EndWith(bool ok)
{
    if (m_finished) {
        return;
    }
    Finish(ok);
    TellWriteFailure();
    if (ok && m_outcome) {
        if (const std::optional<std::string> warning = MacroFitWarning(m_outcome->encoding, m_context.language)) {
            const std::wstring caption = Widen(MacroManagerTextIn(MacroManagerText::kWarning, m_context.language));
            platform::win::ShowMessage(Hwnd(), Widen(*warning), caption.c_str(), MB_OK | MB_ICONWARNING);
        }
    }
    EndDialog(ok ? IDOK : IDCANCEL);
}

void CMacroProgramDialog::OnDestroy()
{
    Finish(false);
    ContinueDefault();
}

}  // namespace zalvane::assign::win
