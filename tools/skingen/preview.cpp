#include "preview.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <string>

#include "assign/key_dialog_layout.h"
#include "assign/macro_manager_layout.h"
#include "dialogs/config_dialog_layout.h"
#include "dialogs/help_dialog_layout.h"
#include "icon_art.h"
#include "pages/dpi_panel_geometry.h"
#include "pages/lighting_panel_geometry.h"
#include "pages/main_window_geometry.h"
#include "pages/pointer_panel_geometry.h"
#include "pages/sensor_panel_geometry.h"
#include "pages/skin_catalogue.h"
#include "palette.h"
#include "skin_sizes.h"

namespace zalvane::skingen {
namespace {

namespace p = palette;
using namespace pages;

enum class Align { kLeft, kCentre };

class Painter {
public:
    Painter(const SkinSet& skin, Size size) : m_skin(skin), m_image(size.width, size.height), m_cr(m_image.Draw()) {}

    void Draw(std::string_view name, Point at)
    {
        if (const Image* image = m_skin.Find(name)) {
            Paste(m_cr.get(), *image, at);
        }
    }
    int HeightOf(std::string_view name) const
    {
        const Image* image = m_skin.Find(name);
        return image ? image->Height() : 0;
    }
    void Text(const std::string& text, const Rect& box, Align align, double size = 11.5,
              const Colour& colour = p::kText)
    {
        cairo_t* cr = m_cr.get();
        cairo_save(cr);
        cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
        cairo_set_font_size(cr, size);
        cairo_text_extents_t extents;
        cairo_text_extents(cr, text.c_str(), &extents);
        cairo_font_extents_t font;
        cairo_font_extents(cr, &font);
        const double x = align == Align::kCentre ? box.left + (box.Width() - extents.x_advance) / 2 : box.left;
        const double y = box.top + (box.Height() + font.ascent - font.descent) / 2;
        SetColour(cr, colour);
        cairo_move_to(cr, x, y);
        cairo_show_text(cr, text.c_str());
        cairo_restore(cr);
    }
    void Fill(const Rect& rect, const Colour& colour) { FillRect(m_cr.get(), rect, colour); }
    void Draw(const Image& image, Point at) { Paste(m_cr.get(), image, at); }
    Image Take()
    {
        m_cr.reset();
        return std::move(m_image);
    }

private:
    const SkinSet& m_skin;
    Image m_image;
    ContextPtr m_cr;
};

Rect Below(const Rect& strip, int panelHeight, bool open)
{
    const int top = strip.bottom + (open ? panelHeight : 0) + kItemGap;
    return {strip.left, top, strip.right, top + kItemStripHeight};
}

void DrawStrip(Painter& paint, const Rect& strip, const std::string& caption,
               std::string_view image = pages::kItemStripImage)
{
    paint.Draw(image, strip.TopLeft());
    paint.Text(caption, {strip.left + kItemCaptionInset, strip.top, strip.right, strip.bottom}, Align::kLeft);
}

constexpr std::array<const char*, 12> kFunctions{
    "Click", "Menu",          "Universal Scroll",      "IE Forward",        "IE Backward", "DPI Loop", "Volume Up",
    "Copy",  "Single Key-F5", "Combo Key-Left Ctrl+C", "Macro Key-Macro_0", "Button Off"};

struct MainState {
    bool side = false;
    bool assignmentOpen = false;
    bool xyOpen = false;
    std::array<bool, kRightItemCount> open{};
    int litSpot = 0;
};

Image MainWindow(const SkinSet& skin, const MainState& state)
{
    Painter paint(skin, sizes::kMainWindow);
    paint.Draw(pages::kMainImage, {0, 0});
    paint.Draw(pages::kLogoImage, kLogo.TopLeft());
    paint.Draw(pages::kScrollBarImage, kScrollBar.TopLeft());
    paint.Draw(pages::kHelpNormalImage, kHelpButton.TopLeft());
    paint.Draw(pages::kMinimiseNormalImage, kMinimiseButton.TopLeft());
    paint.Draw(pages::kCloseOverImage, kCloseButton.TopLeft());
    paint.Draw(pages::kCancelNormalImage, kResetButton.TopLeft());
    paint.Draw(pages::kCancelOverImage, kCancelButton.TopLeft());
    paint.Draw(pages::kSaveNormalImage, kSaveButton.TopLeft());
    paint.Draw(pages::kConfigNormalImage, kConfigButton.TopLeft());
    paint.Draw(state.side ? pages::kMouseSwitchNormalImage : pages::kMouseSwitchSelectedImage, kFrontSwitch.TopLeft());
    paint.Draw(state.side ? pages::kMouseSwitchSelectedImage : pages::kMouseSwitchNormalImage, kSideSwitch.TopLeft());
    paint.Draw(pages::kMainMidImage, kMiddleBackground.TopLeft());
    paint.Draw(state.side ? pages::kMouseSideImage : pages::kMouseFrontImage,
               state.side ? kSidePictureOrigin : kFrontPictureOrigin);
    if (state.litSpot > 0) {
        const auto& spots = state.side ? std::span<const Point>(kSideSpots) : std::span<const Point>(kFrontSpots);
        paint.Draw(pages::SkinImageName(state.side ? pages::kSideSpotOverPattern : pages::kFrontSpotOverPattern,
                                        state.litSpot),
                   spots[static_cast<std::size_t>(state.litSpot - 1)]);
    }
    paint.Text("Reset", kResetButton, Align::kCentre);
    paint.Text("Cancel", kCancelButton, Align::kCentre);
    paint.Text("Save", kSaveButton, Align::kCentre);
    paint.Text("Config",
               {kConfigButton.left + kConfigLabelInset, kConfigButton.top, kConfigButton.right, kConfigButton.bottom},
               Align::kLeft);
    paint.Text("Front", kFrontSwitch, Align::kCentre);
    paint.Text("Side", kSideSwitch, Align::kCentre);

    // Left column.
    paint.Draw(pages::kMainLeftImage, kLeftColumnOrigin);
    Rect strip = InitialStrip(Item::kButtonAssignment);
    DrawStrip(paint, strip, "Button Assignment");
    const std::string_view assignment =
        state.side ? pages::kAssignmentSideBackground : pages::kAssignmentFrontBackground;
    int below = strip.bottom + kItemGap;
    if (state.assignmentOpen) {
        paint.Draw(assignment, kButtonAssignmentPanelOrigin);
        const int rows = state.side ? kAssignmentRowCount : kAssignmentFrontRowCount;
        for (int row = 1; row <= rows; ++row) {
            const bool over = row == 3;
            paint.Draw(over ? pages::kDropdownOverImage
                            : (row == 5 ? pages::kDropdownChosenImage : pages::kDropdownNormalImage),
                       AssignmentRow(row).TopLeft());
            paint.Text(kFunctions[static_cast<std::size_t>(row - 1)], AssignmentRow(row), Align::kCentre, 10.5);
        }
        below = kButtonAssignmentPanelOrigin.y + paint.HeightOf(assignment) + kItemGap;
    }
    strip = {20, below, 262, below + kMacroManagerStripHeight};
    DrawStrip(paint, strip, "Macro Manager", pages::kMacroManagerStripImage);
    strip = {20, strip.bottom + kItemGap, 262, strip.bottom + kItemGap + kItemStripHeight};
    DrawStrip(paint, strip, "X/Y Sensitivity Setting");
    if (state.xyOpen) {
        paint.Draw(pages::kXyBackground, {strip.left, strip.bottom});
        paint.Text("X axis", XAxisCaption(strip), Align::kLeft);
        paint.Draw(pages::SkinImageName(pages::kStageSliderPattern, 4), XSlider(strip).TopLeft());
        paint.Text("Y axis", YAxisCaption(strip), Align::kLeft);
        paint.Draw(pages::SkinImageName(pages::kStageSliderPattern, 11), YSlider(strip).TopLeft());
        for (int i = 0; i < kXyScaleLabelCount; ++i) {
            paint.Text(std::to_string(i + 1), XScaleLabel(strip, i), Align::kLeft, 9.5);
            paint.Text(std::to_string(i + 1), YScaleLabel(strip, i), Align::kLeft, 9.5);
        }
    }

    paint.Draw(RenderScrollThumb(), kScrollThumb.TopLeft());

    // Right column, top view: every item drawn down to the last (the preview does not stop early).
    paint.Draw(pages::kMainRightImage, kRightColumnOrigin);
    const char* captions[] = {"DPI Setting",        "Lighting",     "USB Report Rate", "Mouse Speed",
                              "Double Click Speed", "Scroll Speed", "Angle Snap",      "Gesture Correction"};
    strip = InitialStrip(Item::kDpiSetting);
    for (std::size_t item = 0; item < kRightItemCount; ++item) {
        if (strip.bottom > 590) {
            break;
        }
        DrawStrip(paint, strip, captions[item]);
        const bool open = state.open[item];
        int height = 0;
        const int width = sizes::kColumnWidth;
        switch (item) {
            case 0:
                height = paint.HeightOf(pages::kDpiBackground);
                if (open) {
                    paint.Draw(pages::kDpiBackground, kDpiPanelOrigin);
                    const int values[] = {4, 8, 16, 32, 64, 120, 1};
                    for (int stage = 0; stage < 7; ++stage) {
                        paint.Draw(pages::SkinImageName(pages::kDpiStagePattern, values[stage]),
                                   DpiStageSlider(stage).TopLeft());
                        paint.Draw(pages::kDpiValueImage, DpiValueBox(stage).TopLeft());
                        paint.Text(std::to_string(values[stage] * 100), DpiValueBox(stage), Align::kCentre, 8.5);
                        paint.Draw(stage == 6 ? pages::kDisableImage : pages::kEnableImage,
                                   DpiEnableSwitch(stage).TopLeft());
                        const Colour colours[] = {{255, 0, 0},   {0, 255, 0},   {0, 0, 255},  {255, 255, 0},
                                                  {0, 255, 255}, {255, 0, 255}, {255, 128, 0}};
                        paint.Fill(DpiColourSwatch(stage), colours[stage]);
                    }
                }
                break;
            case 1:
                height = paint.HeightOf(pages::kLightingBackground);
                if (open) {
                    paint.Draw(pages::kLightingBackground, {strip.left, strip.bottom});
                    const char* modes[] = {"Standard", "Respiration", "Neon"};
                    const char* scales[3][5] = {{"0%", "25%", "50%", "75%", "100%"},
                                                {"4S", "5S", "6S", "7S", "8S"},
                                                {"3S", "6S", "9S", "12S", "15S"}};
                    for (int row = 1; row <= 3; ++row) {
                        paint.Draw(row == 2 ? pages::kEnableImage : pages::kDisableImage,
                                   LightingModeSwitch(strip, row).TopLeft());
                        paint.Text(modes[row - 1], LightingModeCaption(strip, row), Align::kLeft);
                        paint.Draw(pages::SkinImageName(pages::kLightingPattern, row * 2 - 1),
                                   LightingSlider(strip, row).TopLeft());
                        for (int i = 0; i < 5; ++i) {
                            paint.Text(scales[row - 1][i], LightingScaleLabel(strip, row, i), Align::kLeft, 9);
                        }
                    }
                }
                break;
            case 2:
                height = paint.HeightOf(pages::kReportRateBackground);
                if (open) {
                    paint.Draw(pages::kReportRateBackground, {strip.left, strip.bottom});
                    paint.Draw(pages::SkinImageName(pages::kReportRatePattern, 1000),
                               ReportRateDial(strip, width).TopLeft());
                }
                break;
            case 3:
            case 4:
                height = paint.HeightOf(pages::kMouseAttributeBackground);
                if (open) {
                    paint.Draw(pages::kMouseAttributeBackground, {strip.left, strip.bottom});
                    const Rect dial = SpeedDial(strip, width);
                    paint.Draw(pages::SkinImageName(pages::kSpeedPattern, item == 3 ? 7 : 10), dial.TopLeft());
                    paint.Text("Slow", SlowCaption(dial), Align::kCentre, 10);
                    paint.Text("Fast", FastCaption(dial), Align::kCentre, 10);
                }
                break;
            case 5:
                height = paint.HeightOf(pages::kScrollSpeedBackground);
                if (open) {
                    paint.Draw(pages::kScrollSpeedBackground, {strip.left, strip.bottom});
                    paint.Draw(pages::kScrollModeOnImage, LineModeSwitch(strip).TopLeft());
                    paint.Draw(pages::kScrollModeOffImage, PageModeSwitch(strip).TopLeft());
                    paint.Text("The number of rows", LineModeCaption(strip), Align::kLeft, 10.5);
                    paint.Text("Scroll one screen", PageModeCaption(strip), Align::kLeft, 10.5);
                    paint.Draw(pages::kScrollLinesImage, ScrollLinesBox(strip).TopLeft());
                    paint.Text("3", ScrollLinesBox(strip), Align::kCentre, 10);
                }
                break;
            case 6:
                height = paint.HeightOf(pages::kAngleSnapBackground);
                if (open) {
                    paint.Draw(pages::kAngleSnapBackground, {strip.left, strip.bottom});
                    paint.Draw(pages::kEnableImage, AngleSnapOnSwitch(strip).TopLeft());
                    paint.Draw(pages::kDisableImage, AngleSnapOffSwitch(strip).TopLeft());
                    paint.Text("On", AngleSnapOnCaption(strip), Align::kLeft);
                    paint.Text("Off", AngleSnapOffCaption(strip), Align::kLeft);
                }
                break;
            case 7:
                height = paint.HeightOf(pages::kGestureBackground);
                if (open) {
                    paint.Draw(pages::kGestureBackground, {strip.left, strip.bottom});
                    paint.Draw(pages::SkinImageName(pages::kGesturePattern, 3), GestureSlider(strip).TopLeft());
                    const char* labels[] = {"-2", "-1", "0", "1", "2"};
                    for (int i = 0; i < 5; ++i) {
                        paint.Text(labels[i], GestureScaleLabel(strip, i), Align::kLeft, 9.5);
                    }
                }
                break;
            default:
                break;  // the right column has kRightItemCount items, all drawn above
        }
        strip = Below(strip, height, open);
    }
    return paint.Take();
}

void DialogButtons(Painter& paint, const char* ok, const char* cancel)
{
    paint.Draw(pages::kCloseNormalImage, assign::kKeyDialogClose.TopLeft());
    paint.Draw(pages::kDialogButtonOverImage, assign::kKeyDialogOk.TopLeft());
    paint.Draw(pages::kDialogButtonNormalImage, assign::kKeyDialogCancel.TopLeft());
    paint.Text(ok, assign::kKeyDialogOk, Align::kCentre);
    paint.Text(cancel, assign::kKeyDialogCancel, Align::kCentre);
}

std::vector<Image> Dialogs(const SkinSet& skin)
{
    const Colour white{250, 250, 250};
    std::vector<Image> out;
    {
        Painter paint(skin, sizes::kKeyDialog);
        paint.Draw(pages::kSingleKeyBackground, {0, 0});
        DialogButtons(paint, "Ok", "Cancel");
        paint.Text("Please enter a key", assign::kSingleKeyPrompt, Align::kLeft);
        paint.Fill(assign::kSingleKeyDisplay, p::kDialogControl);
        paint.Text("Enter", assign::kSingleKeyDisplay, Align::kCentre, 11, white);
        out.push_back(paint.Take());
    }
    {
        Painter paint(skin, sizes::kKeyDialog);
        paint.Draw(pages::kComboKeyBackground, {0, 0});
        DialogButtons(paint, "OK", "Cancel");
        paint.Fill(assign::kComboModifierDisplay, p::kDialogControl);
        paint.Text("Left Ctrl", assign::kComboModifierDisplay, Align::kCentre, 11, white);
        paint.Fill(assign::kComboKey1Field, p::kDialogControl);
        paint.Text("A", assign::kComboKey1Field, Align::kCentre, 11, white);
        paint.Fill(assign::kComboKey2Field, p::kDialogControl);
        out.push_back(paint.Take());
    }
    {
        Painter paint(skin, sizes::kKeyDialog);
        paint.Draw(pages::kMacroKeyBackground, {0, 0});
        DialogButtons(paint, "Ok", "Cancel");
        paint.Fill(assign::kMacroKeyDisplay, p::kDialogControl);
        paint.Text("Macro_0", assign::kMacroKeyDisplay, Align::kCentre, 11, white);
        const char* modes[] = {"Repeat a specified number of times", "Repeat until press any key to end",
                               "Repeat until the key is released"};
        for (int mode = 0; mode < 3; ++mode) {
            paint.Draw(mode == 1 ? pages::kTickOnImage : pages::kTickOffImage, assign::MacroModeTick(mode).TopLeft());
            paint.Text(modes[mode], assign::MacroModeText(mode).Offset(4, 0), Align::kLeft, 9);
        }
        out.push_back(paint.Take());
    }
    {
        Painter paint(skin, sizes::kMacroManager);
        paint.Draw(pages::kMacroManagerBackground, {0, 0});
        using namespace assign;
        paint.Text("Macro Manager", {kMacroTitleInset, 0, kMacroTitleBand.right, kMacroTitleBand.bottom}, Align::kLeft,
                   13);
        paint.Draw(pages::kMacroCloseNormalImage, kMacroClose.TopLeft());
        const char* headers[] = {"Select Macro", "Key Press Sequence", "Record Option"};
        for (int i = 0; i < 3; ++i) {
            paint.Text(headers[i], kMacroColumnHeaders[static_cast<std::size_t>(i)], Align::kCentre, 11);
        }
        paint.Text("Macro_0", {kMacroList.left + 3, kMacroList.top + 1, kMacroList.right, kMacroList.top + 17},
                   Align::kLeft, 11);
        const char* events[] = {"A   Dn", "120 ms", "A   Up"};
        for (int i = 0; i < 3; ++i) {
            paint.Text(
                events[i],
                {kEventList.left + 3, kEventList.top + 1 + 16 * i, kEventList.right, kEventList.top + 17 + 16 * i},
                Align::kLeft, 11);
        }
        paint.Draw(pages::kRecordImage, kRecordButton.TopLeft());
        paint.Text("Start Recording", kRecordButton, Align::kCentre, 10.5);
        paint.Draw(pages::kMacroTickOnImage, kDelayTick.TopLeft());
        paint.Text("Record delays", {kDelayLabel.left, kDelayLabel.top, kDelayLabel.right, kDelayLabel.top + 15},
                   Align::kLeft, 9.5);
        paint.Text("between keys", {kDelayLabel.left, kDelayLabel.top + 15, kDelayLabel.right, kDelayLabel.bottom},
                   Align::kLeft, 9.5);
        paint.Draw(pages::kMacroTickOffImage, kLoopTick.TopLeft());
        paint.Text("Loop Times", kLoopLabel, Align::kLeft, 10.5);
        paint.Text("1", kLoopTimesField, Align::kCentre, 10);
        paint.Draw(pages::kDialogButtonNormalImage, kMacroNew.TopLeft());
        paint.Draw(pages::kDialogButtonNormalImage, kMacroDelete.TopLeft());
        paint.Draw(pages::kMacroCancelOverImage, kMacroOk.TopLeft());
        paint.Draw(pages::kMacroCancelNormalImage, kMacroCancel.TopLeft());
        paint.Text("New", kMacroNew, Align::kCentre);
        paint.Text("Delete", kMacroDelete, Align::kCentre);
        paint.Text("OK", kMacroOk, Align::kCentre);
        paint.Text("Cancel", kMacroCancel, Align::kCentre);
        out.push_back(paint.Take());
    }
    {
        Painter paint(skin, sizes::kConfigDialog);
        paint.Draw(pages::kConfigBackground, {0, 0});
        using namespace dialogs;
        paint.Draw(pages::kCloseNormalImage, kConfigClose.TopLeft());
        paint.Text("Configuration", {kConfigTitleText.left, 0, 200, 31}, Align::kLeft);
        paint.Draw(pages::kConfigNewImage, dialogs::kConfigNewImage);
        paint.Text("New", kConfigNewText, Align::kLeft);
        const char* names[] = {"PROFILE_0", "PROFILE_1", "Game"};
        for (int i = 0; i < 3; ++i) {
            paint.Text(names[i], {4, kConfigList.top + 2 + 16 * i, 200, kConfigList.top + 18 + 16 * i}, Align::kLeft,
                       11, {250, 250, 250});
        }
        out.push_back(paint.Take());
    }
    {
        Painter paint(skin, sizes::kHelpPanel);
        paint.Draw(pages::kHelpBackground, {0, 0});
        using namespace dialogs;
        paint.Text("www.example.com", kHelpAddressLine, Align::kCentre, 11, {0, 0, 0});
        paint.Text("Update", kHelpUpdateLine, Align::kCentre, 11, {0, 0, 0});
        paint.Text("Version: 1.0", kHelpVersionLine, Align::kCentre, 11, {0, 0, 0});
        out.push_back(paint.Take());
    }
    return out;
}

}  // namespace

std::vector<Image> RenderPreviews(const SkinSet& skin)
{
    std::vector<Image> previews;
    MainState closed;
    previews.push_back(MainWindow(skin, closed));
    MainState front;
    front.assignmentOpen = true;
    front.xyOpen = true;
    front.open = {true, true, true, false, false, false, false, false};
    front.litSpot = 1;
    previews.push_back(MainWindow(skin, front));
    MainState side;
    side.side = true;
    side.assignmentOpen = true;
    side.open = {false, false, false, true, false, true, true, true};
    side.litSpot = 5;
    previews.push_back(MainWindow(skin, side));
    std::vector<Image> dialogs = Dialogs(skin);
    std::ranges::move(dialogs, std::back_inserter(previews));
    return previews;
}

}  // namespace zalvane::skingen
