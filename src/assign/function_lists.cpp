#include "assign/function_lists.h"

#include "language/language_tables.h"

namespace zalvane::assign {
namespace {

using language::Language;
using language::TextSlot;

// The function list shares its texts with the main window's slots.
constexpr std::array<TextSlot, kFunctionCount> kFunctionSlots{
    TextSlot::kClick,      TextSlot::kMenu,        TextSlot::kUniversalScroll, TextSlot::kIeForward,
    TextSlot::kIeBackward, TextSlot::kDoubleClick, TextSlot::kCpiCycle,        TextSlot::kMultimedia,
    TextSlot::kHotKey,     TextSlot::kWindows,     TextSlot::kSingleKey,       TextSlot::kComboKey,
    TextSlot::kMacroKey,   TextSlot::kButtonOff,   TextSlot::kLeftTitleScroll, TextSlot::kRightTitleScroll,
};
static_assert(static_cast<std::size_t>(ActionType::kRightTitleScroll) + 1 == kFunctionCount);

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
    if (index >= kFunctionSlots.size()) {
        return {};
    }
    return language::SlotText(kFunctionSlots[index], language);
}

std::optional<SecondList> SecondListOf(ActionType type)
{
    switch (type) {
        case ActionType::kCpiCycle:
            return SecondList::kDpi;
        case ActionType::kMultimedia:
            return SecondList::kMultimedia;
        case ActionType::kHotKey:
            return SecondList::kHotKey;
        case ActionType::kWindows:
            return SecondList::kWindowsCommand;
        default:
            return std::nullopt;
    }
}

ActionType ActionTypeOf(SecondList list)
{
    switch (list) {
        case SecondList::kMultimedia:
            return ActionType::kMultimedia;
        case SecondList::kHotKey:
            return ActionType::kHotKey;
        case SecondList::kWindowsCommand:
            return ActionType::kWindows;
        case SecondList::kDpi:
            break;
    }
    return ActionType::kCpiCycle;
}

std::span<const SecondListEntry> SecondListEntries(SecondList list)
{
    switch (list) {
        case SecondList::kMultimedia:
            return kMultimediaEntries;
        case SecondList::kHotKey:
            return kHotKeyEntries;
        case SecondList::kWindowsCommand:
            return kWindowsCommandEntries;
        case SecondList::kDpi:
            break;
    }
    return kDpiEntries;
}

std::string_view EntryText(const SecondListEntry& entry, Language language)
{
    return language::InLanguage(language, entry.english, entry.simplified, entry.traditional);
}

settings::ButtonCaptions FirstRunCaptions(Language language)
{
    settings::ButtonCaptions captions;
    captions.fill(std::string(FunctionText(ActionType::kButtonOff, language)));
    captions[0] = FunctionText(ActionType::kClick, language);
    captions[1] = FunctionText(ActionType::kMenu, language);
    captions[2] = FunctionText(ActionType::kRightTitleScroll, language);
    captions[3] = FunctionText(ActionType::kLeftTitleScroll, language);
    captions[4] = FunctionText(ActionType::kUniversalScroll, language);
    captions[5] = language::SlotText(TextSlot::kDpiPlus, language);
    captions[6] = language::SlotText(TextSlot::kDpiMinus, language);
    return captions;
}

}  // namespace zalvane::assign
