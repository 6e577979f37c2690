#include "pages/macro_manager_painter.h"

#include <string>
#include <string_view>

#include "assign/macro_manager_texts.h"
#include "pages/skin_catalogue.h"

namespace zalvane::pages {
namespace {

using assign::IsHotArea;
using assign::kDelayLabel;
using assign::kDelayTick;
using assign::kLoopLabel;
using assign::kLoopTick;
using assign::kMacroCancel;
using assign::kMacroColumnHeaders;
using assign::kMacroDelete;
using assign::kMacroNew;
using assign::kMacroOk;
using assign::kMacroTitleBand;
using assign::kMacroTitleInset;
using assign::kRecordButton;
using assign::MacroManagerArea;
using assign::MacroManagerAreaRect;
using assign::MacroManagerText;
using assign::MacroManagerTextIn;
using ui::Rect;
using ui::TextAlignment;

struct ButtonImages {
    std::string_view normal;
    std::string_view over;
};

ButtonImages ImagesOf(MacroManagerArea area)
{
    switch (area) {
        case MacroManagerArea::kOk:
        case MacroManagerArea::kCancel:
            return {kMacroCancelNormalImage, kMacroCancelOverImage};
        case MacroManagerArea::kNew:
        case MacroManagerArea::kDelete:
            return {kDialogButtonNormalImage, kDialogButtonOverImage};
        case MacroManagerArea::kClose:
            return {kMacroCloseNormalImage, kMacroCloseOverImage};
        case MacroManagerArea::kRecord:
            return {kRecordImage, kRecordImage};
        case MacroManagerArea::kDelayOption:
        case MacroManagerArea::kLoopOption:
            break;
    }
    return {kMacroTickOffImage, kMacroTickOnImage};
}

void DrawAt(ui::Canvas& canvas, const ui::SkinState& skin, std::string_view image, const Rect& rect)
{
    (void)canvas.DrawImage(skin.ImagePath(image), rect.left, rect.top);
}

}  // namespace

void PaintMacroManager(ui::Canvas& canvas, const ui::SkinState& skin, const MacroManagerLook& look)
{
    for (const MacroManagerArea area : {MacroManagerArea::kRecord, MacroManagerArea::kOk, MacroManagerArea::kCancel,
                                        MacroManagerArea::kNew, MacroManagerArea::kDelete, MacroManagerArea::kClose}) {
        const ButtonImages images = ImagesOf(area);
        const bool over = look.hot == area && IsHotArea(area);
        DrawAt(canvas, skin, over ? images.over : images.normal, MacroManagerAreaRect(area));
    }
    DrawAt(canvas, skin, look.recordDelays ? kMacroTickOnImage : kMacroTickOffImage, kDelayTick);
    DrawAt(canvas, skin, look.loopOption ? kMacroTickOnImage : kMacroTickOffImage, kLoopTick);

    const auto text = [&look](MacroManagerText which) { return MacroManagerTextIn(which, look.language); };
    canvas.SetTextStyle(ui::FontRole::kMain, skin.textColour);
    const Rect titleArea{kMacroTitleInset, kMacroTitleBand.top, kMacroTitleBand.right, kMacroTitleBand.bottom};
    canvas.DrawText(text(look.recording ? MacroManagerText::kRecordingTitle : MacroManagerText::kTitle), titleArea,
                    TextAlignment::kLeft);
    canvas.DrawText(text(MacroManagerText::kSelectMacro), kMacroColumnHeaders[0], TextAlignment::kCentreUnclipped);
    canvas.DrawText(text(MacroManagerText::kKeyPressSequence), kMacroColumnHeaders[1], TextAlignment::kCentreUnclipped);
    canvas.DrawText(text(MacroManagerText::kRecordOption), kMacroColumnHeaders[2], TextAlignment::kCentreUnclipped);
    canvas.DrawText(text(look.recording ? MacroManagerText::kStopRecording : MacroManagerText::kStartRecording),
                    kRecordButton, TextAlignment::kCentreUnclipped);
    canvas.DrawText(text(MacroManagerText::kOk), kMacroOk, TextAlignment::kCentre);
    canvas.DrawText(text(MacroManagerText::kCancel), kMacroCancel, TextAlignment::kCentre);
    canvas.DrawText(text(MacroManagerText::kNew), kMacroNew, TextAlignment::kCentre);
    canvas.DrawText(text(MacroManagerText::kDelete), kMacroDelete, TextAlignment::kCentre);
    canvas.DrawText(text(MacroManagerText::kRecordDelays), kDelayLabel, TextAlignment::kLeftWrapped);
    canvas.DrawText(text(MacroManagerText::kLoopTimes), kLoopLabel, TextAlignment::kLeft);
}

}  // namespace zalvane::pages
