#pragma once
// The names `assign` takes for buttons and functions, made from the function lists the
// window shows: "click", "dpi+", "volume-up", "copy", "show-desktop", "off", and with
// parameters "key:F5", "combo:ctrl+shift+a", "macro:NAME[:MODE]". Each one turns into
// the assignment the window's list, second list or key dialog stores, caption included.

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "assign/button_assignment.h"
#include "cli/setting_names.h"
#include "language/language.h"
#include "settings/profile_record.h"

namespace zalvane::cli {

// "1" ... "7" and "S1" ... "S12" (any case): the button's index 0-18.
std::optional<std::size_t> ButtonFromName(std::string_view name);
std::string ButtonName(std::size_t button);

// The names of the functions without parameters, in list order, with the window's
// English text of each.
struct FunctionHelp {
    std::string name;
    std::string text;   // "Volume Up"
    std::string group;  // the entry whose second list holds it ("Multimedia"), else empty
};
std::vector<FunctionHelp> FixedFunctionNames();

// The repeat modes of macro:NAME:MODE, 0-2.
std::span<const std::string_view> RepeatModeNames();

// How a command line writes a key or modifier name: lower case, "-" for a blank.
std::string CommandLineKeyName(std::string_view name);

// A key name as the key name table has it, found without regard to case, with "-" for
// a blank ("page-up" is "Page Up").
std::optional<std::string_view> KeyNameFromText(std::string_view text);

// What `function` stores; `macroNames` are the macro file's names in file order. Unknown
// names are a usage error (status 2), a parameter that the window could not give
// (an unknown key, a macro past the nineteenth) is refused with status 3.
std::expected<assign::Assignment, Refusal> ParseFunction(std::string_view function, language::Language language,
                                                         std::span<const std::string> macroNames);

// The name `assign` takes for what `button` carries in `record`, so that show's output
// can be given back to assign; nothing when no name says it (a value the lists do not
// hold, several modifiers, a macro number past the file's macros).
std::optional<std::string> FunctionNameOf(const settings::ProfileRecord& record, std::size_t button,
                                          std::span<const std::string> macroNames);

}  // namespace zalvane::cli
