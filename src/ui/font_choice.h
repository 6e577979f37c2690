#pragma once
// Which font each window uses, by UI language and Windows version.

#include <string_view>

#include "language/language.h"

namespace zalvane::ui {

// As GetVersion reports it: major 6, minor 2 is called version 6.2.
struct WindowsVersion {
    unsigned major = 0;
    unsigned minor = 0;
};

enum class FontUse {
    kMain,    // main window: button labels and captions
    kValue,   // main window: slider values and scale labels
    kDialog,  // configuration and help dialogs, combo key and macro key dialogs
    kSingleKeyDialog,
    kMacroManager,
};

// The face is UTF-8. Every font is otherwise alike: width 0, no escapement, not italic,
// underlined or struck out, character set 0, default precisions and quality, FF_SWISS.
struct FontChoice {
    std::string_view face;
    int height = 0;  // character cell height in logical units
    int weight = 0;
    friend bool operator==(const FontChoice&, const FontChoice&) = default;
};

FontChoice ChooseFont(FontUse use, language::Language language, WindowsVersion version);

}  // namespace zalvane::ui
