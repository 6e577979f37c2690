#pragma once
// What each fold-out panel draws on the canvas, whole or in the part one click changes.
// Rectangles hang from the panel's item strip; the dials also from the width of the
// panel's background. Child windows (swatches, the scroll-lines box) are the page's.

#include <cstdint>

#include "pages/geometry_types.h"
#include "pages/page_painter.h"
#include "settings/profile_record.h"

namespace zalvane::pages {

using settings::ProfileRecord;

void DrawDpiPanel(PagePainter& painter, const ProfileRecord& record);
void DrawDpiStageValue(PagePainter& painter, int stage, std::uint8_t value);  // slider and value box
// Any non-zero byte is an enabled stage, as the mouse is told when saving.
void DrawStageEnable(PagePainter& painter, int stage, std::uint8_t enabled);

void DrawLightingPanel(PagePainter& painter, const Rect& strip, const ProfileRecord& record);
void DrawLightingSwitches(PagePainter& painter, const Rect& strip, std::uint8_t mode);
void DrawLightingSlider(PagePainter& painter, const Rect& strip, int row, std::uint8_t value);  // row 1..3

void DrawReportRatePanel(PagePainter& painter, const Rect& strip, int width, std::uint8_t interval);
void DrawReportRateDial(PagePainter& painter, const Rect& strip, int width, std::uint8_t interval);

// "Mouse Speed" and "Double Click Speed": background, dial and captions, also after a click.
void DrawSpeedPanel(PagePainter& painter, const Rect& strip, int width, std::uint8_t speed);

// "Scroll Speed" without its edit box.
void DrawScrollSpeedPanel(PagePainter& painter, const Rect& strip, std::uint8_t mode);
void DrawScrollModeSwitches(PagePainter& painter, const Rect& strip, std::uint8_t mode);

void DrawAngleSnapPanel(PagePainter& painter, const Rect& strip, std::uint8_t snap);
void DrawAngleSnapSwitches(PagePainter& painter, const Rect& strip, std::uint8_t snap);

void DrawGesturePanel(PagePainter& painter, const Rect& strip, std::uint8_t value);
void DrawGestureSlider(PagePainter& painter, const Rect& strip, std::uint8_t value);

void DrawXyPanel(PagePainter& painter, const Rect& strip, const ProfileRecord& record);
void DrawXySlider(PagePainter& painter, const Rect& slider, std::uint8_t value);

}  // namespace zalvane::pages
