#include "dialogs/key_dialog_painting.h"

#include <string_view>

#include "assign/key_dialog_layout.h"
#include "pages/skin_catalogue.h"

namespace zalvane::dialogs {

using namespace assign;  // the dialogs' rectangles and texts

namespace {

void PaintButton(ui::Canvas& canvas, const ui::SkinState& skin, const ui::Rect& area, std::string_view caption,
                 bool over)
{
    canvas.DrawImage(skin.ImagePath(over ? pages::kDialogButtonOverImage : pages::kDialogButtonNormalImage), area.left,
                     area.top);
    canvas.DrawText(caption, area, ui::TextAlignment::kCentre);
}

}  // namespace

KeyDialogButton KeyDialogButtonAt(ui::Point point)
{
    if (kKeyDialogClose.Contains(point)) {
        return KeyDialogButton::kClose;
    }
    if (kKeyDialogOk.Contains(point)) {
        return KeyDialogButton::kOk;
    }
    if (kKeyDialogCancel.Contains(point)) {
        return KeyDialogButton::kCancel;
    }
    return KeyDialogButton::kNone;
}

void PaintKeyDialogFrame(ui::Canvas& canvas, const ui::SkinState& skin, const assign::KeyDialogTexts& texts,
                         KeyDialogButton hovered)
{
    canvas.SetTextStyle(ui::FontRole::kMain, kKeyDialogTextColour);
    const bool closeOver = hovered == KeyDialogButton::kClose;
    canvas.DrawImage(skin.ImagePath(closeOver ? pages::kCloseOverImage : pages::kCloseNormalImage),
                     kKeyDialogClose.left, kKeyDialogClose.top);
    PaintButton(canvas, skin, kKeyDialogOk, texts.ok, hovered == KeyDialogButton::kOk);
    PaintButton(canvas, skin, kKeyDialogCancel, texts.cancel, hovered == KeyDialogButton::kCancel);
}

void PaintSingleKeyPrompt(ui::Canvas& canvas, const assign::KeyDialogTexts& texts)
{
    canvas.SetTextStyle(ui::FontRole::kMain, kKeyDialogTextColour);
    canvas.DrawText(texts.prompt, kSingleKeyPrompt, ui::TextAlignment::kLeft);
}

void PaintMacroKeyContent(ui::Canvas& canvas, const ui::SkinState& skin, language::Language language,
                          const assign::KeyDialogTexts& texts, std::uint8_t repeatMode, bool macroShown)
{
    canvas.SetTextStyle(ui::FontRole::kMain, kKeyDialogTextColour);
    if (!macroShown) {
        canvas.DrawText(texts.prompt, kMacroKeyArea, ui::TextAlignment::kCentre);
    }
    for (int mode = 0; mode < kMacroRepeatModeCount; ++mode) {
        const ui::Rect tick = MacroModeTick(mode);
        const bool ticked = mode == repeatMode;
        canvas.DrawImage(skin.ImagePath(ticked ? pages::kTickOnImage : pages::kTickOffImage), tick.left, tick.top);
        canvas.DrawText(RepeatModeText(mode, language), MacroModeText(mode), ui::TextAlignment::kLeftWrapped);
    }
}

}  // namespace zalvane::dialogs
