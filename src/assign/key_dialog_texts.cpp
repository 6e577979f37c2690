#include "assign/key_dialog_texts.h"

#include <array>

#include "assign/function_lists.h"

namespace zalvane::assign {
namespace {

using language::InLanguage;
using language::Language;

std::string_view Cancel(Language language) { return InLanguage(language, "Cancel", "取消", "取消"); }

constexpr std::array<std::array<std::string_view, 3>, 3> kRepeatModes{{
    {"Repeat a specified number of times or press any key to end", "重复指定次数或按任意键结束",
     "重複指定次數或按任意鍵結束"},
    {"Repeat until press any key to end", "重复直到按任意键结束", "重複直到按任意鍵結束"},
    {"Repeat until the key is released", "重复直到该按键松开结束", "重複直到該按鍵鬆開結束"},
}};

}  // namespace

KeyDialogTexts TextsOf(KeyDialog dialog, Language language)
{
    switch (dialog) {
        case KeyDialog::kComboKey:
            return {FunctionText(ActionType::kComboKey, language),
                    InLanguage(language, "OK", "确定", "確定"),
                    Cancel(language),
                    {}};
        case KeyDialog::kMacroKey:
            return {FunctionText(ActionType::kMacroKey, language), InLanguage(language, "Ok", "确定", "確定"),
                    Cancel(language),
                    InLanguage(language, "Please select a macro", "请从列表框选择一个宏", "請從清單方塊選擇一個巨集")};
        case KeyDialog::kSingleKey:
            break;
    }
    return {FunctionText(ActionType::kSingleKey, language), InLanguage(language, "Ok", "确定", "確定"),
            Cancel(language), InLanguage(language, "Please enter a key", "请输入一个按键", "請輸入一個按鍵")};
}

std::string_view RepeatModeText(int mode, Language language)
{
    if (mode < 0 || mode >= static_cast<int>(kRepeatModes.size())) {
        return {};
    }
    const auto& texts = kRepeatModes[static_cast<std::size_t>(mode)];
    return InLanguage(language, texts[0], texts[1], texts[2]);
}

std::string_view ImageErrorCaption(KeyDialog dialog)
{
    switch (dialog) {
        case KeyDialog::kComboKey:
            return "Combo Dialog Load background image failed!!!";
        case KeyDialog::kMacroKey:
            return "Macro Key Dialog Load background image failed!!!";
        case KeyDialog::kSingleKey:
            break;
    }
    return "Single Key Dialog Load background image failed!!!";
}

std::string HookErrorText(KeyDialog dialog, unsigned long errorCode)
{
    const std::string code = std::to_string(errorCode);
    switch (dialog) {
        case KeyDialog::kSingleKey:
            return "KeyboardHook_SingleDlgKey Install error code :" + code + "\n";
        case KeyDialog::kComboKey:
            return "KeyboardHook_ComboDlg Install error code :" + code + "\n";
        case KeyDialog::kMacroKey:
            break;
    }
    return {};
}

}  // namespace zalvane::assign
