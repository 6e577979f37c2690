#pragma once
// What the single key, combo key and macro key dialogs draw on their background: the
// close button and the OK and Cancel buttons with their captions (each in its over look
// while the pointer rests on it), the prompt, and the macro key dialog's repeat modes.
// Texts are white; the dialogs' controls show white on dark grey beside them.

#include <cstdint>

#include "assign/key_dialog_texts.h"
#include "language/language.h"
#include "ui/canvas.h"
#include "ui/rect.h"
#include "ui/skin_state.h"

namespace zalvane::dialogs {

inline constexpr ui::SkinColour kKeyDialogTextColour{255, 255, 255};
inline constexpr std::uint32_t kKeyDialogControlBackground = 0x282828;  // as 0x00BBGGRR

// The frame elements that light up under the pointer.
enum class KeyDialogButton { kNone, kClose, kOk, kCancel };

KeyDialogButton KeyDialogButtonAt(ui::Point point);

// Close, OK and Cancel, `hovered` in its over look.
void PaintKeyDialogFrame(ui::Canvas& canvas, const ui::SkinState& skin, const assign::KeyDialogTexts& texts,
                         KeyDialogButton hovered);

// The single key dialog's prompt above the key display.
void PaintSingleKeyPrompt(ui::Canvas& canvas, const assign::KeyDialogTexts& texts);

// The macro key dialog: the prompt centred in the macro area while no macro is shown
// there, and each repeat mode's tick box (ticked for `repeatMode`) and text.
void PaintMacroKeyContent(ui::Canvas& canvas, const ui::SkinState& skin, language::Language language,
                          const assign::KeyDialogTexts& texts, std::uint8_t repeatMode, bool macroShown);

}  // namespace zalvane::dialogs
