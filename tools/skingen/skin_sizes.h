#pragma once
// Sizes the default skin chooses where the program takes them from the images: the
// windows, the column backgrounds and the heights of the fold-out panels (which move the
// strips below them). The panels' sizes are the program's own defaults, which it also
// uses for a panel image that does not load. Everything the program draws into a fixed
// rectangle takes that rectangle's size instead, from the page geometry.

#include "canvas.h"
#include "pages/panel_sizes.h"

namespace zalvane::skingen::sizes {

inline constexpr Size kMainWindow{1000, 644};
inline constexpr Size kSplash{480, 300};

inline constexpr int kColumnWidth = pages::kColumnWidth;  // every strip and panel is as wide as its column
inline constexpr Size kLeftColumn{kColumnWidth, 487};     // from the first left strip down to the bottom bar
inline constexpr Size kRightColumn{kColumnWidth, 562};    // from the first right strip down to the bottom bar
inline constexpr int kBottomBarTop = 596;

// The panels as the program expects them when an image does not load.
constexpr int PanelHeight(pages::Panel panel) { return pages::DefaultPanelSize(panel).height; }
inline constexpr int kDpiPanelHeight = PanelHeight(pages::Panel::kDpi);
inline constexpr int kLightingPanelHeight = PanelHeight(pages::Panel::kLighting);
inline constexpr int kReportRatePanelHeight = PanelHeight(pages::Panel::kReportRate);
inline constexpr int kMouseAttributePanelHeight = PanelHeight(pages::Panel::kMouseAttribute);
inline constexpr int kScrollSpeedPanelHeight = PanelHeight(pages::Panel::kScrollSpeed);
inline constexpr int kAngleSnapPanelHeight = PanelHeight(pages::Panel::kAngleSnap);
inline constexpr int kGesturePanelHeight = PanelHeight(pages::Panel::kGesture);
inline constexpr int kXyPanelHeight = PanelHeight(pages::Panel::kXy);
inline constexpr int kAssignmentFrontPanelHeight = PanelHeight(pages::Panel::kAssignmentFront);
inline constexpr int kAssignmentSidePanelHeight = PanelHeight(pages::Panel::kAssignmentSide);

inline constexpr Size kMouseFrontPicture{320, 431};
inline constexpr Size kMouseSidePicture{432, 300};

inline constexpr Size kKeyDialog{392, 290};
inline constexpr Size kMacroManager{492, 436};
inline constexpr Size kConfigDialog{263, 598};
inline constexpr Size kHelpPanel{166, 77};

inline constexpr Size kInsertMacroButton{58, 25};
inline constexpr Size kNewConfigIcon{12, 12};

}  // namespace zalvane::skingen::sizes
