#include "assign/macro_manager_painter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "assign/macro_manager_texts.h"
#include "unit/pages/page_test_support.h"

namespace zalvane::assign {
namespace {

using pages::testing::RecordingCanvas;

struct Case {
    const char* what;
    MacroManagerLook look;
    std::vector<std::pair<std::string, Rect>> images;  // expected among the images drawn
    std::vector<std::string> texts;                    // expected among the texts drawn
};

TEST(MacroManagerPainterTest, DrawsEachAreaInItsLookAndTheTextsOfTheState)
{
    ui::SkinState skin;
    skin.root = std::string(pages::testing::kSkinRoot);
    const Case cases[] = {
        {"at rest",
         {},
         {{"/MacroManagement/Record-normal.png", kRecordButton},
          {"/MacroManagement/button-cancel-normal.png", kMacroOk},
          {"/MacroManagement/button-cancel-normal.png", kMacroCancel},
          {"/MacroManagement/button-new-normal.png", kMacroNew},
          {"/MacroManagement/button-new-normal.png", kMacroDelete},
          {"/macro-button-close-normal.png", kMacroClose},
          {"/MacroManagement/Pane.png", kDelayTick},
          {"/MacroManagement/Pane.png", kLoopTick}},
         {"Macro Manager", "Select Macro", "Key Press Sequence", "Record Option", "Start Recording", "OK", "Cancel",
          "New", "Delete", "Record delays between key commands", "Loop Times"}},
        {"hot Cancel, options on",
         {.recordDelays = true, .loopOption = true, .hot = MacroManagerArea::kCancel},
         {{"/MacroManagement/button-cancel-normal.png", kMacroOk},
          {"/MacroManagement/button-cancel-over.png", kMacroCancel},
          {"/MacroManagement/PaneMakingTick.png", kDelayTick},
          {"/MacroManagement/PaneMakingTick.png", kLoopTick}},
         {}},
        {"the close area hot", {.hot = MacroManagerArea::kClose}, {{"/macro-button-close-over.png", kMacroClose}}, {}},
        {"recording, Traditional Chinese; the record button has no over image",
         {.language = dialogs::Language::TraditionalChinese, .recording = true, .hot = MacroManagerArea::kRecord},
         {{"/MacroManagement/Record-normal.png", kRecordButton}},
         {"按Ctrl+Break 停止錄製", "停止錄製", "選擇巨集", "確定"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        RecordingCanvas canvas;
        PaintMacroManager(canvas, skin, c.look);
        EXPECT_EQ(canvas.images.size(), 8u);
        for (const auto& [name, rect] : c.images) {
            EXPECT_TRUE(canvas.Drew(name, rect.TopLeft())) << name;
        }
        for (const std::string& text : c.texts) {
            EXPECT_EQ(std::ranges::count_if(canvas.texts, [&](const auto& drawn) { return drawn.text == text; }), 1)
                << text;
        }
    }
}

TEST(MacroManagerPainterTest, ClicksFindTheirAreaAndFreeSpotsNone)
{
    EXPECT_EQ(MacroManagerAreaAt({298, 394}), MacroManagerArea::kOk);
    EXPECT_EQ(MacroManagerAreaAt({352, 394}), std::nullopt);  // the gap between OK and Cancel
    EXPECT_EQ(MacroManagerAreaAt({354, 421}), MacroManagerArea::kCancel);
    EXPECT_EQ(MacroManagerAreaAt({383, 157}), MacroManagerArea::kDelayOption);
    EXPECT_EQ(MacroManagerAreaAt({330, 320}), std::nullopt);  // the loop label is no tick box
    EXPECT_EQ(MacroManagerAreaAt({300, 100}), MacroManagerArea::kRecord);
    EXPECT_EQ(MacroManagerAreaAt({5, 5}), std::nullopt);
    EXPECT_EQ(MacroManagerTextIn(MacroManagerText::kMacroLimit, dialogs::Language::SimplifiedChinese),
              "最多可以新建19个宏。");
    EXPECT_EQ(RecordHookErrorText(5), "JournalRecordHook Install error code :5\n");
}

}  // namespace
}  // namespace zalvane::assign
