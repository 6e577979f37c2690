#include "button_art.h"

#include <numbers>

#include "assign/key_dialog_layout.h"
#include "assign/macro_manager_layout.h"
#include "dialogs/config_dialog_layout.h"
#include "pages/dpi_panel_geometry.h"
#include "pages/main_window_geometry.h"
#include "pages/pointer_panel_geometry.h"
#include "pages/skin_catalogue.h"
#include "palette.h"
#include "skin_sizes.h"
#include "widgets.h"

namespace zalvane::skingen {
namespace {

namespace p = palette;
using namespace pages;

constexpr double kPi = std::numbers::pi;

enum class Mark { kHelp, kMinimise, kClose };

// The 15 px title buttons: opaque squares, so they fit every title band they sit on.
Image TitleButton(Mark mark, bool over)
{
    const Size size = kCloseButton.Extent();
    const bool danger = mark == Mark::kClose && over;
    const Colour face = danger ? p::kAccent : (over ? p::kHover : p::kRaised);
    const Colour ink = over ? p::kText : p::kSoft;
    return MakeImage(size, p::kShadow, [&](cairo_t* cr) {
        FillRoundedVertical(cr, {0, 0, size.width, size.height}, 2,
                            danger ? p::kAccentLight : Mix(face, p::kHighlight, 0.35), face);
        FillRounded(cr, {1, 1, size.width - 1, size.height - 1}, 1.5, face);
        SetColour(cr, ink);
        cairo_set_line_width(cr, 1.5);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        const double c = size.width / 2.0;
        switch (mark) {
            case Mark::kHelp:
                cairo_arc(cr, c, 5.6, 2.4, kPi * 1.05, kPi * 2.3);
                cairo_line_to(cr, c, 8.8);
                cairo_line_to(cr, c, 9.4);
                cairo_stroke(cr);
                cairo_arc(cr, c, 11.6, 0.95, 0, 2 * kPi);
                cairo_fill(cr);
                break;
            case Mark::kMinimise:
                cairo_move_to(cr, 4.5, 10.5);
                cairo_line_to(cr, 10.5, 10.5);
                cairo_stroke(cr);
                break;
            case Mark::kClose:
                cairo_move_to(cr, 4.75, 4.75);
                cairo_line_to(cr, 10.25, 10.25);
                cairo_move_to(cr, 10.25, 4.75);
                cairo_line_to(cr, 4.75, 10.25);
                cairo_stroke(cr);
                break;
        }
    });
}

Image Button(Size size, const Colour& background, ButtonLook look)
{
    return MakeImage(size, background, [&](cairo_t* cr) { DrawButtonFace(cr, {0, 0, size.width, size.height}, look); });
}

// "Config": a button with a small stack-of-profiles mark left of the label.
Image ConfigButton(bool over)
{
    const Size size = kConfigButton.Extent();
    return MakeImage(size, p::kBar, [&](cairo_t* cr) {
        DrawButtonFace(cr, {0, 0, size.width, size.height}, over ? ButtonLook::kNeutralOver : ButtonLook::kNeutral);
        const Colour ink = over ? p::kAccentLight : p::kSoft;
        for (int i = 0; i < 3; ++i) {
            FillRounded(cr, {7 + i, 9 + 4 * i, 20 - i, 11 + 4 * i}, 1, ink.WithAlpha(1.0 - 0.25 * i));
        }
    });
}

// The close pill of the macro manager.
Image MacroClose(bool over)
{
    const Size size = assign::kMacroClose.Extent();
    return MakeImage(size, p::kDialogBody, [&](cairo_t* cr) {
        DrawButtonFace(cr, {0, 0, size.width, size.height}, over ? ButtonLook::kDangerOver : ButtonLook::kNeutral, 4);
        SetColour(cr, over ? p::kText : p::kSoft);
        cairo_set_line_width(cr, 1.6);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        const double cx = size.width / 2.0;
        const double cy = size.height / 2.0;
        cairo_move_to(cr, cx - 4, cy - 4);
        cairo_line_to(cr, cx + 4, cy + 4);
        cairo_move_to(cr, cx + 4, cy - 4);
        cairo_line_to(cr, cx - 4, cy + 4);
        cairo_stroke(cr);
    });
}

// "Insert macro": a dialog button with a plus over a short list.
Image InsertMacro(bool over)
{
    const Size size = sizes::kInsertMacroButton;
    return MakeImage(size, p::kDialogBody, [&](cairo_t* cr) {
        DrawButtonFace(cr, {0, 0, size.width, size.height}, over ? ButtonLook::kNeutralOver : ButtonLook::kNeutral);
        const Colour ink = over ? p::kAccentLight : p::kSoft;
        for (int i = 0; i < 3; ++i) {
            FillRect(cr, {30, 7 + 4 * i, 40, 9 + 4 * i}, ink.WithAlpha(0.8));
        }
        DrawPlus(cr, 22, size.height / 2.0, 8, 2, over ? p::kAccentLight : p::kAccent);
    });
}

Image Record()
{
    const Size size = assign::kRecordButton.Extent();
    return MakeImage(size, p::kDialogCard, [&](cairo_t* cr) {
        const Rect face{0, 0, size.width, size.height};
        FillRoundedVertical(cr, face, size.height / 2.0, {74, 20, 30}, {52, 14, 22});
        StrokeRounded(cr, face, size.height / 2.0, p::kAccent);
    });
}

Image NewProfileIcon()
{
    const Size size = sizes::kNewConfigIcon;
    return MakeImage(size, p::kDialogBand, [&](cairo_t* cr) {
        SetColour(cr, p::kAccent);
        cairo_arc(cr, size.width / 2.0, size.height / 2.0, size.width / 2.0, 0, 2 * kPi);
        cairo_fill(cr);
        DrawPlus(cr, size.width / 2.0, size.height / 2.0, 6, 1.6, p::kText);
    });
}

Image TickBox(Size size, const Colour& background, bool ticked)
{
    return MakeImage(size, background, [&](cairo_t* cr) { DrawTickBox(cr, {0, 0, size.width, size.height}, ticked); });
}

Image Dropdown(const Colour& border, const Colour& field, bool marked)
{
    const Size size = AssignmentRow(1).Extent();
    return MakeImage(size, p::kPanel, [&](cairo_t* cr) {
        const Rect box{0, 0, size.width, size.height};
        FillRoundedVertical(cr, box, 3, field, Mix(field, p::kWell, 0.5));
        StrokeRounded(cr, box, 3, border);
        if (marked) {
            FillRounded(cr, {2, 3, 4, size.height - 3}, 1, p::kAccent);
        }
        DrawChevron(cr, size.width - 9, size.height / 2.0, 6, p::kMuted);
    });
}

}  // namespace

void AddButtonImages(SkinSet& skin)
{
    skin.Add(pages::kHelpNormalImage, TitleButton(Mark::kHelp, false));
    skin.Add(pages::kHelpOverImage, TitleButton(Mark::kHelp, true));
    skin.Add(pages::kMinimiseNormalImage, TitleButton(Mark::kMinimise, false));
    skin.Add(pages::kMinimiseOverImage, TitleButton(Mark::kMinimise, true));
    skin.Add(pages::kCloseNormalImage, TitleButton(Mark::kClose, false));
    skin.Add(pages::kCloseOverImage, TitleButton(Mark::kClose, true));

    const Size bottom = kResetButton.Extent();
    skin.Add(pages::kCancelNormalImage, Button(bottom, p::kBar, ButtonLook::kNeutral));
    skin.Add(pages::kCancelOverImage, Button(bottom, p::kBar, ButtonLook::kNeutralOver));
    skin.Add(pages::kSaveNormalImage, Button(kSaveButton.Extent(), p::kBar, ButtonLook::kPrimary));
    skin.Add(pages::kSaveOverImage, Button(kSaveButton.Extent(), p::kBar, ButtonLook::kPrimaryOver));
    skin.Add(pages::kConfigNormalImage, ConfigButton(false));
    skin.Add(pages::kConfigOverImage, ConfigButton(true));
    skin.Add(pages::kMouseSwitchNormalImage, Button(kFrontSwitch.Extent(), p::kWell, ButtonLook::kNeutral));
    skin.Add(pages::kMouseSwitchSelectedImage, Button(kFrontSwitch.Extent(), p::kWell, ButtonLook::kPrimary));

    const Size lamp = DpiEnableSwitch(0).Extent();
    skin.Add(pages::kEnableImage, MakeImage(lamp, p::kShadow, [&](cairo_t* cr) {
                 DrawSwitchLamp(cr, {0, 0, lamp.width, lamp.height}, true);
             }));
    skin.Add(pages::kDisableImage, MakeImage(lamp, p::kShadow, [&](cairo_t* cr) {
                 DrawSwitchLamp(cr, {0, 0, lamp.width, lamp.height}, false);
             }));

    const Rect strip{0, -20, 242, 0};
    const Size radio = LineModeSwitch(strip).Extent();
    skin.Add(pages::kScrollModeOnImage, MakeImage(radio, p::kPanel, [&](cairo_t* cr) {
                 DrawRadio(cr, {0, 0, radio.width, radio.height}, true);
             }));
    skin.Add(pages::kScrollModeOffImage, MakeImage(radio, p::kPanel, [&](cairo_t* cr) {
                 DrawRadio(cr, {0, 0, radio.width, radio.height}, false);
             }));
    const Size lines = ScrollLinesBox(strip).Extent();
    skin.Add(pages::kScrollLinesImage, MakeImage(lines, p::kMainEdit, [&](cairo_t* cr) {
                 StrokeRounded(cr, {0, 0, lines.width, lines.height}, 0, p::kEdge);
             }));

    skin.Add(pages::kDropdownNormalImage, Dropdown(p::kLine, {30, 33, 40}, false));
    skin.Add(pages::kDropdownOverImage, Dropdown(p::kAccent, {54, 30, 38}, false));
    skin.Add(pages::kDropdownChosenImage, Dropdown(p::kLine, {30, 33, 40}, true));

    const Size dpiValue = DpiValueBox(0).Extent();
    skin.Add(pages::kDpiValueImage, MakeImage(dpiValue, p::kPanel, [&](cairo_t* cr) {
                 FillRounded(cr, {0, 0, dpiValue.width, dpiValue.height}, 2, p::kWell);
                 StrokeRounded(cr, {0, 0, dpiValue.width, dpiValue.height}, 2, p::kEdge);
             }));

    // Dialog buttons: OK and Cancel of the key dialogs, New and Delete of the macro manager.
    const Size dialogButton = assign::kKeyDialogOk.Extent();
    skin.Add(pages::kDialogButtonNormalImage, Button(dialogButton, p::kDialogBody, ButtonLook::kNeutral));
    skin.Add(pages::kDialogButtonOverImage, Button(dialogButton, p::kDialogBody, ButtonLook::kNeutralOver));
    const Size macroButton = assign::kMacroOk.Extent();
    skin.Add(pages::kMacroCancelNormalImage, Button(macroButton, p::kDialogBody, ButtonLook::kNeutral));
    skin.Add(pages::kMacroCancelOverImage, Button(macroButton, p::kDialogBody, ButtonLook::kNeutralOver));
    skin.Add(pages::kRecordImage, Record());
    skin.Add(pages::kMacroCloseNormalImage, MacroClose(false));
    skin.Add(pages::kMacroCloseOverImage, MacroClose(true));
    skin.Add(pages::kInsertMacroNormalImage, InsertMacro(false));
    skin.Add(pages::kInsertMacroOverImage, InsertMacro(true));
    skin.Add(pages::kConfigNewImage, NewProfileIcon());

    skin.Add(pages::kTickOffImage, TickBox(assign::MacroModeTick(0).Extent(), p::kDialogCard, false));
    skin.Add(pages::kTickOnImage, TickBox(assign::MacroModeTick(0).Extent(), p::kDialogCard, true));
    skin.Add(pages::kMacroTickOffImage, TickBox(assign::kDelayTick.Extent(), p::kDialogCard, false));
    skin.Add(pages::kMacroTickOnImage, TickBox(assign::kDelayTick.Extent(), p::kDialogCard, true));
}

}  // namespace zalvane::skingen
