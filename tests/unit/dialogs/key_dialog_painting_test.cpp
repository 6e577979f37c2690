// What the key dialogs draw on their backgrounds.

#include "dialogs/key_dialog_painting.h"

#include <gtest/gtest.h>

#include "assign/key_dialog_layout.h"
#include "unit/pages/page_test_support.h"

namespace zalvane::dialogs {
namespace {

using assign::KeyDialog;
using assign::KeyDialogTexts;
using assign::kKeyDialogCancel;
using assign::kKeyDialogClose;
using assign::kKeyDialogOk;
using assign::kMacroKeyArea;
using assign::TextsOf;

using pages::testing::kSkinRoot;
using pages::testing::RecordingCanvas;

class KeyDialogPaintingTest : public ::testing::Test {
protected:
    KeyDialogPaintingTest() { m_skin.root = std::string(kSkinRoot); }

    ui::SkinState m_skin;
    RecordingCanvas m_canvas;
};

TEST_F(KeyDialogPaintingTest, TheButtonUnderThePointerShowsItsOverLook)
{
    struct Case {
        ui::Point point;
        std::string close;
        std::string ok;
        std::string cancel;
    };
    const std::string closeNormal = "/button-close-normal.png";
    const std::string normal = "/MacroManagement/button-new-normal.png";
    const std::string over = "/MacroManagement/button-new-over.png";
    const Case cases[] = {
        {{10, 10}, closeNormal, normal, normal},   {{352, 6}, "/button-close-over.png", normal, normal},
        {{307, 274}, closeNormal, over, normal},   {{314, 250}, closeNormal, normal, over},
        {{372, 262}, closeNormal, normal, normal},  // right of Cancel
    };
    const KeyDialogTexts texts = TextsOf(KeyDialog::kComboKey, language::Language::kTraditionalChinese);
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.point.x << "," << c.point.y);
        m_canvas.Clear();
        PaintKeyDialogFrame(m_canvas, m_skin, texts, KeyDialogButtonAt(c.point));
        ASSERT_EQ(m_canvas.images.size(), 3u);
        EXPECT_EQ(m_canvas.images[0], (RecordingCanvas::Image{c.close, kKeyDialogClose.TopLeft()}));
        EXPECT_EQ(m_canvas.images[1], (RecordingCanvas::Image{c.ok, kKeyDialogOk.TopLeft()}));
        EXPECT_EQ(m_canvas.images[2], (RecordingCanvas::Image{c.cancel, kKeyDialogCancel.TopLeft()}));
        ASSERT_EQ(m_canvas.texts.size(), 2u);
        EXPECT_EQ(m_canvas.texts[0].text, "確定");
        EXPECT_EQ(m_canvas.texts[1].rect, kKeyDialogCancel);
    }
}

TEST_F(KeyDialogPaintingTest, TheMacroDialogTicksItsModeAndShowsThePromptUntilAMacroIsShown)
{
    const KeyDialogTexts texts = TextsOf(KeyDialog::kMacroKey, language::Language::kEnglish);
    PaintMacroKeyContent(m_canvas, m_skin, language::Language::kEnglish, texts, 2, false);
    ASSERT_EQ(m_canvas.images.size(), 3u);
    EXPECT_EQ(m_canvas.images[0], (RecordingCanvas::Image{"/Pane.png", {220, 78}}));
    EXPECT_EQ(m_canvas.images[2], (RecordingCanvas::Image{"/PaneMakingTick.png", {220, 178}}));
    ASSERT_EQ(m_canvas.texts.size(), 4u);
    EXPECT_EQ(m_canvas.texts[0].text, "Please select a macro");
    EXPECT_EQ(m_canvas.texts[0].rect, kMacroKeyArea);
    EXPECT_EQ(m_canvas.texts[3].alignment, ui::TextAlignment::kLeftWrapped);

    m_canvas.Clear();
    PaintMacroKeyContent(m_canvas, m_skin, language::Language::kEnglish, texts, 0, true);
    EXPECT_EQ(m_canvas.texts.size(), 3u);  // the chosen macro's name stands where the prompt was
    EXPECT_EQ(m_canvas.images[0].name, "/PaneMakingTick.png");
}

}  // namespace
}  // namespace zalvane::dialogs
