#include "pages/macro_manager_painter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "unit/pages/page_test_support.h"

namespace zalvane::pages {
namespace {

using assign::kDelayTick;
using assign::kLoopTick;
using assign::kMacroCancel;
using assign::kMacroClose;
using assign::kMacroDelete;
using assign::kMacroNew;
using assign::kMacroOk;
using assign::kRecordButton;
using assign::MacroManagerArea;
using pages::testing::RecordingCanvas;
using ui::Rect;

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
         {.language = language::Language::kTraditionalChinese, .recording = true, .hot = MacroManagerArea::kRecord},
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

}  // namespace
}  // namespace zalvane::pages
