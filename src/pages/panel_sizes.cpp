#include "pages/panel_sizes.h"

#include "pages/main_window_geometry.h"
#include "pages/skin_catalogue.h"

namespace zalvane::pages {
namespace {

constexpr std::array<std::string_view, kPanelCount> kBackgrounds{
    pages::kAssignmentFrontBackground,
    pages::kAssignmentSideBackground,
    pages::kXyBackground,
    pages::kDpiBackground,
    pages::kLightingBackground,
    pages::kReportRateBackground,
    pages::kMouseAttributeBackground,
    pages::kScrollSpeedBackground,
    pages::kAngleSnapBackground,
    pages::kGestureBackground,
};

constexpr std::array<Panel, kRightItemCount> kRightPanels{
    Panel::kDpi,         Panel::kLighting,  Panel::kReportRate, Panel::kMouseAttribute, Panel::kMouseAttribute,
    Panel::kScrollSpeed, Panel::kAngleSnap, Panel::kGesture,
};

}  // namespace

std::string_view PanelBackground(Panel panel) { return kBackgrounds[static_cast<std::size_t>(panel)]; }

Panel RightPanel(std::size_t index) { return kRightPanels.at(index); }

PanelSizes MeasurePanelSizes(ui::ImageSizePort& images, const ui::SkinState& skin)
{
    PanelSizes measured;
    for (std::size_t i = 0; i < kPanelCount; ++i) {
        if (const auto size = images.SizeOf(skin.ImagePath(kBackgrounds[i]))) {
            measured.sizes[i] = *size;
        }
    }
    return measured;
}

}  // namespace zalvane::pages
