#include "dialogs/dialog_texts.h"

#include <gtest/gtest.h>

#include "dialogs/config_dialog_layout.h"
#include "dialogs/help_panel.h"

namespace zalvane::dialogs {
namespace {

TEST(DialogTextsTest, TextsThatAreEasyToGetWrong)
{
    const struct {
        DialogText text;
        language::Language language;
        std::string_view expected;
    } cases[] = {
        {DialogText::kConfigTitle, language::Language::kEnglish, "Configuration"},
        {DialogText::kProfileLimit, language::Language::kEnglish, "Profile numbers up to 6."},
        {DialogText::kProfileLimit, language::Language::kTraditionalChinese, "最多可以存儲6個配置。"},
        {DialogText::kDelete, language::Language::kTraditionalChinese, "刪除"},
        {DialogText::kDelete, language::Language::kSimplifiedChinese, "删除"},
        {DialogText::kLoad, language::Language::kTraditionalChinese, "載入"},
        {DialogText::kCopy, language::Language::kSimplifiedChinese, "复制"},
        {DialogText::kHelpOk, language::Language::kEnglish, "Ok"},
        {DialogText::kHelpOk, language::Language::kTraditionalChinese, "確定"},
        {DialogText::kWarning, language::Language::kSimplifiedChinese, "警告"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DialogTextIn(c.text, c.language), c.expected) << static_cast<int>(c.text);
    }
    EXPECT_EQ(kHelpVersionText,
              "Version\xEF\xBC\x9A"
              "1.0");
    EXPECT_FALSE(SiteAddress().empty());
}

TEST(DialogClicksTest, ConfigAndHelpAreas)
{
    EXPECT_EQ(ConfigClickAt({240, 8}), ConfigClick::kClose);
    EXPECT_EQ(ConfigClickAt({255, 8}), ConfigClick::kNone);
    EXPECT_EQ(ConfigClickAt({0, 575}), ConfigClick::kNew);
    EXPECT_EQ(ConfigClickAt({100, 300}), ConfigClick::kNone);
    EXPECT_EQ(HelpClickAt({260, 260}), HelpClick::kOk);
    EXPECT_EQ(HelpClickAt({320, 260}), HelpClick::kCancel);
    EXPECT_EQ(HelpClickAt({360, 10}), HelpClick::kClose);
    EXPECT_EQ(HelpClickAt({10, 10}), HelpClick::kAddress);
    EXPECT_EQ(HelpClickAt({10, 30}), HelpClick::kNone);  // the update line is text only
}

TEST(HelpPanelHoverTest, OkAndCancelTakeOverFromEachOther)
{
    using ui::HoverLook;
    HelpPanelHover hover;
    EXPECT_TRUE(hover.PointerMoved({260, 260}).armTracking);
    EXPECT_EQ(hover.Hovered({260, 260}).steps, (std::vector<HelpHoverStep>{{HelpHotElement::kOk, HoverLook::kOver}}));
    EXPECT_TRUE(hover.Hovered({261, 260}).steps.empty());
    EXPECT_EQ(hover.Hovered({360, 10}).steps, (std::vector<HelpHoverStep>{{HelpHotElement::kClose, HoverLook::kOver}}));
    EXPECT_EQ(hover.Hovered({320, 260}).steps, (std::vector<HelpHoverStep>{{HelpHotElement::kCancel, HoverLook::kOver},
                                                                           {HelpHotElement::kOk, HoverLook::kNormal}}));
    EXPECT_EQ(hover.PointerMoved({100, 100}).steps,
              (std::vector<HelpHoverStep>{{HelpHotElement::kClose, HoverLook::kNormal},
                                          {HelpHotElement::kCancel, HoverLook::kNormal}}));
    EXPECT_TRUE(hover.PointerMoved({100, 100}).steps.empty());
}

}  // namespace
}  // namespace zalvane::dialogs
