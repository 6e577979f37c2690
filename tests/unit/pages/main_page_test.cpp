#include "pages/main_page.h"

#include <gtest/gtest.h>

#include "page_test_support.h"
#include "pages/dpi_panel_geometry.h"
#include "pages/pointer_panel_geometry.h"

namespace zalvane::pages {
namespace {

using settings::ProfileRecord;
using testing::RecordingCanvas;
using testing::RecordingControls;

class RecordingRows final : public AssignmentRows {
public:
    void DrawRows(ui::Canvas&, MouseView view) override { drawnFor.push_back(view); }
    void CloseAllLists() override { ++closes; }
    std::vector<MouseView> drawnFor;
    int closes = 0;
};

// A page after its first drawing, ready for clicks, on the default skin's sizes.
class MainPageTest : public ::testing::Test {
protected:
    MainPageTest()
    {
        skin.root = std::string(testing::kSkinRoot);
        for (std::size_t stage = 0; stage < 7; ++stage) {
            record[ProfileRecord::kStageValue + stage] = static_cast<std::uint8_t>(120 - stage);
        }
        record[ProfileRecord::kScrollLines] = 3;
        page.SetAssignmentRows(&rows);
        page.FirstDraw(canvas);
        page.SetPagesReady();
        canvas.Clear();
    }

    ClickOutcome ClickAt(int x, int y) { return page.Click({x, y}, canvas); }

    ProfileRecord record;
    ui::SkinState skin;
    language::Language language = language::Language::kEnglish;
    RecordingControls controls;
    testing::FixedImageSizes images;
    RecordingRows rows;
    MainPage page{{record, skin, language, controls, images}};
    RecordingCanvas canvas;
};

TEST_F(MainPageTest, FirstDrawingMeasuresThePanelsAndMakesTheThumb)
{
    EXPECT_EQ(images.asked.size(), kPanelCount);
    ASSERT_TRUE(controls.Has(kScrollThumbId));
    EXPECT_EQ(controls.children[kScrollThumbId].args.rect, kScrollThumb);
    EXPECT_EQ(controls.children[kScrollThumbId].args.kind, ui::ChildKind::kScrollThumb);
}

TEST_F(MainPageTest, OpeningDpiDrawsEveryStageWithItsWholeValueAndMakesTheSwatches)
{
    const ClickOutcome outcome = ClickAt(740, 40);
    EXPECT_TRUE(outcome.dragWindow);
    EXPECT_TRUE(canvas.Drew("/BK_MainRight.png", {734, 32}));
    EXPECT_TRUE(canvas.Drew("/DPISetting/BK_DPISetting.png", {734, 52}));
    EXPECT_TRUE(canvas.Drew("/DPISetting/DPIStage/120.png", {745, 80}));
    EXPECT_TRUE(canvas.Drew("/DPISetting/DPIStage/114.png", {955, 80}));
    const RecordingCanvas::Text widest{"12000", DpiValueBox(0), ui::TextAlignment::kCentreUnclipped,
                                       ui::FontRole::kValue};
    EXPECT_EQ(std::ranges::count(canvas.texts, widest), 1);
    for (int stage = 0; stage < 7; ++stage) {
        ASSERT_TRUE(controls.Has(71 + stage)) << stage;
        EXPECT_EQ(controls.children[71 + stage].args.rect, DpiColourSwatch(stage));
    }

    // A slider click stores the value and redraws that slider and its value.
    canvas.Clear();
    EXPECT_TRUE(ClickAt(746, 202).dragWindow);
    EXPECT_EQ(record[ProfileRecord::kStageValue], 2);
    EXPECT_EQ(canvas.LastAt("/DPISetting/DPIStage/2.png"), (Point{745, 80}));
    ASSERT_EQ(canvas.texts.size(), 1u);
    EXPECT_EQ(canvas.texts[0].text, "200");

    // The colour dialog's answer goes into the stage's bytes and repaints its swatch.
    page.StageColourChosen(2, {10, 20, 30});
    EXPECT_EQ(record[29], 10);
    EXPECT_EQ(record[30], 20);
    EXPECT_EQ(record[31], 30);
    EXPECT_EQ(controls.repainted, std::vector<int>{73});
}

TEST_F(MainPageTest, ScrollLinesBoxFollowsTheRecordAndItsOwnEditsAreNotTyping)
{
    controls.onTextChange = [this](std::string_view text) { page.ScrollLinesEdited(text); };
    (void)ClickAt(740, 160);  // "Scroll Speed"
    ASSERT_TRUE(controls.Has(kScrollLinesBoxId));
    const auto& box = controls.children[kScrollLinesBoxId];
    EXPECT_EQ(box.args.rect, (Rect{884, 192, 920, 206}));
    EXPECT_EQ(box.text, "3");
    EXPECT_TRUE(box.enabled);
    EXPECT_EQ(box.args.maxChars, 3);

    page.ScrollLinesEdited("0");
    EXPECT_EQ(record[ProfileRecord::kScrollLines], 1);
    EXPECT_EQ(controls.children[kScrollLinesBoxId].text, "1");
    EXPECT_EQ(controls.repainted, std::vector<int>{kScrollLinesBoxId});  // once: the "1" it wrote is not handled

    page.ScrollLinesEdited("");
    EXPECT_EQ(record[ProfileRecord::kScrollLines], 1);

    // Page mode disables the box; the arrows still count.
    (void)ClickAt(745, 230);
    EXPECT_EQ(record[ProfileRecord::kScrollMode], 1);
    EXPECT_FALSE(controls.children[kScrollLinesBoxId].enabled);
    EXPECT_EQ(canvas.LastAt("/MouseAttribute/ScrollSpeed/Enable.png"), (Point{744, 227}));
    (void)ClickAt(925, 195);
    EXPECT_EQ(record[ProfileRecord::kScrollLines], 2);
    EXPECT_EQ(controls.children[kScrollLinesBoxId].text, "2");

    // Opening DPI above moves the panel, and the box with it.
    (void)ClickAt(740, 40);
    ASSERT_TRUE(controls.Has(kScrollLinesBoxId));
    EXPECT_EQ(controls.children[kScrollLinesBoxId].args.rect, (Rect{884, 426, 920, 440}));
    EXPECT_EQ(controls.children[kScrollLinesBoxId].text, "2");
}

TEST_F(MainPageTest, ThumbSwitchesToTheBottomViewAndBack)
{
    (void)ClickAt(740, 40);   // DPI
    (void)ClickAt(740, 300);  // USB Report Rate, under the DPI panel: the column is full
    EXPECT_EQ(controls.moves.back(), (std::pair{kScrollThumbId, kScrollThumb}));

    canvas.Clear();
    page.ThumbMoved(313, canvas);
    EXPECT_EQ(page.State().rightView, RightView::kBottom);
    EXPECT_FALSE(controls.Has(71));
    EXPECT_TRUE(canvas.Drew("/ItemBK.png", {734, 32}));  // "Mouse Speed" in the place of "DPI Setting"
    EXPECT_EQ(canvas.texts.front().text, "Mouse Speed");

    page.ThumbMoved(312, canvas);
    EXPECT_EQ(page.State().rightView, RightView::kTop);
    EXPECT_TRUE(controls.Has(71));
}

TEST_F(MainPageTest, LayoutResetClosesEveryTransientControl)
{
    (void)ClickAt(30, 110);   // Button Assignment
    (void)ClickAt(510, 530);  // Side
    EXPECT_EQ(rows.drawnFor, (std::vector{MouseView::kFront, MouseView::kSide}));
    EXPECT_TRUE(canvas.Drew("/ButtonAssignment/BK_ButtonAssignment-Side.png", {20, 127}));
    (void)ClickAt(740, 40);
    (void)ClickAt(740, 400);  // "Scroll Speed" below the DPI panel
    ASSERT_TRUE(controls.Has(kScrollLinesBoxId));

    canvas.Clear();
    controls.moves.clear();
    rows.closes = 0;
    page.ResetLayout(canvas);
    EXPECT_FALSE(controls.Has(71) || controls.Has(kScrollLinesBoxId));
    EXPECT_EQ(rows.closes, 1);
    EXPECT_EQ(controls.moves, (std::vector{std::pair{kScrollThumbId, kScrollThumb}}));
    EXPECT_EQ(page.State().mouseView, MouseView::kFront);
    EXPECT_EQ(page.State().open, RightFlags{});
    EXPECT_TRUE(canvas.Drew("/main.png", {0, 0}));
    EXPECT_TRUE(canvas.Drew("/button-mouse-leave.png", kFrontSwitch.TopLeft()));
}

TEST_F(MainPageTest, OpenAssignmentListsCloseWhenTheirButtonsMayNoLongerBeShown)
{
    struct Case {
        const char* what;
        Point click;
        int closes;
    };
    (void)ClickAt(30, 110);  // Button Assignment opens
    for (const Case& c : {Case{"Side view", {510, 530}, 1}, Case{"Front view", {440, 530}, 1},
                          Case{"Macro Manager below the panel", {30, 290}, 1}, Case{"folding in", {30, 110}, 1},
                          Case{"unfolding", {30, 110}, 0}}) {
        rows.closes = 0;
        (void)ClickAt(c.click.x, c.click.y);
        EXPECT_EQ(rows.closes, c.closes) << c.what;
    }
}

TEST_F(MainPageTest, SaveWaitsForTheBusyTimerAndClicksBeforeStartUpOnlyDrag)
{
    EXPECT_EQ(ClickAt(930, 610).actions, std::vector<WindowAction>{RunSave{}});
    EXPECT_TRUE(ClickAt(930, 610).actions.empty());
    page.ClearBusy();
    EXPECT_EQ(ClickAt(930, 610).actions, std::vector<WindowAction>{RunSave{}});

    MainPage early{{record, skin, language, controls, images}};
    const ClickOutcome outcome = early.Click({800, 610}, canvas);
    EXPECT_TRUE(outcome.actions.empty());
    EXPECT_TRUE(outcome.dragWindow);
}

TEST_F(MainPageTest, ADamagedReportIntervalShowsNoRate)
{
    record[ProfileRecord::kReportInterval] = 0;
    (void)ClickAt(740, 90);
    EXPECT_TRUE(canvas.Drew("/USBReportRate/BK_USBReportRate.png", {734, 102}));
    EXPECT_EQ(std::ranges::count_if(canvas.images, [](const auto& i) { return i.name.ends_with("HZ.png"); }), 0);
    (void)ClickAt(876, 143);  // the upper right quadrant of the dial
    EXPECT_EQ(record[ProfileRecord::kReportInterval], 1);
    EXPECT_EQ(canvas.LastAt("/USBReportRate/1000HZ.png"), (Point{791, 107}));
}

TEST(ThumbMessageTest, TakesTheTopAsASignedIntAndIgnoresOtherSenders)
{
    EXPECT_EQ(ThumbTopFromMessage(313, 0), 313);
    EXPECT_EQ(ThumbTopFromMessage(static_cast<std::uint64_t>(-5), 0), -5);
    EXPECT_EQ(ThumbTopFromMessage(0xFFFFFFFFu, 0), -1);
    EXPECT_EQ(ThumbTopFromMessage(313, 1), std::nullopt);
}

}  // namespace
}  // namespace zalvane::pages
