#include "assign/macro_manager_layout.h"

#include <gtest/gtest.h>

#include "assign/macro_manager_texts.h"

namespace zalvane::assign {
namespace {

TEST(MacroManagerLayoutTest, ClicksFindTheirAreaAndFreeSpotsNone)
{
    EXPECT_EQ(MacroManagerAreaAt({298, 394}), MacroManagerArea::kOk);
    EXPECT_EQ(MacroManagerAreaAt({352, 394}), std::nullopt);  // the gap between OK and Cancel
    EXPECT_EQ(MacroManagerAreaAt({354, 421}), MacroManagerArea::kCancel);
    EXPECT_EQ(MacroManagerAreaAt({383, 157}), MacroManagerArea::kDelayOption);
    EXPECT_EQ(MacroManagerAreaAt({330, 320}), std::nullopt);  // the loop label is no tick box
    EXPECT_EQ(MacroManagerAreaAt({300, 100}), MacroManagerArea::kRecord);
    EXPECT_EQ(MacroManagerAreaAt({5, 5}), std::nullopt);
    EXPECT_EQ(MacroManagerTextIn(MacroManagerText::kMacroLimit, language::Language::kSimplifiedChinese),
              "最多可以新建19个宏。");
    EXPECT_EQ(RecordHookErrorText(5), "JournalRecordHook Install error code :5\n");
}

}  // namespace
}  // namespace zalvane::assign
