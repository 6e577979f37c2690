#pragma once
// Sizes the default skin chooses where the program takes them from the images: the
// windows, the column backgrounds and the heights of the fold-out panels (which move the
// strips below them). Everything the program draws into a fixed rectangle takes that
// rectangle's size instead, from the page geometry.

#include "canvas.h"

namespace zalvane::skingen::sizes {

inline constexpr Size kMainWindow{1000, 644};
inline constexpr Size kSplash{480, 300};

inline constexpr int kColumnWidth = 242;                // every strip and panel is as wide as its column
inline constexpr Size kLeftColumn{kColumnWidth, 487};   // from the first left strip down to the bottom bar
inline constexpr Size kRightColumn{kColumnWidth, 562};  // from the first right strip down to the bottom bar
inline constexpr int kBottomBarTop = 596;

inline constexpr int kDpiPanelHeight = 234;
inline constexpr int kLightingPanelHeight = 112;
inline constexpr int kReportRatePanelHeight = 140;
inline constexpr int kMouseAttributePanelHeight = 112;
inline constexpr int kScrollSpeedPanelHeight = 70;
inline constexpr int kAngleSnapPanelHeight = 38;
inline constexpr int kGesturePanelHeight = 68;
inline constexpr int kXyPanelHeight = 144;
inline constexpr int kAssignmentFrontPanelHeight = 146;
inline constexpr int kAssignmentSidePanelHeight = 246;

inline constexpr Size kMouseFrontPicture{320, 431};
inline constexpr Size kMouseSidePicture{432, 300};

inline constexpr Size kKeyDialog{392, 290};
inline constexpr Size kMacroManager{492, 436};
inline constexpr Size kConfigDialog{263, 598};
inline constexpr Size kHelpPanel{166, 77};

inline constexpr Size kInsertMacroButton{58, 25};
inline constexpr Size kNewConfigIcon{12, 12};

}  // namespace zalvane::skingen::sizes
