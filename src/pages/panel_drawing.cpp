#include "pages/panel_drawing.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "pages/dpi_panel_geometry.h"
#include "pages/lighting_panel_geometry.h"
#include "pages/panel_rules.h"
#include "pages/pointer_panel_geometry.h"
#include "pages/sensor_panel_geometry.h"
#include "pages/skin_catalogue.h"

namespace zalvane::pages {
namespace {

using language::TextSlot;
using ui::FontRole;
using ui::TextAlignment;

constexpr int kStageCount = static_cast<int>(settings::kStageCount);
constexpr int kDpiPerStep = 100;

constexpr std::array<std::array<std::string_view, kLightingScaleLabelCount>, kLightingRowCount> kLightingScales{{
    {"0%", "25%", "50%", "75%", "100%"},
    {"4S", "5S", "6S", "7S", "8S"},
    {"3S", "6S", "9S", "12S", "15S"},
}};
constexpr std::array<TextSlot, kLightingRowCount> kLightingModes{TextSlot::kStandard, TextSlot::kRespiration,
                                                                 TextSlot::kNeon};

Point Below(const Rect& strip) { return {strip.left, strip.bottom}; }

std::string_view SwitchImage(bool selected) { return selected ? pages::kEnableImage : pages::kDisableImage; }

}  // namespace

void DrawDpiPanel(PagePainter& painter, const ProfileRecord& record)
{
    painter.Image(pages::kDpiBackground, kDpiPanelOrigin);
    for (int stage = 0; stage < kStageCount; ++stage) {
        const auto at = static_cast<std::size_t>(stage);
        DrawDpiStageValue(painter, stage, record[ProfileRecord::kStageValue + at]);
        DrawStageEnable(painter, stage, record[ProfileRecord::kStageEnabled + at]);
    }
}

void DrawDpiStageValue(PagePainter& painter, int stage, std::uint8_t value)
{
    painter.Image(pages::kDpiStagePattern, value, DpiStageSlider(stage).TopLeft());
    const Rect box = DpiValueBox(stage);
    painter.Image(pages::kDpiValueImage, box.TopLeft());
    // "12000" is wider than its box: centred on it and not cut.
    painter.Text(std::to_string(value * kDpiPerStep), box, TextAlignment::kCentreUnclipped, FontRole::kValue);
}

void DrawStageEnable(PagePainter& painter, int stage, std::uint8_t enabled)
{
    painter.Image(SwitchImage(enabled != 0), DpiEnableSwitch(stage).TopLeft());
}

void DrawLightingPanel(PagePainter& painter, const Rect& strip, const ProfileRecord& record)
{
    painter.Image(pages::kLightingBackground, Below(strip));
    DrawLightingSwitches(painter, strip, record[ProfileRecord::kLightingMode]);
    for (int row = 1; row <= kLightingRowCount; ++row) {
        const auto r = static_cast<std::size_t>(row - 1);
        painter.Text(kLightingModes[r], LightingModeCaption(strip, row), TextAlignment::kLeft);
        DrawLightingSlider(painter, strip, row, record[ProfileRecord::kLightingParameter + r]);
        for (int label = 0; label < kLightingScaleLabelCount; ++label) {
            painter.Text(kLightingScales[r][static_cast<std::size_t>(label)], LightingScaleLabel(strip, row, label),
                         TextAlignment::kLeft, FontRole::kValue);
        }
    }
}

void DrawLightingSwitches(PagePainter& painter, const Rect& strip, std::uint8_t mode)
{
    // A mode from a damaged file that names no row lights no switch.
    if (mode < 1 || mode > kLightingRowCount) {
        return;
    }
    for (int row = 1; row <= kLightingRowCount; ++row) {
        painter.Image(SwitchImage(row == mode), LightingModeSwitch(strip, row).TopLeft());
    }
}

void DrawLightingSlider(PagePainter& painter, const Rect& strip, int row, std::uint8_t value)
{
    painter.Image(pages::kLightingPattern, value, LightingSlider(strip, row).TopLeft());
}

void DrawReportRatePanel(PagePainter& painter, const Rect& strip, int width, std::uint8_t interval)
{
    painter.Image(pages::kReportRateBackground, Below(strip));
    DrawReportRateDial(painter, strip, width, interval);
}

void DrawReportRateDial(PagePainter& painter, const Rect& strip, int width, std::uint8_t interval)
{
    // An interval the mouse has no rate for shows the bare background.
    if (const auto rate = ReportRateOf(interval)) {
        painter.Image(pages::kReportRatePattern, *rate, ReportRateDial(strip, width).TopLeft());
    }
}

void DrawSpeedPanel(PagePainter& painter, const Rect& strip, int width, std::uint8_t speed)
{
    painter.Image(pages::kMouseAttributeBackground, Below(strip));
    const Rect dial = SpeedDial(strip, width);
    painter.Image(pages::kSpeedPattern, speed, dial.TopLeft());
    painter.Text(TextSlot::kSlow, SlowCaption(dial), TextAlignment::kCentre);
    painter.Text(TextSlot::kFast, FastCaption(dial), TextAlignment::kCentre);
}

void DrawScrollSpeedPanel(PagePainter& painter, const Rect& strip, std::uint8_t mode)
{
    painter.Image(pages::kScrollSpeedBackground, Below(strip));
    DrawScrollModeSwitches(painter, strip, mode);
    painter.Text(TextSlot::kNumberOfRows, LineModeCaption(strip), TextAlignment::kLeft);
    painter.Text(TextSlot::kScrollOneScreen, PageModeCaption(strip), TextAlignment::kLeft);
    painter.Image(pages::kScrollLinesImage, ScrollLinesBox(strip).TopLeft());
}

void DrawScrollModeSwitches(PagePainter& painter, const Rect& strip, std::uint8_t mode)
{
    // Any mode but 0 scrolls by screens when saved, so it shows as the page mode.
    const bool lineMode = mode == 0;
    painter.Image(lineMode ? pages::kScrollModeOnImage : pages::kScrollModeOffImage, LineModeSwitch(strip).TopLeft());
    painter.Image(lineMode ? pages::kScrollModeOffImage : pages::kScrollModeOnImage, PageModeSwitch(strip).TopLeft());
}

void DrawAngleSnapPanel(PagePainter& painter, const Rect& strip, std::uint8_t snap)
{
    painter.Image(pages::kAngleSnapBackground, Below(strip));
    DrawAngleSnapSwitches(painter, strip, snap);
    painter.Text(TextSlot::kOn, AngleSnapOnCaption(strip), TextAlignment::kLeft);
    painter.Text(TextSlot::kOff, AngleSnapOffCaption(strip), TextAlignment::kLeft);
}

void DrawAngleSnapSwitches(PagePainter& painter, const Rect& strip, std::uint8_t snap)
{
    painter.Image(SwitchImage(snap == 1), AngleSnapOnSwitch(strip).TopLeft());
    painter.Image(SwitchImage(snap != 1), AngleSnapOffSwitch(strip).TopLeft());
}

void DrawGesturePanel(PagePainter& painter, const Rect& strip, std::uint8_t value)
{
    painter.Image(pages::kGestureBackground, Below(strip));
    DrawGestureSlider(painter, strip, value);
    for (int label = 0; label < kGestureScaleLabelCount; ++label) {
        painter.Text(kGestureScaleLabels[static_cast<std::size_t>(label)], GestureScaleLabel(strip, label),
                     TextAlignment::kLeft, FontRole::kValue);
    }
}

void DrawGestureSlider(PagePainter& painter, const Rect& strip, std::uint8_t value)
{
    painter.Image(pages::kGesturePattern, value, GestureSlider(strip).TopLeft());
}

void DrawXyPanel(PagePainter& painter, const Rect& strip, const ProfileRecord& record)
{
    painter.Image(pages::kXyBackground, Below(strip));
    painter.Text(TextSlot::kXAxis, XAxisCaption(strip), TextAlignment::kLeft);
    DrawXySlider(painter, XSlider(strip), record[ProfileRecord::kSensitivityX]);
    painter.Text(TextSlot::kYAxis, YAxisCaption(strip), TextAlignment::kLeft);
    DrawXySlider(painter, YSlider(strip), record[ProfileRecord::kSensitivityY]);
    for (int label = 0; label < kXyScaleLabelCount; ++label) {
        const std::string text = std::to_string(label + 1);
        painter.Text(text, XScaleLabel(strip, label), TextAlignment::kLeft, FontRole::kValue);
        painter.Text(text, YScaleLabel(strip, label), TextAlignment::kLeft, FontRole::kValue);
    }
}

void DrawXySlider(PagePainter& painter, const Rect& slider, std::uint8_t value)
{
    painter.Image(pages::kStageSliderPattern, value, slider.TopLeft());
}

}  // namespace zalvane::pages
