#pragma once
// The main window's function list and second lists as state: which button's list is
// open, which second list hangs beside it, and the choice waiting to be carried out. The
// window creates, hides and destroys the list boxes as the results say; it never decides.
//
// A choice is taken in two steps, so that no list is destroyed inside its own
// notification and no dialog runs there: the notice closes the lists (the window hides
// them and posts itself a message), and the posted message takes the choice and carries
// it out. A second notice meanwhile finds no open list and is ignored; closing the lists
// (view change, fold-in, Macro Manager, the page's transient controls) drops a waiting
// choice, so it never lands on a button that is no longer shown.

#include <cstddef>
#include <optional>

#include "assign/button_assignment.h"
#include "assign/function_lists.h"
#include "language/language.h"
#include "settings/profile_record.h"
#include "ui/rect.h"

namespace zalvane::assign {

// Control ids: function list 41 + button (41-59); second lists 10 (DPI), 7 (multimedia),
// 8 (hot key), 9 (Windows commands). Every list box has items 16 pixels high.
inline constexpr int kFirstFunctionListId = 41;
inline constexpr int kListItemHeight = 16;

int FunctionListId(std::size_t button);
std::optional<std::size_t> ButtonOfFunctionListId(int controlId);
int SecondListId(SecondList list);
std::optional<SecondList> SecondListOfId(int controlId);

// Where a second list goes, in main-window pixels: against the right edge of the
// function list; the DPI list's top level with the hovered entry's top, the others'
// bottom level with its bottom.
ui::Rect SecondListRect(SecondList list, const ui::Rect& functionList, const ui::Rect& hoveredEntry);

// Which second list to close and which to open when the pointer rests on entry
// `hoveredEntry` (-1: none) of the open function list while `open` hangs beside it: an
// entry opens its own list when that is not open yet; any other entry closes the open one.
struct SecondListStep {
    std::optional<SecondList> close;
    std::optional<SecondList> open;
    friend bool operator==(const SecondListStep&, const SecondListStep&) = default;
};
SecondListStep OpenSecondList(int hoveredEntry, std::optional<SecondList> open);

// List boxes to destroy (or hide, inside a notice) and to create.
struct ListChanges {
    std::optional<std::size_t> closeFunctionList;  // this button's function list
    std::optional<SecondList> closeSecondList;
    std::optional<std::size_t> openFunctionList;  // at the clicked row, sixteen entries
    std::optional<SecondList> openSecondList;     // beside the hovered entry (SecondListRect)
    bool warnLastLeftClick = false;               // "Left key must be selected!", caption "Warning"
    friend bool operator==(const ListChanges&, const ListChanges&) = default;
};

// A choice to carry out for `button`: store `assignment`, or run one of the dialogs and
// store what it returns on OK.
struct ButtonChoice {
    std::size_t button = 0;
    FunctionOutcome outcome = FunctionOutcome::kNothing;
    Assignment assignment;  // for kStore
    friend bool operator==(const ButtonChoice&, const ButtonChoice&) = default;
};

class AssignmentLists {
public:
    explicit AssignmentLists(language::Language language) : m_language(language) {}

    // A click on the row of `button`: closes its open list, or closes any other and opens
    // this one, unless it holds the last left click.
    [[nodiscard]] ListChanges ToggleFunctionList(std::size_t button, const settings::ProfileRecord& record);

    // The pointer rests on entry `entry` (-1: none) of the open function list.
    [[nodiscard]] ListChanges HoverFunctionEntry(int entry);

    // Selection notices (change or double click). A valid choice closes every list and
    // waits for TakeChoice; a notice of a list that is not open, and one without a valid
    // selection, change nothing.
    [[nodiscard]] std::optional<ListChanges> OnFunctionListNotice(std::size_t button, int selection);
    [[nodiscard]] std::optional<ListChanges> OnSecondListNotice(SecondList list, int selection);

    // The waiting choice, once; nothing when there is none or it was dropped.
    [[nodiscard]] std::optional<ButtonChoice> TakeChoice();

    // Closes whatever is open and drops a waiting choice.
    [[nodiscard]] ListChanges CloseAll();

    std::optional<std::size_t> OpenButton() const { return m_openButton; }
    std::optional<SecondList> OpenSecond() const { return m_openSecond; }

private:
    ListChanges Close();

    language::Language m_language;
    std::optional<std::size_t> m_openButton;
    std::optional<SecondList> m_openSecond;
    std::optional<ButtonChoice> m_pending;
};

}  // namespace zalvane::assign
