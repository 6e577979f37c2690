#include "ui/font_choice.h"

namespace zalvane::ui {
namespace {

constexpr std::string_view kSongTi = "宋体";
constexpr std::string_view kHeiTi = "黑体";

// The Chinese faces of the main window and the dialogs are the same; from Windows 6.2
// on, Simplified Chinese takes Hei instead of Song.
FontChoice ChineseFont(language::Language language, WindowsVersion version)
{
    if (language == language::Language::kTraditionalChinese) {
        return {kHeiTi, 14, 400};
    }
    const bool from62 = version.major > 6 || (version.major == 6 && version.minor >= 2);
    return {from62 ? kHeiTi : kSongTi, 13, 400};
}

}  // namespace

FontChoice ChooseFont(FontUse use, language::Language language, WindowsVersion version)
{
    if (use == FontUse::kValue) {
        return {"Arial", 12, 0};
    }
    if (language != language::Language::kEnglish) {
        return ChineseFont(language, version);
    }
    if (use == FontUse::kSingleKeyDialog) {
        return {"Segoe UI", 15, 400};
    }
    if (use == FontUse::kMacroManager) {
        return {"Segoe UI", 15, 700};
    }
    return use == FontUse::kMain ? FontChoice{"Segoe UI", 15, 300} : FontChoice{"Arial", 14, 400};
}

}  // namespace zalvane::ui
