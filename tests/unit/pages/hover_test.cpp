#include "pages/hover.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pages/main_window_geometry.h"

namespace zalvane::pages {
namespace {

using H = HotElement;
using L = HoverLook;

ui::Point Centre(const ui::Rect& rect) { return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2}; }
ui::Point At(HotElement element) { return Centre(HotElementRect(element)); }
constexpr ui::Point kNowhere{600, 500};

enum class Kind { kMove, kHover, kMarkRow };

// One event with the page as it is then, and what the machine must answer.
struct Event {
    Kind kind;
    ui::Point point{};
    int row = 0;  // kMarkRow
    MouseView view = MouseView::kFront;
    bool open = true;   // "Button Assignment"
    bool ready = true;  // the pages
    int listOpen = -1;  // a button whose function list is open
    bool arm = false;
    std::vector<HoverStep> steps{};
};

Event Move(ui::Point point, bool arm, std::vector<HoverStep> steps = {})
{
    return {Kind::kMove, point, 0, MouseView::kFront, true, true, -1, arm, std::move(steps)};
}
Event Hover(ui::Point point, std::vector<HoverStep> steps = {})
{
    return {Kind::kHover, point, 0, MouseView::kFront, true, true, -1, false, std::move(steps)};
}
Event Side(Event event)
{
    event.view = MouseView::kSide;
    return event;
}
Event Folded(Event event)
{
    event.open = false;
    return event;
}

TEST(HoverMachineTest, EventSequences)
{
    struct Case {
        std::string name;
        std::vector<Event> events;
    };
    Event notReady = Hover(At(H::kSave));
    notReady.ready = false;
    Event moveNotReady = Move(kNowhere, false);
    moveNotReady.ready = false;
    Event listOpen = Move(kNowhere, false, {{RowElement(2), L::kNormal, 1, false}});
    listOpen.listOpen = 1;

    const Case cases[] = {
        {"from Reset straight onto Cancel: Cancel takes over",
         {Move(At(H::kReset), true), Hover(At(H::kReset), {{H::kReset, L::kOver}}), Move(At(H::kCancel), true),
          Hover(At(H::kCancel), {{H::kCancel, L::kOver}, {H::kReset, L::kNormal}}),
          Hover(At(H::kSave), {{H::kSave, L::kOver}, {H::kCancel, L::kNormal}})}},
        {"from Help to Minimise both stay until a move over a point that is not hot",
         {Hover(At(H::kHelp), {{H::kHelp, L::kOver}}), Hover(At(H::kMinimise), {{H::kMinimise, L::kOver}}),
          Move(kNowhere, false, {{H::kHelp, L::kNormal}, {H::kMinimise, L::kNormal}}), Move(kNowhere, false)}},
        {"resting again on a highlighted element draws nothing",
         {Hover(At(H::kSave), {{H::kSave, L::kOver}}), Move(At(H::kSave), true), Hover(At(H::kSave))}},
        {"one move restores every highlighted element, buttons in their order",
         {Hover(At(H::kConfig), {{H::kConfig, L::kOver}}), Hover(At(H::kClose), {{H::kClose, L::kOver}}),
          Hover(At(H::kSave), {{H::kSave, L::kOver}}), Hover(At(RowElement(3)), {{RowElement(3), L::kOver, 2}}),
          Move(kNowhere, false,
               {{H::kClose, L::kNormal},
                {H::kSave, L::kNormal},
                {H::kConfig, L::kNormal},
                {RowElement(3), L::kNormal, 2, true}})}},
        {"the pages not ready yet", {notReady, moveNotReady}},
        {"rows are not hot while the fold-out is closed",
         {Folded(Move(At(RowElement(2)), false)), Folded(Hover(At(RowElement(2))))}},
        {"front view rows 8-12 arm tracking and draw nothing",
         {Move(At(RowElement(9)), true), Hover(At(RowElement(9))), Move(kNowhere, false)}},
        {"a row restores the other rows of its view, without spots",
         {Side(Hover(At(RowElement(2)), {{RowElement(2), L::kOver, 8}})),
          Side(Hover(At(RowElement(11)), {{RowElement(11), L::kOver, 17}, {RowElement(2), L::kNormal, 8}})),
          Side(Move(kNowhere, false, {{RowElement(11), L::kNormal, 17, true}}))}},
        {"side rows stay highlighted in the front view until they show again",
         {Side(Hover(At(RowElement(10)), {{RowElement(10), L::kOver, 16}})),
          Hover(At(RowElement(1)), {{RowElement(1), L::kOver, 0}}),
          Move(kNowhere, false, {{RowElement(1), L::kNormal, 0, true}}), Folded(Side(Move(kNowhere, false))),
          Side(Move(kNowhere, false, {{RowElement(10), L::kNormal, 16, true}}))}},
        {"a row whose function list is open gets no spot back", {{Kind::kMarkRow, {}, 2}, listOpen}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        HoverMachine machine;
        for (std::size_t i = 0; i < c.events.size(); ++i) {
            SCOPED_TRACE(i);
            const Event& event = c.events[i];
            HoverPage page{.pagesReady = event.ready, .view = event.view, .assignmentOpen = event.open, .listOpen = {}};
            if (event.listOpen >= 0) {
                page.listOpen[static_cast<std::size_t>(event.listOpen)] = true;
            }
            HoverOutcome outcome;
            switch (event.kind) {
                case Kind::kMove:
                    outcome = machine.PointerMoved(event.point, page);
                    break;
                case Kind::kHover:
                    outcome = machine.Hovered(event.point, page);
                    break;
                case Kind::kMarkRow:
                    machine.MarkRowHighlighted(event.row);
                    continue;
            }
            EXPECT_EQ(outcome.armTracking, event.arm);
            EXPECT_EQ(outcome.steps, event.steps);
            for (const HoverStep& step : outcome.steps) {
                EXPECT_EQ(machine.Highlighted(step.element), step.look == L::kOver);
            }
        }
    }
}

class RecordingCanvas final : public ui::Canvas, public ui::TextMeasure {
public:
    bool DrawImage(const std::string& path, int x, int y) override
    {
        calls.push_back(path + " @" + std::to_string(x) + "," + std::to_string(y));
        return true;
    }
    void DrawText(std::string_view text, const ui::Rect& rect, ui::TextAlignment alignment) override
    {
        const char* name = alignment == ui::TextAlignment::kCentre         ? "centre"
                           : alignment == ui::TextAlignment::kLeft         ? "left"
                           : alignment == ui::TextAlignment::kLeftEllipsis ? "ellipsis"
                                                                           : "other";
        calls.push_back(std::string(text) + " " + name + " " + std::to_string(rect.left) + "-" +
                        std::to_string(rect.right));
    }
    void SetTextStyle(ui::FontRole, ui::SkinColour colour) override
    {
        calls.push_back("style " + std::to_string(colour.red));
    }
    void Fill(const ui::Rect&, ui::SkinColour) override { calls.push_back("fill"); }
    // Ten pixels a byte: a row (130 px) takes thirteen.
    int TextWidth(std::string_view text, ui::FontRole) override { return static_cast<int>(text.size()) * 10; }
    std::vector<std::string> calls;
};

TEST(HoverPaintTest, ImagesSpotsAndLabelsInTheSkin)
{
    ui::SkinState skin;
    skin.root = "S";
    skin.textColour = {7, 8, 9};
    settings::ButtonCaptions captions;
    captions[2] = "Short";
    captions[16] = "Much too long a caption";
    const HoverStep steps[] = {
        {H::kSave, L::kOver},
        {H::kConfig, L::kNormal},
        {H::kMinimise, L::kOver},
        {RowElement(3), L::kNormal, 2, true},
        {RowElement(10), L::kOver, 16, false},
    };
    RecordingCanvas canvas;
    PaintHover(canvas, canvas, {skin, language::Language::kTraditionalChinese, captions}, steps);
    const std::vector<std::string> expected = {
        "style 7",
        "S/button-save-over.png @923,604",
        "保存 centre 923-980",
        "S/button-config-normal.png @18,604",
        "配置 left 43-90",
        "S/button-min-over.png @958,5",
        "S/ButtonAssignment/DropdownBox-normal.png @120,169",
        "S/Mouse/Front/F-3-normal.png @507,148",
        "Short centre 120-250",
        "S/ButtonAssignment/DropdownBox-over.png @120,309",
        "Much too long a caption ellipsis 120-250",
    };
    EXPECT_EQ(canvas.calls, expected);
}

}  // namespace
}  // namespace zalvane::pages
