#include "assign/function_lists.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string_view>
#include <vector>

namespace zalvane::assign {
namespace {

using language::Language;

constexpr Language kLanguages[] = {Language::kEnglish, Language::kSimplifiedChinese, Language::kTraditionalChinese};

TEST(FunctionListsTest, EntriesFollowTheActionTypes)
{
    const std::string_view english[kFunctionCount] = {
        "Click",       "Menu",         "Universal Scroll",  "IE Forward",
        "IE Backward", "Double Click", "CPI Cycle",         "Multimedia",
        "HotKey",      "Windows",      "Single Key",        "Combo Key",
        "Macro Key",   "Button Off",   "Left Title Scroll", "Right Title Scroll",
    };
    for (std::size_t type = 0; type < kFunctionCount; ++type) {
        EXPECT_EQ(FunctionText(static_cast<ActionType>(type), Language::kEnglish), english[type]) << type;
        for (Language language : kLanguages) {
            EXPECT_FALSE(FunctionText(static_cast<ActionType>(type), language).empty()) << type;
        }
    }
    EXPECT_TRUE(FunctionText(static_cast<ActionType>(kFunctionCount), Language::kEnglish).empty());
}

TEST(FunctionListsTest, OnlyEntriesSixToNineOpenASecondList)
{
    for (std::size_t type = 0; type < kFunctionCount; ++type) {
        const auto list = SecondListOf(static_cast<ActionType>(type));
        EXPECT_EQ(list.has_value(), type >= 6 && type <= 9) << type;
        if (list) {
            EXPECT_EQ(static_cast<std::size_t>(ActionTypeOf(*list)), type);
        }
    }
}

struct SecondListCase {
    SecondList list;
    std::vector<std::string_view> english;
    std::vector<std::uint8_t> values;
};

TEST(FunctionListsTest, SecondListValuesMatchTheirEntriesInOrder)
{
    const SecondListCase cases[] = {
        {SecondList::kDpi, {"DPI +", "DPI -", "DPI Loop"}, {1, 2, 3}},
        {SecondList::kMultimedia,
         {"Media player", "Next Track", "Pre Track", "Stop", "Play/Pause", "Mute", "Volume Up", "Volume Down"},
         {0x83, 0xB5, 0xB6, 0xB7, 0xCD, 0xE2, 0xE9, 0xEA}},
        {SecondList::kHotKey,
         {"New", "Cut", "Copy", "Paste", "Save", "Print", "Find", "Redo", "Undo", "Select All"},
         {0x11, 0x1B, 0x06, 0x19, 0x16, 0x13, 0x09, 0x1C, 0x1D, 0x04}},
        {SecondList::kWindowsCommand,
         {"My computer", "Browser-Home", "Search", "Maximum", "Minimum", "Show desktop", "Run"},
         {0, 1, 2, 3, 4, 5, 6}},
    };
    for (const auto& c : cases) {
        const auto entries = SecondListEntries(c.list);
        ASSERT_EQ(entries.size(), c.values.size()) << static_cast<int>(c.list);
        for (std::size_t i = 0; i < entries.size(); ++i) {
            EXPECT_EQ(EntryText(entries[i], Language::kEnglish), c.english[i]);
            EXPECT_EQ(entries[i].value, c.values[i]) << c.english[i];
            for (Language language : kLanguages) {
                EXPECT_FALSE(EntryText(entries[i], language).empty()) << c.english[i];
            }
        }
    }
}

TEST(FunctionListsTest, SecondListTextsPerLanguage)
{
    const struct {
        SecondList list;
        std::size_t index;
        std::string_view simplified;
        std::string_view traditional;
    } cases[] = {
        {SecondList::kMultimedia, 4, "播放/暂停", "播放/暫停"},
        {SecondList::kHotKey, 5, "打印", "列印"},
        {SecondList::kWindowsCommand, 1, "浏览器-主页", "瀏覽器-主頁"},
    };
    for (const auto& c : cases) {
        const auto& entry = SecondListEntries(c.list)[c.index];
        EXPECT_EQ(EntryText(entry, Language::kSimplifiedChinese), c.simplified);
        EXPECT_EQ(EntryText(entry, Language::kTraditionalChinese), c.traditional);
    }
}

TEST(FunctionListsTest, FirstRunCaptionsInEachLanguage)
{
    const struct {
        Language language;
        std::string_view firstFive[5];
        std::string_view off;
    } cases[] = {
        {Language::kEnglish,
         {"Click", "Menu", "Right Title Scroll", "Left Title Scroll", "Universal Scroll"},
         "Button Off"},
        {Language::kSimplifiedChinese, {"左键", "右键", "右摇摆滚轮", "左摇摆滚轮", "中键"}, "按键关闭"},
        {Language::kTraditionalChinese, {"左鍵", "右鍵", "右搖擺滾輪", "左搖擺滾輪", "中鍵"}, "按鍵關閉"},
    };
    for (const auto& c : cases) {
        const auto captions = FirstRunCaptions(c.language);
        for (std::size_t i = 0; i < 5; ++i) {
            EXPECT_EQ(captions[i], c.firstFive[i]) << i;
        }
        EXPECT_EQ(captions[5], "DPI +");
        EXPECT_EQ(captions[6], "DPI -");
        for (std::size_t i = 7; i < captions.size(); ++i) {
            EXPECT_EQ(captions[i], c.off) << i;
        }
    }
}

}  // namespace
}  // namespace zalvane::assign
