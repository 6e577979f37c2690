#include "assign/macro_manager_texts.h"

#include <array>
#include <cstddef>

namespace zalvane::assign {
namespace {

struct TextRow {
    MacroManagerText text;
    std::string_view english;
    std::string_view simplified;
    std::string_view traditional;
};

// One row per text, in enumeration order. The Simplified column keeps "按鍵序列" and "刪除"
// as the manager has always shown them.
constexpr std::array<TextRow, 21> kRows{{
    {MacroManagerText::kOk, "OK", "确定", "確定"},
    {MacroManagerText::kCancel, "Cancel", "取消", "取消"},
    {MacroManagerText::kTitle, "Macro Manager", "宏管理器", "巨集管理器"},
    {MacroManagerText::kSelectMacro, "Select Macro", "选择宏", "選擇巨集"},
    {MacroManagerText::kKeyPressSequence, "Key Press Sequence", "按鍵序列", "按鍵序列"},
    {MacroManagerText::kRecordOption, "Record Option", "录制选项", "錄製選項"},
    {MacroManagerText::kRecordDelays, "Record delays between key commands", "记录按键动作间的延迟",
     "記錄按鍵動作間的延遲"},
    {MacroManagerText::kLoopTimes, "Loop Times", "循环次数", "迴圈次數"},
    {MacroManagerText::kNew, "New", "新建", "新建"},
    {MacroManagerText::kDelete, "Delete", "刪除", "刪除"},
    {MacroManagerText::kNameStem, "Macro", "宏", "巨集"},
    {MacroManagerText::kStartRecording, "Start Recording", "开始录制", "開始錄製"},
    {MacroManagerText::kStopRecording, "Stop Recording", "停止录制", "停止錄製"},
    {MacroManagerText::kRecordingTitle, "Press Ctrl+Break key to stop recording", "按 Ctrl+Break 停止录制",
     "按Ctrl+Break 停止錄製"},
    {MacroManagerText::kInsertLeft, "Insert the left Button", "插入鼠标左键", "插入滑鼠左鍵"},
    {MacroManagerText::kInsertMiddle, "Insert the middle Button", "插入鼠标中键", "插入滑鼠中鍵"},
    {MacroManagerText::kInsertRight, "Insert the right button", "插入鼠标右键", "插入滑鼠右鍵"},
    {MacroManagerText::kInsertDelay, "Insert Delay", "插入延时", "插入延時"},
    {MacroManagerText::kWarning, "Warning", "警告", "警告"},
    {MacroManagerText::kMacroLimit, "Macro numbers up to 19.", "最多可以新建19个宏。", "最多可以新建19個巨集。"},
    {MacroManagerText::kFileNotWritten, "The macro file could not be written; the last change is not saved.",
     "无法写入宏文件，最近的更改未保存。", "無法寫入巨集檔案，最近的變更未儲存。"},
}};

constexpr bool RowsFollowTextOrder()
{
    for (std::size_t i = 0; i < kRows.size(); ++i) {
        if (static_cast<std::size_t>(kRows[i].text) != i) {
            return false;
        }
    }
    return static_cast<std::size_t>(MacroManagerText::kFileNotWritten) + 1 == kRows.size();
}
static_assert(RowsFollowTextOrder(), "every text has its row, in enumeration order");

}  // namespace

std::string_view MacroManagerTextIn(MacroManagerText text, language::Language language)
{
    const TextRow& row = kRows.at(static_cast<std::size_t>(text));
    return language::InLanguage(language, row.english, row.simplified, row.traditional);
}

std::string RecordHookErrorText(unsigned long errorCode)
{
    return "JournalRecordHook Install error code :" + std::to_string(errorCode) + "\n";
}

}  // namespace zalvane::assign
