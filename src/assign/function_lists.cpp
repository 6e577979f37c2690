#include "assign/function_lists.h"

#include "dialogs/language_tables.h"

namespace zalvane::assign {
namespace {

using dialogs::Language;
using dialogs::TextSlot;

// The function list shares its texts with the main window's slots.
constexpr std::array<TextSlot, kFunctionCount> kFunctionSlots{
    TextSlot::Click,      TextSlot::Menu,        TextSlot::UniversalScroll, TextSlot::IeForward,
    TextSlot::IeBackward, TextSlot::DoubleClick, TextSlot::CpiCycle,        TextSlot::Multimedia,
    TextSlot::HotKey,     TextSlot::Windows,     TextSlot::SingleKey,       TextSlot::ComboKey,
    TextSlot::MacroKey,   TextSlot::ButtonOff,   TextSlot::LeftTitleScroll, TextSlot::RightTitleScroll,
};
static_assert(static_cast<std::size_t>(ActionType::RightTitleScroll) + 1 == kFunctionCount);

constexpr SecondListEntry kDpiEntries[] = {
    {"DPI +", "DPI +", "DPI +", 1},
    {"DPI -", "DPI -", "DPI -", 2},
    {"DPI Loop", "DPI Loop", "DPI Loop", 3},
};

// Consumer page usages 0x183 (consumer control configuration), next track, previous
// track, stop, play/pause, mute, volume up, volume down.
constexpr SecondListEntry kMultimediaEntries[] = {
    {"Media player", "多媒体播放器", "多媒體播放器", 0x83},
    {"Next Track", "下一首", "下一首", 0xB5},
    {"Pre Track", "上一首", "上一首", 0xB6},
    {"Stop", "停止", "停止", 0xB7},
    {"Play/Pause", "播放/暂停", "播放/暫停", 0xCD},
    {"Mute", "静音", "靜音", 0xE2},
    {"Volume Up", "音量+", "音量+", 0xE9},
    {"Volume Down", "音量-", "音量-", 0xEA},
};

// Keyboard usages of the letter pressed together with Ctrl.
constexpr SecondListEntry kHotKeyEntries[] = {
    {"New", "新建", "新建", 0x11},         // N
    {"Cut", "剪切", "剪切", 0x1B},         // X
    {"Copy", "复制", "複製", 0x06},        // C
    {"Paste", "粘贴", "粘貼", 0x19},       // V
    {"Save", "保存", "保存", 0x16},        // S
    {"Print", "打印", "列印", 0x13},       // P
    {"Find", "查找", "查找", 0x09},        // F
    {"Redo", "重复", "重複", 0x1C},        // Y
    {"Undo", "撤销", "撤銷", 0x1D},        // Z
    {"Select All", "全选", "全選", 0x04},  // A
};

constexpr SecondListEntry kWindowsCommandEntries[] = {
    {"My computer", "我的电脑", "我的電腦", 0},
    {"Browser-Home", "浏览器-主页", "瀏覽器-主頁", 1},
    {"Search", "搜索", "搜索", 2},
    {"Maximum", "最大化", "最大化", 3},
    {"Minimum", "最小化", "最小化", 4},
    {"Show desktop", "显示桌面", "顯示桌面", 5},
    {"Run", "运行", "運行", 6},
};

}  // namespace

std::string_view FunctionText(ActionType type, Language language)
{
    const auto index = static_cast<std::size_t>(type);
    if (index >= kFunctionSlots.size())
        return {};
    return dialogs::SlotText(kFunctionSlots[index], language);
}

std::optional<SecondList> SecondListOf(ActionType type)
{
    switch (type) {
        case ActionType::CpiCycle:
            return SecondList::Dpi;
        case ActionType::Multimedia:
            return SecondList::Multimedia;
        case ActionType::HotKey:
            return SecondList::HotKey;
        case ActionType::Windows:
            return SecondList::WindowsCommand;
        default:
            return std::nullopt;
    }
}

ActionType ActionTypeOf(SecondList list)
{
    switch (list) {
        case SecondList::Multimedia:
            return ActionType::Multimedia;
        case SecondList::HotKey:
            return ActionType::HotKey;
        case SecondList::WindowsCommand:
            return ActionType::Windows;
        case SecondList::Dpi:
            break;
    }
    return ActionType::CpiCycle;
}

std::span<const SecondListEntry> SecondListEntries(SecondList list)
{
    switch (list) {
        case SecondList::Multimedia:
            return kMultimediaEntries;
        case SecondList::HotKey:
            return kHotKeyEntries;
        case SecondList::WindowsCommand:
            return kWindowsCommandEntries;
        case SecondList::Dpi:
            break;
    }
    return kDpiEntries;
}

std::string_view EntryText(const SecondListEntry& entry, Language language)
{
    return dialogs::InLanguage(language, entry.english, entry.simplified, entry.traditional);
}

std::array<std::string_view, settings::kButtonCount> DefaultCaptions(Language language)
{
    std::array<std::string_view, settings::kButtonCount> captions{};
    captions.fill(FunctionText(ActionType::ButtonOff, language));
    captions[0] = FunctionText(ActionType::Click, language);
    captions[1] = FunctionText(ActionType::Menu, language);
    captions[2] = FunctionText(ActionType::RightTitleScroll, language);
    captions[3] = FunctionText(ActionType::LeftTitleScroll, language);
    captions[4] = FunctionText(ActionType::UniversalScroll, language);
    captions[5] = dialogs::SlotText(TextSlot::DpiPlus, language);
    captions[6] = dialogs::SlotText(TextSlot::DpiMinus, language);
    return captions;
}

}  // namespace zalvane::assign
