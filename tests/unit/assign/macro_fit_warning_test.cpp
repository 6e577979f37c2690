#include "assign/macro_fit_warning.h"

#include <gtest/gtest.h>

namespace zalvane::assign {
namespace {

TEST(MacroFitWarningTest, NamesEachCutMacroAndTheMacrosPastNineteen)
{
    MacroAreaEncoding encoding;
    EXPECT_FALSE(MacroFitWarning(encoding, language::Language::kEnglish));

    encoding.cuts = {{2, "Jump", 5}, {4, "宏_{count}", 1}};
    EXPECT_EQ(MacroFitWarning(encoding, language::Language::kEnglish),
              "These macros are too long for the mouse and were cut to fit; the macro file keeps every line:\n"
              "\"Jump\": 5 event(s) left out\n"
              "\"宏_{count}\": 1 event(s) left out");
    encoding.macrosLeftOut = 3;
    EXPECT_EQ(MacroFitWarning(encoding, language::Language::kSimplifiedChinese),
              "以下宏太长，已截短以适合鼠标（宏文件仍保留所有行）：\n"
              "“Jump”：省略了 5 个事件\n"
              "“宏_{count}”：省略了 1 个事件\n\n"
              "只有前 19 个宏会写入鼠标。");
    encoding.cuts.clear();
    EXPECT_EQ(MacroFitWarning(encoding, language::Language::kTraditionalChinese), "只有前 19 個巨集會寫入滑鼠。");
}

}  // namespace
}  // namespace zalvane::assign
