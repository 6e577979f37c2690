#include "language/language_tables.h"

#include <array>

namespace zalvane::language {
namespace {

struct SlotRow {
    TextSlot slot;
    std::string_view english;
    std::string_view simplified;
    std::string_view traditional;
};

// One row per slot, in slot order. The Traditional column deliberately keeps "双击" in
// simplified characters.
constexpr std::array<SlotRow, kTextSlotCount> kSlotRows{{
    {TextSlot::kAppTitle, "Zalvane Gaming Mouse", "Zalvane Gaming Mouse", "Zalvane Gaming Mouse"},
    {TextSlot::kReset, "Reset", "恢复", "恢復"},
    {TextSlot::kCancel, "Cancel", "取消", "取消"},
    {TextSlot::kSave, "Save", "保存", "保存"},
    {TextSlot::kConfig, "Config", "配置", "配置"},
    {TextSlot::kFront, "Front", "正面", "正面"},
    {TextSlot::kSide, "Side", "侧面", "側面"},
    {TextSlot::kButtonAssignment, "Button Assignment", "按钮分配", "按鈕分配"},
    {TextSlot::kMacroManager, "Macro Manager", "宏管理器", "宏管理器"},
    {TextSlot::kXySensitivitySetting, "X/Y Sensitivity Setting", "X/Y轴设置", "X/Y軸設置"},
    {TextSlot::kDpiSetting, "DPI Setting", "DPI 设置", "DPI 設置"},
    {TextSlot::kLighting, "Lighting", "照明", "照明"},
    {TextSlot::kUsbReportRate, "USB Report Rate", "USB输出报告率", "USB輸出報告率"},
    {TextSlot::kMouseSpeed, "Mouse Speed", "鼠标速度", "滑鼠移動速度"},
    {TextSlot::kDoubleClickSpeed, "Double Click Speed", "双击速度", "滑鼠雙擊速度"},
    {TextSlot::kScrollSpeed, "Scroll Speed", "鼠标滚轮速度", "滑鼠滾動速度"},
    {TextSlot::kAngleSnap, "Angle Snap", "角度捕捉", "角度捕捉"},
    {TextSlot::kGestureCorrection, "Gesture Correction", "手势修正", "手勢修正"},
    {TextSlot::kXAxis, "X axis", "X轴", "X軸"},
    {TextSlot::kYAxis, "Y axis", "Y轴", "Y軸"},
    {TextSlot::kButton1, "Button 1", "按钮1", "按鈕1"},
    {TextSlot::kButton2, "Button 2", "按钮2", "按鈕2"},
    {TextSlot::kButton3, "Button 3", "按钮3", "按鈕3"},
    {TextSlot::kButton4, "Button 4", "按钮4", "按鈕4"},
    {TextSlot::kButton5, "Button 5", "按钮5", "按鈕5"},
    {TextSlot::kButton6, "Button 6", "按钮6", "按鈕6"},
    {TextSlot::kButton7, "Button 7", "按钮7", "按鈕7"},
    {TextSlot::kButtonS1, "Button S1", "按钮S1", "按鈕S1"},
    {TextSlot::kButtonS2, "Button S2", "按钮S2", "按鈕S2"},
    {TextSlot::kButtonS3, "Button S3", "按钮S3", "按鈕S3"},
    {TextSlot::kButtonS4, "Button S4", "按钮S4", "按鈕S4"},
    {TextSlot::kButtonS5, "Button S5", "按钮S5", "按鈕S5"},
    {TextSlot::kButtonS6, "Button S6", "按钮S6", "按鈕S6"},
    {TextSlot::kButtonS7, "Button S7", "按钮S7", "按鈕S7"},
    {TextSlot::kButtonS8, "Button S8", "按钮S8", "按鈕S8"},
    {TextSlot::kButtonS9, "Button S9", "按钮S9", "按鈕S9"},
    {TextSlot::kButtonS10, "Button S10", "按钮S10", "按鈕S10"},
    {TextSlot::kButtonS11, "Button S11", "按钮S11", "按鈕S11"},
    {TextSlot::kButtonS12, "Button S12", "按钮S12", "按鈕S12"},
    {TextSlot::kDpiPlus, "DPI +", "DPI +", "DPI +"},
    {TextSlot::kDpiMinus, "DPI -", "DPI -", "DPI -"},
    {TextSlot::kSlow, "Slow", "慢", "慢"},
    {TextSlot::kFast, "Fast", "快", "快"},
    {TextSlot::kNumberOfRows, "The number of rows", "一次滚动行数", "一次滾動行數"},
    {TextSlot::kScrollOneScreen, "Scroll one screen", "一次滚动一个屏幕", "一次滾動一個螢幕"},
    {TextSlot::kOn, "On", "开启", "開啟"},
    {TextSlot::kOff, "Off", "关闭", "關閉"},
    {TextSlot::kStandard, "Standard", "标准模式", "標準模式"},
    {TextSlot::kRespiration, "Respiration", "呼吸模式", "呼吸模式"},
    {TextSlot::kNeon, "Neon", "霓虹模式", "霓虹模式"},
    {TextSlot::kClick, "Click", "左键", "左鍵"},
    {TextSlot::kMenu, "Menu", "右键", "右鍵"},
    {TextSlot::kUniversalScroll, "Universal Scroll", "中键", "中鍵"},
    {TextSlot::kIeForward, "IE Forward", "前进方向键", "前進方向鍵"},
    {TextSlot::kIeBackward, "IE Backward", "后退方向键", "後退方向鍵"},
    {TextSlot::kCpiCycle, "CPI Cycle", "DPI切换", "DPI切換"},
    {TextSlot::kLeftTitleScroll, "Left Title Scroll", "左摇摆滚轮", "左搖擺滾輪"},
    {TextSlot::kRightTitleScroll, "Right Title Scroll", "右摇摆滚轮", "右搖擺滾輪"},
    {TextSlot::kWindows, "Windows", "Windows", "Windows"},
    {TextSlot::kMultimedia, "Multimedia", "多媒体", "多媒體"},
    {TextSlot::kHotKey, "HotKey", "快捷键", "快速鍵"},
    {TextSlot::kSingleKey, "Single Key", "单键", "單鍵"},
    {TextSlot::kComboKey, "Combo Key", "组合键", "複合鍵"},
    {TextSlot::kMacroKey, "Macro Key", "宏", "巨集"},
    {TextSlot::kButtonOff, "Button Off", "按键关闭", "按鍵關閉"},
    {TextSlot::kDoubleClick, "Double Click", "双击", "双击"},
    {TextSlot::kLeftKeyMustBeSelected, "Left key must be selected!", "左键功能必须选择！", "左鍵功能必須選擇！"},
    {TextSlot::kSwitchDpiFirstStage, "Switch DPI into the first stage ", "DPI切换到第一段 ", "DPI切換到第一段 "},
    {TextSlot::kSwitchDpiSecondStage, "Switch DPI into the second stage ", "DPI切换到第二段 ", "DPI切換到第二段 "},
    {TextSlot::kSwitchDpiThirdStage, "Switch DPI into the third stage ", "DPI切换到第三段 ", "DPI切換到第三段 "},
    {TextSlot::kSwitchDpiFourthStage, "Switch DPI into the fourth stage ", "DPI切换到第四段 ", "DPI切換到第四段 "},
    {TextSlot::kSwitchDpiFifthStage, "Switch DPI into the fifth stage ", "DPI切换到第五段 ", "DPI切換到第五段 "},
    {TextSlot::kSwitchDpiSixthStage, "Switch DPI into the sixth stage ", "DPI切换到第六段 ", "DPI切換到第六段 "},
    {TextSlot::kSwitchDpiSeventhStage, "Switch DPI into the seventh stage ", "DPI切换到第七段 ", "DPI切換到第七段 "},
    {TextSlot::kSwitchToMacroKey, "Switch to macro key", "切换到宏", "切換到巨集"},
    {TextSlot::kExit, "Exit", "退出", "退出"},
    {TextSlot::kMouseNotDetected, "The system did not detect the gaming mouse!", "系统没有检测到游戏鼠标！",
     "系統沒有檢測到遊戲滑鼠！"},
    {TextSlot::kMouseDetected, "The system detect the gaming mouse.", "系统检测到游戏鼠标。", "系統檢測到遊戲滑鼠。"},
    {TextSlot::kMacrosCutToFit,
     "These macros are too long for the mouse and were cut to fit; the macro file keeps every line:",
     "以下宏太长，已截短以适合鼠标（宏文件仍保留所有行）：",
     "以下巨集太長，已截短以適合滑鼠（巨集檔案仍保留所有行）："},
    {TextSlot::kMacroEventsLeftOut, "\"{name}\": {count} event(s) left out", "“{name}”：省略了 {count} 个事件",
     "「{name}」：省略了 {count} 個事件"},
    {TextSlot::kOnlyFirstNineteenMacrosSent, "Only the first 19 macros are sent to the mouse.",
     "只有前 19 个宏会写入鼠标。", "只有前 19 個巨集會寫入滑鼠。"},
}};

constexpr bool RowsFollowSlotOrder()
{
    for (std::size_t i = 0; i < kSlotRows.size(); ++i) {
        if (static_cast<std::size_t>(kSlotRows[i].slot) != i) {
            return false;
        }
    }
    return true;
}
static_assert(RowsFollowSlotOrder(), "every slot has its row, in slot order");

constexpr std::size_t kFrontButtonCount = 7;
constexpr std::size_t kSideButtonCount = 12;
constexpr unsigned kStageCount = 7;

}  // namespace

std::string_view SlotText(TextSlot slot, Language language)
{
    const auto index = static_cast<std::size_t>(slot);
    if (index >= kSlotRows.size()) {
        return {};
    }
    const SlotRow& row = kSlotRows[index];
    return InLanguage(language, row.english, row.simplified, row.traditional);
}

std::optional<TextSlot> ButtonNameSlot(std::size_t button)
{
    static_assert(static_cast<std::size_t>(TextSlot::kButtonS12) - static_cast<std::size_t>(TextSlot::kButton1) + 1 ==
                  kFrontButtonCount + kSideButtonCount);
    if (button >= kFrontButtonCount + kSideButtonCount) {
        return std::nullopt;
    }
    return static_cast<TextSlot>(static_cast<std::size_t>(TextSlot::kButton1) + button);
}

std::optional<TextSlot> DpiStageSwitchSlot(unsigned stage)
{
    static_assert(static_cast<unsigned>(TextSlot::kSwitchDpiSeventhStage) -
                      static_cast<unsigned>(TextSlot::kSwitchDpiFirstStage) + 1 ==
                  kStageCount);
    if (stage < 1 || stage > kStageCount) {
        return std::nullopt;
    }
    return static_cast<TextSlot>(static_cast<unsigned>(TextSlot::kSwitchDpiFirstStage) + stage - 1);
}

}  // namespace zalvane::language
