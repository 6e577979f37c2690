// Compile-time checks that the fixed geometry of the dialogs fits together; built on every
// compiler, mingw included, so a mistyped rectangle stops the build.

#include "assign/key_dialog_layout.h"
#include "assign/macro_manager_layout.h"
#include "dialogs/config_dialog_layout.h"
#include "dialogs/help_dialog_layout.h"

namespace zalvane::dialogs {
namespace {

// The dialogs' buttons never overlap.
static_assert(!assign::kKeyDialogOk.Intersects(assign::kKeyDialogCancel));
static_assert(!assign::kMacroOk.Intersects(assign::kMacroCancel));
static_assert(!assign::kMacroNew.Intersects(assign::kMacroDelete));
static_assert(!kHelpOk.Intersects(kHelpCancel));

// The profile list dialog is three strips stacked without gaps.
static_assert(kConfigTitleStrip.bottom == kConfigList.top);
static_assert(kConfigList.bottom == kConfigNewStrip.top);

}  // namespace
}  // namespace zalvane::dialogs
