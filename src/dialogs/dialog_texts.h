#pragma once
// The texts of the configuration (profile list) dialog, its "ProfileList" menu and the
// help panel, in the three UI languages. Each dialog picks them when it opens.

#include <string_view>

#include "language/language.h"

namespace zalvane::dialogs {

enum class DialogText {
    kConfigTitle,  // "Configuration"
    kNew,          // the New strip
    kDelete,       // menu commands, also Edit, Copy, Load and Save
    kEdit,
    kCopy,  // also the start of a copy's name: "Copy PROFILE_1"
    kLoad,
    kSave,
    kWarning,       // caption of the six-name limit's box
    kProfileLimit,  // "Profile numbers up to 6."
    kHelpOk,
    kHelpCancel,
};

std::string_view DialogTextIn(DialogText text, language::Language language);

// The help panel's lines are the same in every language.
inline constexpr std::string_view kHelpUpdateText = "Update 驱动更新";
inline constexpr std::string_view kHelpVersionText = "Version：1.0";  // a full-width colon

// What a dialog says when its background image is missing (text, then caption).
inline constexpr std::string_view kBackgroundErrorText = "error";
inline constexpr std::string_view kConfigBackgroundErrorCaption = "Config Dialog Load background image failed!!!";
inline constexpr std::string_view kHelpBackgroundErrorCaption = "Help Dialog Load background image failed!!!";

}  // namespace zalvane::dialogs
