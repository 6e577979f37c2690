#include "panel_art.h"

#include <cmath>
#include <numbers>
#include <string>

#include "glyphs.h"
#include "pages/dpi_panel_geometry.h"
#include "pages/lighting_panel_geometry.h"
#include "pages/main_window_geometry.h"
#include "pages/pointer_panel_geometry.h"
#include "pages/sensor_panel_geometry.h"
#include "pages/skin_catalogue.h"
#include "palette.h"
#include "skin_sizes.h"
#include "widgets.h"

namespace zalvane::skingen {
namespace {

namespace p = palette;
using namespace pages;

constexpr double kPi = std::numbers::pi;
constexpr int kWidth = sizes::kColumnWidth;

// A strip at the panel's own origin: panel rectangles then come out relative to the panel.
constexpr Rect kStrip{0, -kItemStripHeight, kWidth, 0};

// A panel hangs under its strip: no border on top, rounded at the bottom.
Image Panel(int height, const std::function<void(cairo_t*)>& draw = {})
{
    return MakeImage({kWidth, height}, p::kBase, [&](cairo_t* cr) {
        const Rect body{0, -6, kWidth, height};
        FillRounded(cr, body, 4, p::kPanel);
        StrokeRounded(cr, body, 4, p::kEdge);
        // A thin shade under the strip; controls start below it, on the flat panel colour.
        PatternPtr shade = VerticalGradient(0, 2, {0, 0, 0, 0.35}, {0, 0, 0, 0});
        cairo_set_source(cr, shade.get());
        cairo_rectangle(cr, 1, 0, kWidth - 2, 2);
        cairo_fill(cr);
        if (draw) {
            draw(cr);
        }
    });
}

Lettering Small() { return {7, 1.25, 1.2, 0}; }

// ---- DPI -------------------------------------------------------------------------------

Image DpiBackground()
{
    return Panel(sizes::kDpiPanelHeight, [](cairo_t* cr) {
        const int dx = -kDpiPanelOrigin.x;
        const int dy = -kDpiPanelOrigin.y;
        for (int stage = 0; stage < 7; ++stage) {
            const Rect slider = DpiStageSlider(stage).Offset(dx, dy);
            const double cx = slider.left + slider.Width() / 2.0;
            DrawLetteringCentred(cr, std::to_string(stage + 1), cx, 13, Small(), p::kMuted);
            // Ticks every 2000 DPI beside the track.
            for (int value = 20; value <= kDpiStageMaxValue; value += 20) {
                const int y = slider.top + 124 - value;
                FillRect(cr, {slider.right + 2, y, slider.right + 5, y + 1}, p::kLine.WithAlpha(0.8));
            }
            const Rect swatch = DpiColourSwatch(stage).Offset(dx, dy);
            FillRect(cr, {swatch.left - 2, swatch.top - 2, swatch.right + 2, swatch.bottom + 2}, p::kShadow);
            StrokeRounded(cr, {swatch.left - 2, swatch.top - 2, swatch.right + 2, swatch.bottom + 2}, 0, p::kLine);
            if (stage < 6) {
                const double x = DpiValueBox(stage).Offset(dx, dy).right + 4.5;
                FillRect(cr, {static_cast<int>(x), 8, static_cast<int>(x) + 1, 228}, p::kEdge.WithAlpha(0.6));
            }
        }
    });
}

Image DpiStage(int value)
{
    const Size size = DpiStageSlider(0).Extent();
    // One pixel per step: value v is the row v - 1 above the slider's floor, 4 px over its bottom edge.
    const double knobY = size.height - kDpiSliderFloor + 1 - value + 0.5;
    return MakeImage(size, p::kPanel, [&](cairo_t* cr) {
        DrawVerticalSlider(cr, {0, 0, size.width, size.height}, knobY);
    });
}

// ---- sliders ---------------------------------------------------------------------------

Image HorizontalSlider(Size size, double knobX)
{
    return MakeImage(size, p::kPanel, [&](cairo_t* cr) {
        DrawHorizontalSlider(cr, {0, 0, size.width, size.height}, knobX);
    });
}

// ---- dials -----------------------------------------------------------------------------

double Radians(double degrees) { return degrees * kPi / 180; }

void RingSegment(cairo_t* cr, double cx, double cy, double inner, double outer, double from, double to)
{
    cairo_new_sub_path(cr);
    cairo_arc(cr, cx, cy, outer, Radians(from), Radians(to));
    cairo_arc_negative(cr, cx, cy, inner, Radians(to), Radians(from));
    cairo_close_path(cr);
}

// The report-rate dial: four quadrants, the chosen one lit, and its rate in the middle.
Image ReportRateDial(int rate)
{
    const Size size{kReportDialSize, kReportDialSize};
    struct Quadrant {
        int rate;
        double from;  // cairo degrees, clockwise from the right
        double labelAngle;
    };
    // Rates rise counter-clockwise: 125 upper left, 250 lower left, 500 lower right, 1000 upper right.
    constexpr Quadrant kQuadrants[] = {{1000, -90, -45}, {125, -180, -135}, {250, 90, 135}, {500, 0, 45}};
    return MakeImage(size, p::kPanel, [&](cairo_t* cr) {
        const double c = size.width / 2.0;
        SetColour(cr, p::kWell);
        cairo_arc(cr, c, c, 63.5, 0, 2 * kPi);
        cairo_fill(cr);
        for (const Quadrant& q : kQuadrants) {
            const bool chosen = q.rate == rate;
            RingSegment(cr, c, c, 37, 61, q.from + 3, q.from + 87);
            if (chosen) {
                PatternPtr lit = RadialGradient(c, c, 37, 61, p::kAccentDark, p::kAccent);
                cairo_set_source(cr, lit.get());
            } else {
                SetColour(cr, p::kRaised);
            }
            cairo_fill_preserve(cr);
            SetColour(cr, chosen ? p::kAccentLight.WithAlpha(0.8) : p::kEdge);
            cairo_set_line_width(cr, 1);
            cairo_stroke(cr);
            const double r = 49;
            const double lx = c + r * std::cos(Radians(q.labelAngle));
            const double ly = c + r * std::sin(Radians(q.labelAngle));
            DrawLetteringCentred(cr, std::to_string(q.rate), lx, ly, {7, 1.3, 1, 0}, chosen ? p::kBright : p::kMuted);
        }
        // Hub with the chosen rate.
        SetColour(cr, p::kBase);
        cairo_arc(cr, c, c, 32, 0, 2 * kPi);
        cairo_fill_preserve(cr);
        SetColour(cr, p::kEdge);
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
        DrawLetteringCentred(cr, std::to_string(rate), c, c - 4, {13, 2, 2, 0}, p::kBright);
        DrawLetteringCentred(cr, "Hz", c, c + 12, {6, 1.1, 1, 0}, p::kMuted);
    });
}

// The speed half dial: ten 18-degree steps from "Slow" on the left to "Fast" on the right,
// lit up to the value, with the value in the middle.
Image SpeedDial(int value)
{
    const Size size{142, 83};
    return MakeImage(size, p::kPanel, [&](cairo_t* cr) {
        const double cx = kSpeedDialPivotOffset;
        const double cy = kSpeedDialPivotOffset;
        SetColour(cr, p::kWell);
        RingSegment(cr, cx, cy, 42, 70, 180, 360);
        cairo_fill(cr);
        for (int step = 2; step <= 11; ++step) {
            // Step s is given on the angles 18 (11 - s) .. 18 (12 - s) above the right-hand horizontal.
            const double from = -kSpeedDegreesPerStep * (12 - step);
            const double to = -kSpeedDegreesPerStep * (11 - step);
            RingSegment(cr, cx, cy, 45, 67, from + 1.2, to - 1.2);
            const bool lit = step <= value;
            if (lit) {
                SetColour(cr, step == value ? p::kAccentLight : Mix(p::kAccentDark, p::kAccent, (step - 2) / 9.0));
            } else {
                SetColour(cr, p::kRaised);
            }
            cairo_fill(cr);
        }
        // The right end lights too at the top speed.
        RingSegment(cr, cx, cy, 45, 67, -0.8, 0.8);
        SetColour(cr, value >= 12 ? p::kAccentLight : p::kRaised);
        cairo_fill(cr);
        // Base line and the value.
        FillRect(cr, {4, static_cast<int>(cy) + 1, size.width - 4, static_cast<int>(cy) + 2}, p::kEdge);
        DrawLetteringCentred(cr, std::to_string(value), cx, cy - 18, {15, 2.2, 2.5, 0}, p::kBright);
    });
}

// ---- other backgrounds -----------------------------------------------------------------

Image ScrollSpeedBackground()
{
    return Panel(sizes::kScrollSpeedPanelHeight, [](cairo_t* cr) {
        FillRect(cr, {10, 38, kWidth - 10, 39}, p::kEdge);
        const Rect box = ScrollLinesBox(kStrip);
        FillRect(cr, {box.left - 1, box.top - 1, box.right + 1, box.bottom + 1}, p::kShadow);
        for (bool up : {true, false}) {
            const Rect arrow = up ? ScrollUpArrow(kStrip) : ScrollDownArrow(kStrip);
            FillRounded(cr, arrow, 1.5, p::kRaised);
            SetColour(cr, p::kSoft);
            const double cx = arrow.left + arrow.Width() / 2.0;
            const double top = arrow.top + 1.5;
            const double bottom = arrow.bottom - 1.5;
            cairo_move_to(cr, cx - 3, up ? bottom : top);
            cairo_line_to(cr, cx + 3, up ? bottom : top);
            cairo_line_to(cr, cx, up ? top : bottom);
            cairo_close_path(cr);
            cairo_fill(cr);
        }
    });
}

// The button-assignment panel: one numbered badge per row, joined to the row's drop-down box.
Image AssignmentBackground(int height, bool side)
{
    return Panel(height, [&](cairo_t* cr) {
        const int rows = side ? kAssignmentRowCount : kAssignmentFrontRowCount;
        const int dx = -kButtonAssignmentPanelOrigin.x;
        const int dy = -kButtonAssignmentPanelOrigin.y;
        for (int row = 1; row <= rows; ++row) {
            const Rect box = AssignmentRow(row).Offset(dx, dy);
            const Rect badge{box.left - 40, box.top + 1, box.left - 8, box.bottom - 1};
            FillRounded(cr, badge, 3, p::kRaised);
            StrokeRounded(cr, badge, 3, p::kEdge);
            FillRounded(cr, {badge.left + 2, badge.top + 3, badge.left + 4, badge.bottom - 3}, 1, p::kAccent);
            const std::string label = side ? "S" + std::to_string(row) : std::to_string(row);
            DrawLetteringCentred(cr, label, badge.left + badge.Width() / 2.0 + 1.5, box.top + box.Height() / 2.0,
                                 Small(), p::kSoft);
            FillRect(cr, {badge.right, box.top + 8, box.left, box.top + 9}, p::kLine);
        }
        // A small mouse outline above the badges says which side the numbers belong to.
        SetColour(cr, p::kMuted);
        cairo_set_line_width(cr, 1.2);
        const double x = 22;
        const double y = 8;
        if (side) {
            cairo_move_to(cr, x, y + 14);
            cairo_curve_to(cr, x, y + 4, x + 8, y, x + 16, y);
            cairo_curve_to(cr, x + 24, y, x + 30, y + 6, x + 30, y + 14);
            cairo_close_path(cr);
        } else {
            RoundedRectPath(cr, x + 6, y - 2, 16, 22, 8);
            cairo_move_to(cr, x + 14, y - 2);
            cairo_line_to(cr, x + 14, y + 7);
        }
        cairo_stroke(cr);
    });
}

}  // namespace

double HorizontalKnob(int value, int offset, int step, int maxLabelledValue, int width)
{
    if (value > maxLabelledValue) {
        return width - 1;
    }
    return offset + step * (value - 1) - 0.5;
}

void AddPanelImages(SkinSet& skin)
{
    skin.Add(pages::kDpiBackground, DpiBackground());
    for (int value = kDpiStageMinValue; value <= kDpiStageMaxValue; ++value) {
        skin.Add(pages::SkinImageName(pages::kDpiStagePattern, value), DpiStage(value));
    }

    skin.Add(pages::kLightingBackground, Panel(sizes::kLightingPanelHeight));
    const Size lighting = LightingSlider(kStrip, 1).Extent();
    for (int value = kLightingMinValue; value <= kLightingMaxValue; ++value) {
        const double knob =
            HorizontalKnob(value, kLightingSliderOffset, kLightingSliderStep, kLightingScaleLabelCount, lighting.width);
        skin.Add(pages::SkinImageName(pages::kLightingPattern, value), HorizontalSlider(lighting, knob));
    }

    skin.Add(pages::kReportRateBackground, Panel(sizes::kReportRatePanelHeight));
    for (int rate : {125, 250, 500, 1000}) {
        skin.Add(pages::SkinImageName(pages::kReportRatePattern, rate), ReportRateDial(rate));
    }

    skin.Add(pages::kMouseAttributeBackground, Panel(sizes::kMouseAttributePanelHeight));
    for (int value = kSpeedMinValue; value <= kSpeedMaxValue; ++value) {
        skin.Add(pages::SkinImageName(pages::kSpeedPattern, value), SpeedDial(value));
    }
    skin.Add(pages::kScrollSpeedBackground, ScrollSpeedBackground());
    skin.Add(pages::kAngleSnapBackground, Panel(sizes::kAngleSnapPanelHeight));

    skin.Add(pages::kGestureBackground, Panel(sizes::kGesturePanelHeight));
    const Size gesture = GestureSlider(kStrip).Extent();
    for (int value = kGestureMinValue; value <= kGestureMaxValue; ++value) {
        const double knob =
            HorizontalKnob(value, kGestureSliderOffset, kGestureSliderStep, kGestureScaleLabelCount, gesture.width);
        skin.Add(pages::SkinImageName(pages::kGesturePattern, value), HorizontalSlider(gesture, knob));
    }

    skin.Add(pages::kXyBackground, Panel(sizes::kXyPanelHeight));
    const Size xy = XSlider(kStrip).Extent();
    for (int value = kXyMinValue; value <= kXyMaxValue; ++value) {
        const double knob = HorizontalKnob(value, kXySliderOffset, kXySliderStep, kXyScaleLabelCount, xy.width);
        skin.Add(pages::SkinImageName(pages::kStageSliderPattern, value), HorizontalSlider(xy, knob));
    }

    skin.Add(pages::kAssignmentFrontBackground, AssignmentBackground(sizes::kAssignmentFrontPanelHeight, false));
    skin.Add(pages::kAssignmentSideBackground, AssignmentBackground(sizes::kAssignmentSidePanelHeight, true));
}

}  // namespace zalvane::skingen
