#include "dialog_art.h"

#include <numbers>

#include "assign/key_dialog_layout.h"
#include "assign/macro_manager_layout.h"
#include "dialogs/config_dialog_layout.h"
#include "dialogs/help_dialog_layout.h"
#include "pages/skin_catalogue.h"
#include "palette.h"
#include "skin_sizes.h"
#include "widgets.h"

namespace zalvane::skingen {
namespace {

namespace p = palette;
using namespace assign;

constexpr double kPi = std::numbers::pi;

// A dialog: body, a title band of `band` px, and a thin outline.
void DrawDialogFrame(cairo_t* cr, Size size, int band)
{
    FillRect(cr, {0, 0, size.width, size.height}, p::kDialogBody);
    if (band > 0) {
        FillRect(cr, {0, 0, size.width, band}, p::kDialogBand);
        FillRect(cr, {0, band, size.width, band + 1}, p::kEdge);
        PatternPtr shade = VerticalGradient(band + 1, band + 6, {0, 0, 0, 0.3}, {0, 0, 0, 0});
        cairo_set_source(cr, shade.get());
        cairo_rectangle(cr, 0, band + 1, size.width, 5);
        cairo_fill(cr);
    }
    // A short accent line at the top left, the same on every window of the skin.
    FillRect(cr, {0, 0, 64, 2}, p::kAccent);
    StrokeRounded(cr, {0, 0, size.width, size.height}, 0, p::kLine);
}

// A field the program fills with its own control colour, framed so the control sits in it.
void DrawField(cairo_t* cr, const Rect& control, const Colour& fill, int margin)
{
    const Rect frame{control.left - margin, control.top - margin, control.right + margin, control.bottom + margin};
    DrawWell(cr, frame, fill, 3);
}

// A keyboard key seen from above, as a mark.
void DrawKeycap(cairo_t* cr, double x, double y, double size, const Colour& ink)
{
    SetColour(cr, ink);
    cairo_set_line_width(cr, 1.4);
    RoundedRectPath(cr, x + 0.5, y + 0.5, size, size, size * 0.2);
    cairo_stroke(cr);
    RoundedRectPath(cr, x + size * 0.2 + 0.5, y + size * 0.15 + 0.5, size * 0.6, size * 0.55, size * 0.12);
    cairo_stroke(cr);
}

void DrawBottomRule(cairo_t* cr, Size size, int y) { FillRect(cr, {12, y, size.width - 12, y + 1}, p::kEdge); }

Image SingleKeyBackground()
{
    const Size size = sizes::kKeyDialog;
    return MakeImage(size, p::kDialogBody, [&](cairo_t* cr) {
        DrawDialogFrame(cr, size, 30);
        DrawKeycap(cr, 14, 7, 16, p::kAccent);
        DrawField(cr, kSingleKeyDisplay, p::kDialogControl, 6);
        // A patch of keyboard to the right of the field, one key lit: the key to press.
        for (int row = 0; row < 3; ++row) {
            for (int key = 0; key < 7; ++key) {
                const int x = 196 + 6 * row + 22 * key;
                const int y = 148 + 22 * row;
                const bool lit = row == 1 && key == 2;
                const Rect cap{x, y, x + 18, y + 17};
                if (lit) {
                    FillRoundedVertical(cr, cap, 3, p::kAccent, p::kAccentDark);
                    StrokeRounded(cr, cap, 3, p::kAccentLight.WithAlpha(0.8));
                } else {
                    FillRoundedVertical(cr, cap, 3, p::kRaisedTop, p::kRaised);
                    StrokeRounded(cr, cap, 3, p::kEdge);
                }
            }
        }
        DrawBottomRule(cr, size, 240);
    });
}

Image ComboKeyBackground()
{
    const Size size = sizes::kKeyDialog;
    return MakeImage(size, p::kDialogBody, [&](cairo_t* cr) {
        DrawDialogFrame(cr, size, 30);
        DrawKeycap(cr, 10, 7, 14, p::kAccent);
        DrawPlus(cr, 30, 15, 6, 1.6, p::kAccent);
        DrawKeycap(cr, 37, 7, 14, p::kAccent);

        DrawField(cr, kComboModifierArea, p::kDialogControl, 6);
        DrawChevron(cr, kComboModifierArea.right - 8, kComboModifierArea.top + 7, 7, p::kSoft);
        DrawField(cr, kComboKey1Field, p::kDialogControl, 6);
        DrawField(cr, kComboKey2Field, p::kDialogControl, 6);
        const double cx = kComboKey1Field.left + kComboKey1Field.Width() / 2.0;
        DrawPlus(cr, cx, (kComboModifierArea.bottom + kComboKey1Field.top) / 2.0 + 0.5, 9, 2, p::kAccent);
        DrawPlus(cr, cx, (kComboKey1Field.bottom + kComboKey2Field.top) / 2.0 + 0.5, 9, 2, p::kAccent);

        // Three keys pressed together, to the right.
        for (int i = 0; i < 3; ++i) {
            const double x = 190 + 58 * i;
            PatternPtr face = VerticalGradient(120, 170, p::kRaisedTop, p::kRaised);
            cairo_set_source(cr, face.get());
            RoundedRectPath(cr, x, 118, 46, 46, 8);
            cairo_fill(cr);
            FillRounded(cr, {static_cast<int>(x) + 8, 123, static_cast<int>(x) + 38, 151}, 5, p::kHover);
            StrokeRounded(cr, {static_cast<int>(x), 118, static_cast<int>(x) + 46, 164}, 8, p::kEdge);
            if (i < 2) {
                DrawPlus(cr, x + 52, 141, 7, 1.8, p::kMuted);
            }
        }
        FillRect(cr, {190, 176, 352, 178}, p::kAccent.WithAlpha(0.7));
        DrawBottomRule(cr, size, 240);
    });
}

Image MacroKeyBackground()
{
    const Size size = sizes::kKeyDialog;
    return MakeImage(size, p::kDialogBody, [&](cairo_t* cr) {
        DrawDialogFrame(cr, size, 30);
        DrawKeycap(cr, 14, 7, 16, p::kAccent);
        SetColour(cr, p::kAccentLight);
        cairo_arc(cr, 38, 22, 3, 0, 2 * kPi);
        cairo_fill(cr);

        DrawField(cr, kMacroKeyArea, p::kDialogControl, 6);
        DrawChevron(cr, kMacroKeyArea.right - 7, kMacroKeyArea.top + 8, 7, p::kSoft);
        for (int mode = 0; mode < kMacroRepeatModeCount; ++mode) {
            const Rect text = MacroModeText(mode);
            const Rect card{MacroModeTick(mode).left - 8, text.top - 2, size.width - 4, text.bottom + 2};
            DrawCard(cr, card, p::kDialogCard, 4);
        }
        DrawBottomRule(cr, size, 240);
    });
}

Image MacroManagerBackground()
{
    const Size size = sizes::kMacroManager;
    return MakeImage(size, p::kDialogBody, [&](cairo_t* cr) {
        DrawDialogFrame(cr, size, 0);
        FillRect(cr, {6, 9, 9, 23}, p::kAccent);
        FillRect(cr, {0, 48, size.width, 49}, p::kEdge);

        // Three columns: macros, the selected macro's events, record options.
        const Rect columns[] = {{12, 55, 140, 362}, {144, 55, 272, 362}, {275, 55, 401, 362}};
        for (const Rect& column : columns) {
            DrawCard(cr, column, p::kDialogCard, 5);
            FillRect(cr, {column.left + 1, 80, column.right - 1, 81}, p::kEdge);
        }
        for (const Rect& list : {kMacroList, kEventList}) {
            FillRect(cr, list, p::kMacroList);
            StrokeRounded(cr, {list.left - 1, list.top - 1, list.right + 1, list.bottom + 1}, 0, p::kShadow);
        }
        DrawField(cr, kLoopTimesField, p::kLoopField, 2);
        FillRect(cr, {283, 124, 393, 125}, p::kEdge);
        FillRect(cr, {283, 302, 393, 303}, p::kEdge);

        // The brand's mark, faint, in the free space right of the columns.
        SetColour(cr, p::kEdge);
        cairo_set_line_width(cr, 7);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_MITER);
        cairo_move_to(cr, 424, 176);
        cairo_line_to(cr, 470, 176);
        cairo_line_to(cr, 424, 244);
        cairo_line_to(cr, 470, 244);
        cairo_stroke(cr);
    });
}

Image ConfigBackground()
{
    const Size size = sizes::kConfigDialog;
    return MakeImage(size, p::kDialogControl, [&](cairo_t* cr) {
        using namespace dialogs;
        FillRect(cr, kConfigTitleStrip, p::kDialogBand);
        FillRect(cr, {0, 0, 64, 2}, p::kAccent);
        FillRect(cr, {0, kConfigTitleStrip.bottom - 1, size.width, kConfigTitleStrip.bottom}, p::kEdge);
        FillRect(cr, kConfigList, p::kDialogControl);
        FillRect(cr, kConfigNewStrip, p::kDialogBand);
        FillRect(cr, {0, kConfigNewStrip.top, size.width, kConfigNewStrip.top + 1}, p::kEdge);
        StrokeRounded(cr, {0, 0, size.width, size.height}, 0, p::kLine);
    });
}

Image HelpBackground()
{
    const Size size = sizes::kHelpPanel;
    return MakeImage(size, p::kCardBottom, [&](cairo_t* cr) {
        using namespace dialogs;
        PatternPtr face = VerticalGradient(0, size.height, p::kCardTop, p::kCardBottom);
        cairo_set_source(cr, face.get());
        cairo_paint(cr);
        FillRect(cr, {0, 0, size.width, 2}, p::kAccent);
        const Colour rule{160, 166, 178};
        FillRect(cr, {8, kHelpUpdateLine.top - 1, size.width - 8, kHelpUpdateLine.top}, rule);
        FillRect(cr, {8, kHelpVersionLine.top - 1, size.width - 8, kHelpVersionLine.top}, rule);
        StrokeRounded(cr, {0, 0, size.width, size.height}, 0, {112, 119, 134});
    });
}

}  // namespace

void AddDialogImages(SkinSet& skin)
{
    skin.Add(pages::kSingleKeyBackground, SingleKeyBackground());
    skin.Add(pages::kComboKeyBackground, ComboKeyBackground());
    skin.Add(pages::kMacroKeyBackground, MacroKeyBackground());
    skin.Add(pages::kMacroManagerBackground, MacroManagerBackground());
    skin.Add(pages::kConfigBackground, ConfigBackground());
    skin.Add(pages::kHelpBackground, HelpBackground());
}

}  // namespace zalvane::skingen
