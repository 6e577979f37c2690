#include "assign/win/assignment_list_boxes.h"

#include <string>
#include <utility>

#include "assign/function_lists.h"
#include "assign/macro_file.h"
#include "assign/win/combo_dialog.h"
#include "assign/win/control_rect.h"
#include "assign/win/macro_dialog.h"
#include "assign/win/single_dialog.h"
#include "language/language_tables.h"
#include "pages/assignment_row_painting.h"
#include "pages/main_window_geometry.h"
#include "platform/win/message_box.h"
#include "platform/win/wide_text.h"
#include "ui/win/private_messages.h"

namespace zalvane::assign::win {
namespace {

using platform::win::Widen;

constexpr wchar_t kMailboxClass[] = L"Zalvane.AssignmentChoices";

std::vector<std::string> FunctionEntries(language::Language language)
{
    std::vector<std::string> entries;
    for (std::size_t type = 0; type < kFunctionCount; ++type) {
        entries.emplace_back(FunctionText(static_cast<ActionType>(type), language));
    }
    return entries;
}

std::vector<std::string> SecondEntries(SecondList list, language::Language language)
{
    std::vector<std::string> entries;
    for (const SecondListEntry& entry : SecondListEntries(list)) {
        entries.emplace_back(EntryText(entry, language));
    }
    return entries;
}

// A choice in a second list leaves its row's box in the normal look, one in the function
// list itself in the chosen look.
pages::RowBoxLook LookAfter(const ButtonChoice& choice)
{
    const bool fromSecondList = choice.outcome == FunctionOutcome::kStore && SecondListOf(choice.assignment.type);
    return fromSecondList ? pages::RowBoxLook::kNormal : pages::RowBoxLook::kChosen;
}

}  // namespace

// Receives the posted choices, so that they run from the thread's message loop once the
// list's notification has returned.
class ChoiceMailbox final : public ui::win::CWindow {
public:
    explicit ChoiceMailbox(AssignmentListBoxes& lists) : m_lists(lists)
    {
        WNDCLASSEXW windowClass{};
        windowClass.lpszClassName = kMailboxClass;
        if (RegisterWindowClass(windowClass)) {
            static_cast<void>(CreateEx(kMailboxClass, {.parent = HWND_MESSAGE}));
        }
    }

protected:
    std::span<const ui::win::MessageEntry> Messages() const override
    {
        static constexpr ui::win::MessageEntry kTable[] = {
            ui::win::OnRawMessage<ui::win::kCarryOutChoiceMessage, &ChoiceMailbox::OnChoice>(),
        };
        return kTable;
    }

private:
    LRESULT OnChoice(WPARAM, LPARAM)
    {
        m_lists.CarryOutChoice();
        return 0;
    }

    AssignmentListBoxes& m_lists;
};

AssignmentListBoxes::AssignmentListBoxes(HWND window, AssignmentHost& host, app::AppState& state,
                                         const ui::SkinState& skin, platform::IniStore& ini)
    : m_window(window),
      m_host(host),
      m_state(state),
      m_skin(skin),
      m_ini(ini),
      m_lists(state.language),
      m_mailbox(std::make_unique<ChoiceMailbox>(*this))
{
}

AssignmentListBoxes::~AssignmentListBoxes() = default;

// --- opening and closing -----------------------------------------------------------------

void AssignmentListBoxes::OpenRowList(int row, MouseView view)
{
    const std::optional<std::size_t> button = ButtonOfRow(view, row);
    if (!button) {
        return;
    }
    const ListChanges changes = m_lists.ToggleFunctionList(*button, m_state.record);
    if (changes.openFunctionList) {
        m_row = row;
        m_view = view;
    }
    Apply(changes, false);
}

void AssignmentListBoxes::CloseRowLists(int row)
{
    if (m_lists.OpenButton() && row == m_row) {
        Apply(m_lists.CloseAll(), false);
    }
}

void AssignmentListBoxes::CloseAllLists() { Apply(m_lists.CloseAll(), false); }

// Closes before it opens, so that a second list never outlives its function list. Inside
// a list's own notification the lists are only hidden.
void AssignmentListBoxes::Apply(const ListChanges& changes, bool insideNotice, int hoveredEntry)
{
    if (changes.closeSecondList) {
        CloseSecondList(insideNotice);
    }
    if (changes.closeFunctionList) {
        CloseSecondList(insideNotice);
        CloseFunctionList(insideNotice);
    }
    if (changes.warnLastLeftClick) {
        const std::wstring text =
            Widen(language::SlotText(language::TextSlot::kLeftKeyMustBeSelected, m_state.language));
        platform::win::ShowMessage(m_window, text, L"Warning");
    }
    if (changes.openFunctionList) {
        CreateFunctionList(*changes.openFunctionList);
    }
    if (changes.openSecondList) {
        CreateSecondList(*changes.openSecondList, hoveredEntry);
    }
}

void AssignmentListBoxes::CloseFunctionList(bool insideNotice)
{
    if (!m_functionList) {
        return;
    }
    if (insideNotice) {
        ::ShowWindow(m_functionList->Hwnd(), SW_HIDE);
        m_hidden.push_back(std::move(m_functionList));
    }
    m_functionList.reset();
}

void AssignmentListBoxes::CloseSecondList(bool insideNotice)
{
    if (!m_secondList) {
        return;
    }
    if (insideNotice) {
        ::ShowWindow(m_secondList->Hwnd(), SW_HIDE);
        m_hidden.push_back(std::move(m_secondList));
    }
    m_secondList.reset();
}

void AssignmentListBoxes::CreateFunctionList(std::size_t button)
{
    auto list = std::make_unique<ui::win::CListBox>();
    const std::vector<std::string> entries = FunctionEntries(m_state.language);
    const auto id = static_cast<UINT>(FunctionListId(button));
    if (!list->Create({.parent = m_window, .id = id, .rect = ToRect(pages::AssignmentListArea(m_row))}, entries,
                      m_host.ListFont())) {
        static_cast<void>(m_lists.CloseAll());
        return;
    }
    list->OnNotification(LBN_SELCHANGE, [this, button] { OnFunctionListNotice(button); });
    list->OnNotification(LBN_DBLCLK, [this, button] { OnFunctionListNotice(button); });
    list->OnPointerMove([this] { PointerMoved(); });
    m_functionList = std::move(list);
    m_host.DrawOnWindow(
        [this](ui::Canvas& canvas, ui::TextMeasure&) { pages::PaintRowSpots(canvas, m_skin, m_view, m_row); });
}

void AssignmentListBoxes::CreateSecondList(SecondList which, int hoveredEntry)
{
    if (!m_functionList) {
        return;
    }
    const std::optional<RECT> entry = m_functionList->ItemRectInParent(hoveredEntry);
    if (!entry) {
        return;
    }
    const ui::Rect rect = SecondListRect(which, pages::AssignmentListArea(m_row), FromRect(*entry));
    auto list = std::make_unique<ui::win::CListBox>();
    const std::vector<std::string> entries = SecondEntries(which, m_state.language);
    if (!list->Create({.parent = m_window, .id = static_cast<UINT>(SecondListId(which)), .rect = ToRect(rect)}, entries,
                      m_host.ListFont())) {
        return;
    }
    list->OnNotification(LBN_SELCHANGE, [this, which] { OnSecondListNotice(which); });
    list->OnNotification(LBN_DBLCLK, [this, which] { OnSecondListNotice(which); });
    list->OnPointerMove([this] { PointerMoved(); });
    // Above the function list's neighbours, so that nothing the page draws covers it.
    ::SetWindowPos(list->Hwnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    m_secondList = std::move(list);
}

// --- the pointer -------------------------------------------------------------------------

void AssignmentListBoxes::PointerMoved()
{
    POINT cursor{};
    if (!::GetCursorPos(&cursor)) {
        return;
    }
    const HWND under = ::WindowFromPoint(cursor);
    if (m_functionList && under == m_functionList->Hwnd()) {
        const std::optional<int> entry = m_functionList->SelectUnderCursor();
        if (entry) {
            Apply(m_lists.HoverFunctionEntry(*entry), false, *entry);
        }
        return;
    }
    if (m_secondList && under == m_secondList->Hwnd()) {
        static_cast<void>(m_secondList->SelectUnderCursor());
    }
}

// --- choices -----------------------------------------------------------------------------

void AssignmentListBoxes::OnFunctionListNotice(std::size_t button)
{
    if (!m_functionList) {
        return;
    }
    const std::optional<ListChanges> changes = m_lists.OnFunctionListNotice(button, m_functionList->Selection());
    if (!changes) {
        return;
    }
    Apply(*changes, true);
    PostChoice();
}

void AssignmentListBoxes::OnSecondListNotice(SecondList list)
{
    if (!m_secondList) {
        return;
    }
    const std::optional<ListChanges> changes = m_lists.OnSecondListNotice(list, m_secondList->Selection());
    if (!changes) {
        return;
    }
    Apply(*changes, true);
    PostChoice();
}

// A choice that cannot be posted is dropped rather than run inside the notification,
// where a dialog would run and the list would be destroyed under its own handler.
void AssignmentListBoxes::PostChoice()
{
    if (!m_mailbox->Hwnd() || !::PostMessageW(m_mailbox->Hwnd(), ui::win::kCarryOutChoiceMessage, 0, 0)) {
        static_cast<void>(m_lists.TakeChoice());
    }
}

void AssignmentListBoxes::CarryOutChoice()
{
    m_hidden.clear();
    const std::optional<ButtonChoice> choice = m_lists.TakeChoice();
    if (!choice) {
        return;  // dropped: the lists were closed since
    }
    if (const std::optional<Assignment> assignment = RunChoice(*choice)) {
        ApplyAssignment(*assignment, choice->button, m_state.record, m_state.text.captions);
    }
    const std::optional<int> row = RowOfButton(m_view, choice->button);
    if (!row) {
        return;  // a front-view row 8-12: the view shows no box for it
    }
    const pages::RowBoxLook look = LookAfter(*choice);
    m_host.DrawOnWindow([&](ui::Canvas& canvas, ui::TextMeasure& measure) {
        pages::PaintAssignmentRow(canvas, measure, {m_skin, m_state.text.captions}, m_view, *row, look);
    });
    m_host.RowChosen(*row);
}

// Cancelled dialogs, and OK in the macro dialog without a macro, store nothing.
std::optional<Assignment> AssignmentListBoxes::RunChoice(const ButtonChoice& choice)
{
    const KeyDialogContext context{m_skin, m_state.language, m_state.keyNames};
    switch (choice.outcome) {
        case FunctionOutcome::kStore:
            return choice.assignment;
        case FunctionOutcome::kSingleKeyDialog: {
            CSingleDialog dialog(context);
            if (dialog.DoModal(m_window) == IDOK) {
                return dialog.Result();
            }
            break;
        }
        case FunctionOutcome::kComboKeyDialog: {
            CComboDialog dialog(context);
            if (dialog.DoModal(m_window) == IDOK) {
                return dialog.Result();
            }
            break;
        }
        case FunctionOutcome::kMacroKeyDialog: {
            const std::optional<std::string>& macroFile = m_state.files.paths.recordFile;
            CMacroDialog dialog(context, macroFile ? ReadMacroNames(m_ini, *macroFile) : std::vector<std::string>{});
            if (dialog.DoModal(m_window) == IDOK) {
                return dialog.Result();
            }
            break;
        }
        case FunctionOutcome::kNothing:
            break;
    }
    return std::nullopt;
}

// --- drawing -------------------------------------------------------------------------------

void AssignmentListBoxes::DrawRows(ui::Canvas& canvas, MouseView view)
{
    pages::PaintAssignmentRows(canvas, m_host.CaptionMeasure(), {m_skin, m_state.text.captions}, view);
}

std::array<bool, settings::kButtonCount> AssignmentListBoxes::OpenFlags() const
{
    std::array<bool, settings::kButtonCount> open{};
    if (const std::optional<std::size_t> button = m_lists.OpenButton()) {
        open[*button] = true;
    }
    return open;
}

}  // namespace zalvane::assign::win
