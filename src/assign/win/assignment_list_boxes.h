#pragma once
// The main window's button-assignment lists as list boxes: the function list of the
// button whose row was clicked (ids 41-59, at the row's list area) and the second list
// that hangs beside it while the pointer rests on "CPI Cycle", "Multimedia", "HotKey" or
// "Windows" (ids 10, 7, 8, 9). The rules are AssignmentLists'; this class makes, hides and
// destroys the windows they name, runs the key dialogs and draws the rows and spots.
//
// A choice never runs inside its list's notification: the notice hides the lists and
// posts kCarryOutChoiceMessage to a message-only window of this class, whose handler
// destroys them and carries the choice out. The lists follow the pointer from their own
// pointer moves, so the main window forwards nothing.

#include <windows.h>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "app/app_state.h"
#include "assign/assignment_lists.h"
#include "assign/button_rows.h"
#include "pages/assignment_rows.h"
#include "platform/ini_store.h"
#include "settings/profile_record.h"
#include "ui/canvas.h"
#include "ui/skin_state.h"
#include "ui/win/list_box.h"

namespace zalvane::assign::win {

class ChoiceMailbox;

// What the lists need of the main window.
class AssignmentHost {
public:
    virtual ~AssignmentHost() = default;
    // Draws on the window's kept background (main font, skin text colour) and shows the
    // result at once.
    virtual void DrawOnWindow(const std::function<void(ui::Canvas&, ui::TextMeasure&)>& draw) = 0;
    // Measures captions in the main font, for drawing the rows inside a page's drawing.
    virtual ui::TextMeasure& CaptionMeasure() = 0;
    // Row `row` was drawn after a choice: the next pointer move over a point that is not
    // hot gives it its normal look back.
    virtual void RowChosen(int row) = 0;
    // The lists' font; null for the system's.
    virtual HFONT ListFont() const = 0;
};

class AssignmentListBoxes final : public pages::AssignmentRows {
public:
    // `window`: the main window, parent of the lists and owner of the dialogs. The state's
    // language must be the run's by now.
    AssignmentListBoxes(HWND window, AssignmentHost& host, app::AppState& state, const ui::SkinState& skin,
                        platform::IniStore& ini);
    ~AssignmentListBoxes() override;
    AssignmentListBoxes(const AssignmentListBoxes&) = delete;
    AssignmentListBoxes& operator=(const AssignmentListBoxes&) = delete;

    // A click on row `row` (1-12) while the mouse view is `view`: opens that row's
    // function list, or closes it when it is open; the last left click stays (a warning).
    void OpenRowList(int row, MouseView view);
    // A click outside row `row` and its list area: that row's lists close.
    void CloseRowLists(int row);

    // The handler of kCarryOutChoiceMessage: destroys the lists a notice hid and carries
    // out the choice it noted, unless the lists were closed since.
    void CarryOutChoice();

    // pages::AssignmentRows
    void DrawRows(ui::Canvas& canvas, MouseView view) override;
    void CloseAllLists() override;

    // Per button: its function list is open (its spot keeps its over form).
    std::array<bool, settings::kButtonCount> OpenFlags() const;

    // For tests: the list boxes that are shown.
    const ui::win::CListBox* FunctionList() const { return m_functionList.get(); }
    const ui::win::CListBox* SecondListBox() const { return m_secondList.get(); }

private:
    // A pointer move over a list: the entry under the cursor is selected, and over a
    // function list the second list follows the entry.
    void PointerMoved();
    void Apply(const ListChanges& changes, bool insideNotice, int hoveredEntry = -1);
    void CloseFunctionList(bool insideNotice);
    void CloseSecondList(bool insideNotice);
    void CreateFunctionList(std::size_t button);
    void CreateSecondList(SecondList list, int hoveredEntry);
    void OnFunctionListNotice(std::size_t button);
    void OnSecondListNotice(SecondList list);
    void PostChoice();
    std::optional<Assignment> RunChoice(const ButtonChoice& choice);

    HWND m_window;
    AssignmentHost& m_host;
    app::AppState& m_state;
    const ui::SkinState& m_skin;
    platform::IniStore& m_ini;
    AssignmentLists m_lists;
    MouseView m_view = MouseView::kFront;  // of the open function list
    int m_row = 0;                         // of the open function list
    std::unique_ptr<ui::win::CListBox> m_functionList;
    std::unique_ptr<ui::win::CListBox> m_secondList;
    // Hidden by a notice, destroyed by CarryOutChoice.
    std::vector<std::unique_ptr<ui::win::CListBox>> m_hidden;
    std::unique_ptr<ChoiceMailbox> m_mailbox;
};

}  // namespace zalvane::assign::win
