#include "assign/key_dialog_painting.h"

#include <string_view>

#include "assign/key_dialog_layout.h"
#include "ui/skin_catalogue.h"

namespace zalvane::assign {
namespace {

void PaintButton(ui::Canvas& canvas, const ui::SkinState& skin, const Rect& area, std::string_view caption, bool over)
{
    canvas.DrawImage(skin.ImagePath(over ? ui::kDialogButtonOverImage : ui::kDialogButtonNormalImage), area.left,
                     area.top);
    canvas.DrawText(caption, area, ui::TextAlignment::kCentre);
}

}  // namespace

KeyDialogButton KeyDialogButtonAt(pages::Point point)
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

void PaintKeyDialogFrame(ui::Canvas& canvas, const ui::SkinState& skin, const KeyDialogTexts& texts,
                         KeyDialogButton hovered)
{
    canvas.SetTextStyle(ui::FontRole::kMain, kKeyDialogTextColour);
    const bool closeOver = hovered == KeyDialogButton::kClose;
    canvas.DrawImage(skin.ImagePath(closeOver ? ui::kCloseOverImage : ui::kCloseNormalImage), kKeyDialogClose.left,
                     kKeyDialogClose.top);
    PaintButton(canvas, skin, kKeyDialogOk, texts.ok, hovered == KeyDialogButton::kOk);
    PaintButton(canvas, skin, kKeyDialogCancel, texts.cancel, hovered == KeyDialogButton::kCancel);
}

void PaintSingleKeyPrompt(ui::Canvas& canvas, const KeyDialogTexts& texts)
{
    canvas.SetTextStyle(ui::FontRole::kMain, kKeyDialogTextColour);
    canvas.DrawText(texts.prompt, kSingleKeyPrompt, ui::TextAlignment::kLeft);
}

void PaintMacroKeyContent(ui::Canvas& canvas, const ui::SkinState& skin, dialogs::Language language,
                          const KeyDialogTexts& texts, std::uint8_t repeatMode, bool macroShown)
{
    canvas.SetTextStyle(ui::FontRole::kMain, kKeyDialogTextColour);
    if (!macroShown) {
        canvas.DrawText(texts.prompt, kMacroKeyArea, ui::TextAlignment::kCentre);
    }
    for (int mode = 0; mode < kMacroRepeatModeCount; ++mode) {
        const Rect tick = MacroModeTick(mode);
        const bool ticked = mode == repeatMode;
        canvas.DrawImage(skin.ImagePath(ticked ? ui::kTickOnImage : ui::kTickOffImage), tick.left, tick.top);
        canvas.DrawText(RepeatModeText(mode, language), MacroModeText(mode), ui::TextAlignment::kLeftWrapped);
    }
}

}  // namespace zalvane::assign
