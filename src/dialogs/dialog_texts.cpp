#include "dialogs/dialog_texts.h"

#include <array>

namespace zalvane::dialogs {
namespace {

struct TextRow {
    DialogText text;
    std::string_view english;
    std::string_view simplified;
    std::string_view traditional;
};

constexpr std::size_t kTextCount = static_cast<std::size_t>(DialogText::kHelpCancel) + 1;

constexpr std::array<TextRow, kTextCount> kRows{{
    {DialogText::kConfigTitle, "Configuration", "配置", "配置"},
    {DialogText::kNew, "New", "新建", "新建"},
    {DialogText::kDelete, "Delete", "删除", "刪除"},
    {DialogText::kEdit, "Edit", "编辑", "編輯"},
    {DialogText::kCopy, "Copy", "复制", "複製"},
    {DialogText::kLoad, "Load", "加载", "載入"},
    {DialogText::kSave, "Save", "保存", "保存"},
    {DialogText::kWarning, "Warning", "警告", "警告"},
    {DialogText::kProfileLimit, "Profile numbers up to 6.", "最多可以存储6个配置。", "最多可以存儲6個配置。"},
    {DialogText::kHelpOk, "Ok", "确定", "確定"},
    {DialogText::kHelpCancel, "Cancel", "取消", "取消"},
}};

constexpr bool RowsFollowTextOrder()
{
    for (std::size_t i = 0; i < kRows.size(); ++i) {
        if (static_cast<std::size_t>(kRows[i].text) != i) {
            return false;
        }
    }
    return true;
}
static_assert(RowsFollowTextOrder(), "every text has its row, in enum order");

}  // namespace

std::string_view DialogTextIn(DialogText text, language::Language language)
{
    const TextRow& row = kRows[static_cast<std::size_t>(text)];
    return language::InLanguage(language, row.english, row.simplified, row.traditional);
}

}  // namespace zalvane::dialogs
