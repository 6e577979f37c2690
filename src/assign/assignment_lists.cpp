#include "assign/assignment_lists.h"

#include <algorithm>
#include <array>
#include <utility>

namespace zalvane::assign {
namespace {

struct SecondListShape {
    SecondList list = SecondList::kDpi;
    int id = 0;
    ui::Size size;
    bool topAligned = false;  // with the hovered entry's top; else bottom with its bottom
};

constexpr std::array<SecondListShape, 4> kShapes{{
    {SecondList::kDpi, 10, {60, 60}, true},
    {SecondList::kMultimedia, 7, {90, 130}, false},
    {SecondList::kHotKey, 8, {60, 162}, false},
    {SecondList::kWindowsCommand, 9, {90, 114}, false},
}};

const SecondListShape& ShapeOf(SecondList list)
{
    const auto* shape = std::find_if(kShapes.begin(), kShapes.end(), [&](const auto& s) { return s.list == list; });
    return shape == kShapes.end() ? kShapes[0] : *shape;
}

std::optional<SecondList> SecondListOfEntry(int entry)
{
    if (entry < 0 || entry >= static_cast<int>(kFunctionCount)) {
        return std::nullopt;
    }
    return SecondListOf(static_cast<ActionType>(entry));
}

}  // namespace

int FunctionListId(std::size_t button) { return kFirstFunctionListId + static_cast<int>(button); }

std::optional<std::size_t> ButtonOfFunctionListId(int controlId)
{
    const int button = controlId - kFirstFunctionListId;
    if (button < 0 || button >= static_cast<int>(settings::kButtonCount)) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(button);
}

int SecondListId(SecondList list) { return ShapeOf(list).id; }

std::optional<SecondList> SecondListOfId(int controlId)
{
    const auto* shape = std::find_if(kShapes.begin(), kShapes.end(), [&](const auto& s) { return s.id == controlId; });
    return shape == kShapes.end() ? std::nullopt : std::optional<SecondList>(shape->list);
}

ui::Rect SecondListRect(SecondList list, const ui::Rect& functionList, const ui::Rect& hoveredEntry)
{
    const SecondListShape& shape = ShapeOf(list);
    const int top = shape.topAligned ? hoveredEntry.top : hoveredEntry.bottom - shape.size.height;
    return ui::Rect::At({functionList.right, top}, shape.size);
}

SecondListStep OpenSecondList(int hoveredEntry, std::optional<SecondList> open)
{
    const std::optional<SecondList> own = SecondListOfEntry(hoveredEntry);
    if (own == open) {
        return {};
    }
    return {open, own};
}

ListChanges AssignmentLists::ToggleFunctionList(std::size_t button, const settings::ProfileRecord& record)
{
    if (button >= settings::kButtonCount) {
        return {};
    }
    const bool wasOpen = m_openButton == button;
    ListChanges changes = Close();
    if (wasOpen) {
        return changes;
    }
    if (IsLastLeftClick(record, button)) {
        changes.warnLastLeftClick = true;
        return changes;
    }
    m_openButton = button;
    changes.openFunctionList = button;
    return changes;
}

ListChanges AssignmentLists::HoverFunctionEntry(int entry)
{
    if (!m_openButton) {
        return {};
    }
    const SecondListStep step = OpenSecondList(entry, m_openSecond);
    if (step.close || step.open) {
        m_openSecond = step.open;
    }
    ListChanges changes;
    changes.closeSecondList = step.close;
    changes.openSecondList = step.open;
    return changes;
}

std::optional<ListChanges> AssignmentLists::OnFunctionListNotice(std::size_t button, int selection)
{
    if (m_openButton != button) {
        return std::nullopt;
    }
    const FunctionOutcome outcome = FunctionOutcomeOf(selection);
    if (outcome == FunctionOutcome::kNothing) {
        return std::nullopt;
    }
    ButtonChoice choice{button, outcome, {}};
    if (outcome == FunctionOutcome::kStore) {
        choice.assignment = *DirectAssignment(selection, m_language);
    }
    ListChanges changes = Close();
    m_pending = std::move(choice);
    return changes;
}

std::optional<ListChanges> AssignmentLists::OnSecondListNotice(SecondList list, int selection)
{
    if (!m_openButton || m_openSecond != list) {
        return std::nullopt;
    }
    std::optional<Assignment> assignment = SecondListAssignment(list, selection, m_language);
    if (!assignment) {
        return std::nullopt;
    }
    ButtonChoice choice{*m_openButton, FunctionOutcome::kStore, std::move(*assignment)};
    ListChanges changes = Close();
    m_pending = std::move(choice);
    return changes;
}

std::optional<ButtonChoice> AssignmentLists::TakeChoice() { return std::exchange(m_pending, std::nullopt); }

ListChanges AssignmentLists::CloseAll() { return Close(); }

ListChanges AssignmentLists::Close()
{
    ListChanges changes;
    changes.closeFunctionList = m_openButton;
    changes.closeSecondList = m_openSecond;
    m_openButton.reset();
    m_openSecond.reset();
    m_pending.reset();
    return changes;
}

}  // namespace zalvane::assign
