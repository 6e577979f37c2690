#pragma once
// The sizes of the fold-out panels' background images. Their heights move the strips below
// them and their widths centre the dials, so the page measures them from the skin once, at
// its first drawing. The default skin is drawn to exactly kDefaultPanelSizes.

#include <array>
#include <cstddef>
#include <string_view>

#include "pages/geometry_types.h"
#include "ui/image_size.h"
#include "ui/skin_state.h"

namespace zalvane::pages {

enum class Panel : std::size_t {
    kAssignmentFront,
    kAssignmentSide,
    kXy,
    kDpi,
    kLighting,
    kReportRate,
    kMouseAttribute,  // "Mouse Speed" and "Double Click Speed" share it
    kScrollSpeed,
    kAngleSnap,
    kGesture,
};
inline constexpr std::size_t kPanelCount = 10;

inline constexpr int kColumnWidth = 242;  // every strip and panel is as wide as its column

// The default skin's panels. A panel background that does not load counts as its entry
// here, so that no dial or strip lands in the middle of the window.
inline constexpr std::array<Size, kPanelCount> kDefaultPanelSizes{{
    {kColumnWidth, 146},  // button assignment, front view: 7 rows
    {kColumnWidth, 246},  // button assignment, side view: 12 rows
    {kColumnWidth, 144},  // X/Y sensitivity
    {kColumnWidth, 234},  // DPI
    {kColumnWidth, 112},  // lighting
    {kColumnWidth, 140},  // report rate
    {kColumnWidth, 112},  // mouse speed, double-click speed
    {kColumnWidth, 70},   // scroll speed
    {kColumnWidth, 38},   // angle snap
    {kColumnWidth, 68},   // gesture correction
}};

constexpr Size DefaultPanelSize(Panel panel) { return kDefaultPanelSizes[static_cast<std::size_t>(panel)]; }

// The skin image name of the panel's background.
std::string_view PanelBackground(Panel panel);

// The panel that opens under right item `index` (0..7).
Panel RightPanel(std::size_t index);

struct PanelSizes {
    std::array<Size, kPanelCount> sizes = kDefaultPanelSizes;

    Size Of(Panel panel) const { return sizes[static_cast<std::size_t>(panel)]; }
};

// Every panel background measured in `skin`; one that does not load keeps its default size.
PanelSizes MeasurePanelSizes(ui::ImageSizePort& images, const ui::SkinState& skin);

}  // namespace zalvane::pages
