#include "dialogs/language_tables.h"

#include <array>

namespace zalvane::dialogs {
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
    {TextSlot::AppTitle, "Zalvane Gaming Mouse", "Zalvane Gaming Mouse", "Zalvane Gaming Mouse"},
    {TextSlot::Reset, "Reset", "恢复", "恢復"},
    {TextSlot::Cancel, "Cancel", "取消", "取消"},
    {TextSlot::Save, "Save", "保存", "保存"},
    {TextSlot::Config, "Config", "配置", "配置"},
    {TextSlot::Front, "Front", "正面", "正面"},
    {TextSlot::Side, "Side", "侧面", "側面"},
    {TextSlot::ButtonAssignment, "Button Assignment", "按钮分配", "按鈕分配"},
    {TextSlot::MacroManager, "Macro Manager", "宏管理器", "宏管理器"},
    {TextSlot::XySensitivitySetting, "X/Y Sensitivity Setting", "X/Y轴设置", "X/Y軸設置"},
    {TextSlot::DpiSetting, "DPI Setting", "DPI 设置", "DPI 設置"},
    {TextSlot::Lighting, "Lighting", "照明", "照明"},
    {TextSlot::UsbReportRate, "USB Report Rate", "USB输出报告率", "USB輸出報告率"},
    {TextSlot::MouseSpeed, "Mouse Speed", "鼠标速度", "滑鼠移動速度"},
    {TextSlot::DoubleClickSpeed, "Double Click Speed", "双击速度", "滑鼠雙擊速度"},
    {TextSlot::ScrollSpeed, "Scroll Speed", "鼠标滚轮速度", "滑鼠滾動速度"},
    {TextSlot::AngleSnap, "Angle Snap", "角度捕捉", "角度捕捉"},
    {TextSlot::GestureCorrection, "Gesture Correction", "手势修正", "手勢修正"},
    {TextSlot::XAxis, "X axis", "X轴", "X軸"},
    {TextSlot::YAxis, "Y axis", "Y轴", "Y軸"},
    {TextSlot::Button1, "Button 1", "按钮1", "按鈕1"},
    {TextSlot::Button2, "Button 2", "按钮2", "按鈕2"},
    {TextSlot::Button3, "Button 3", "按钮3", "按鈕3"},
    {TextSlot::Button4, "Button 4", "按钮4", "按鈕4"},
    {TextSlot::Button5, "Button 5", "按钮5", "按鈕5"},
    {TextSlot::Button6, "Button 6", "按钮6", "按鈕6"},
    {TextSlot::Button7, "Button 7", "按钮7", "按鈕7"},
    {TextSlot::ButtonS1, "Button S1", "按钮S1", "按鈕S1"},
    {TextSlot::ButtonS2, "Button S2", "按钮S2", "按鈕S2"},
    {TextSlot::ButtonS3, "Button S3", "按钮S3", "按鈕S3"},
    {TextSlot::ButtonS4, "Button S4", "按钮S4", "按鈕S4"},
    {TextSlot::ButtonS5, "Button S5", "按钮S5", "按鈕S5"},
    {TextSlot::ButtonS6, "Button S6", "按钮S6", "按鈕S6"},
    {TextSlot::ButtonS7, "Button S7", "按钮S7", "按鈕S7"},
    {TextSlot::ButtonS8, "Button S8", "按钮S8", "按鈕S8"},
    {TextSlot::ButtonS9, "Button S9", "按钮S9", "按鈕S9"},
    {TextSlot::ButtonS10, "Button S10", "按钮S10", "按鈕S10"},
    {TextSlot::ButtonS11, "Button S11", "按钮S11", "按鈕S11"},
    {TextSlot::ButtonS12, "Button S12", "按钮S12", "按鈕S12"},
    {TextSlot::DpiPlus, "DPI +", "DPI +", "DPI +"},
    {TextSlot::DpiMinus, "DPI -", "DPI -", "DPI -"},
    {TextSlot::Slow, "Slow", "慢", "慢"},
    {TextSlot::Fast, "Fast", "快", "快"},
    {TextSlot::NumberOfRows, "The number of rows", "一次滚动行数", "一次滾動行數"},
    {TextSlot::ScrollOneScreen, "Scroll one screen", "一次滚动一个屏幕", "一次滾動一個螢幕"},
    {TextSlot::On, "On", "开启", "開啟"},
    {TextSlot::Off, "Off", "关闭", "關閉"},
    {TextSlot::Standard, "Standard", "标准模式", "標準模式"},
    {TextSlot::Respiration, "Respiration", "呼吸模式", "呼吸模式"},
    {TextSlot::Neon, "Neon", "霓虹模式", "霓虹模式"},
    {TextSlot::Click, "Click", "左键", "左鍵"},
    {TextSlot::Menu, "Menu", "右键", "右鍵"},
    {TextSlot::UniversalScroll, "Universal Scroll", "中键", "中鍵"},
    {TextSlot::IeForward, "IE Forward", "前进方向键", "前進方向鍵"},
    {TextSlot::IeBackward, "IE Backward", "后退方向键", "後退方向鍵"},
    {TextSlot::CpiCycle, "CPI Cycle", "DPI切换", "DPI切換"},
    {TextSlot::LeftTitleScroll, "Left Title Scroll", "左摇摆滚轮", "左搖擺滾輪"},
    {TextSlot::RightTitleScroll, "Right Title Scroll", "右摇摆滚轮", "右搖擺滾輪"},
    {TextSlot::Windows, "Windows", "Windows", "Windows"},
    {TextSlot::Multimedia, "Multimedia", "多媒体", "多媒體"},
    {TextSlot::HotKey, "HotKey", "快捷键", "快速鍵"},
    {TextSlot::SingleKey, "Single Key", "单键", "單鍵"},
    {TextSlot::ComboKey, "Combo Key", "组合键", "複合鍵"},
    {TextSlot::MacroKey, "Macro Key", "宏", "巨集"},
    {TextSlot::ButtonOff, "Button Off", "按键关闭", "按鍵關閉"},
    {TextSlot::DoubleClick, "Double Click", "双击", "双击"},
    {TextSlot::LeftKeyMustBeSelected, "Left key must be selected!", "左键功能必须选择！", "左鍵功能必須選擇！"},
    {TextSlot::SwitchDpiFirstStage, "Switch DPI into the first stage ", "DPI切换到第一段 ", "DPI切換到第一段 "},
    {TextSlot::SwitchDpiSecondStage, "Switch DPI into the second stage ", "DPI切换到第二段 ", "DPI切換到第二段 "},
    {TextSlot::SwitchDpiThirdStage, "Switch DPI into the third stage ", "DPI切换到第三段 ", "DPI切換到第三段 "},
    {TextSlot::SwitchDpiFourthStage, "Switch DPI into the fourth stage ", "DPI切换到第四段 ", "DPI切換到第四段 "},
    {TextSlot::SwitchDpiFifthStage, "Switch DPI into the fifth stage ", "DPI切换到第五段 ", "DPI切換到第五段 "},
    {TextSlot::SwitchDpiSixthStage, "Switch DPI into the sixth stage ", "DPI切换到第六段 ", "DPI切換到第六段 "},
    {TextSlot::SwitchDpiSeventhStage, "Switch DPI into the seventh stage ", "DPI切换到第七段 ", "DPI切換到第七段 "},
    {TextSlot::SwitchToMacroKey, "Switch to macro key", "切换到宏", "切換到巨集"},
    {TextSlot::Exit, "Exit", "退出", "退出"},
    {TextSlot::MouseNotDetected, "The system did not detect the gaming mouse!", "系统没有检测到游戏鼠标！",
     "系統沒有檢測到遊戲滑鼠！"},
    {TextSlot::MouseDetected, "The system detect the gaming mouse.", "系统检测到游戏鼠标。", "系統檢測到遊戲滑鼠。"},
    {TextSlot::MacrosCutToFit,
     "These macros are too long for the mouse and were cut to fit; the macro file keeps every line:",
     "以下宏太长，已截短以适合鼠标（宏文件仍保留所有行）：",
     "以下巨集太長，已截短以適合滑鼠（巨集檔案仍保留所有行）："},
    {TextSlot::MacroEventsLeftOut, "\"{name}\": {count} event(s) left out", "“{name}”：省略了 {count} 个事件",
     "「{name}」：省略了 {count} 個事件"},
    {TextSlot::OnlyFirstNineteenMacrosSent, "Only the first 19 macros are sent to the mouse.",
     "只有前 19 个宏会写入鼠标。", "只有前 19 個巨集會寫入滑鼠。"},
}};

constexpr bool RowsFollowSlotOrder()
{
    for (std::size_t i = 0; i < kSlotRows.size(); ++i) {
        if (static_cast<std::size_t>(kSlotRows[i].slot) != i)
            return false;
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
    if (index >= kSlotRows.size())
        return {};
    const SlotRow& row = kSlotRows[index];
    return InLanguage(language, row.english, row.simplified, row.traditional);
}

std::string_view ButtonLabelSection(Language language)
{
    return InLanguage(language, "Setting-EN", "Setting-CHS", "Setting-CHT");
}

std::optional<TextSlot> ButtonNameSlot(std::size_t button)
{
    static_assert(static_cast<std::size_t>(TextSlot::ButtonS12) - static_cast<std::size_t>(TextSlot::Button1) + 1 ==
                  kFrontButtonCount + kSideButtonCount);
    if (button >= kFrontButtonCount + kSideButtonCount)
        return std::nullopt;
    return static_cast<TextSlot>(static_cast<std::size_t>(TextSlot::Button1) + button);
}

std::optional<TextSlot> DpiStageSwitchSlot(unsigned stage)
{
    static_assert(static_cast<unsigned>(TextSlot::SwitchDpiSeventhStage) -
                      static_cast<unsigned>(TextSlot::SwitchDpiFirstStage) + 1 ==
                  kStageCount);
    if (stage < 1 || stage > kStageCount)
        return std::nullopt;
    return static_cast<TextSlot>(static_cast<unsigned>(TextSlot::SwitchDpiFirstStage) + stage - 1);
}

}  // namespace zalvane::dialogs
