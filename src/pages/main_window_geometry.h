#pragma once
// The fixed geometry of the main window: frame buttons, item strips, the mouse pictures
// and their button spots, the button-assignment rows and the scroll bar. Client pixels.
// The default skin is drawn from these same constants, so picture and program agree.

#include <array>
#include <cstddef>

#include "pages/geometry_types.h"

namespace zalvane::pages {

// Page geometry is in the toolkit's rectangles, also known here as ui::Rect.

// Frame.
inline constexpr Rect kLogo{20, 32, 262, 102};
inline constexpr Rect kHelpButton{937, 5, 952, 20};
inline constexpr Rect kMinimiseButton{958, 5, 973, 20};
inline constexpr Rect kCloseButton{979, 5, 994, 20};
inline constexpr Rect kResetButton{798, 604, 855, 634};
inline constexpr Rect kCancelButton{860, 604, 917, 634};
inline constexpr Rect kSaveButton{923, 604, 980, 634};
inline constexpr Rect kConfigButton{18, 604, 90, 634};
inline constexpr int kConfigLabelInset = 25;  // "Config" starts this far right of the button's left edge
inline constexpr Rect kFrontSwitch{437, 527, 499, 556};
inline constexpr Rect kSideSwitch{500, 527, 562, 556};

// Middle column: the stage behind the mouse picture and where each picture goes.
inline constexpr Rect kMiddleBackground{262, 10, 734, 450};
inline constexpr Point kFrontPictureOrigin{362, 19};
inline constexpr Point kSidePictureOrigin{299, 97};

// Left and right columns are cleared by their backgrounds drawn at these corners: the right
// one at the "DPI Setting" strip, the left one at the "Button Assignment" strip.
inline constexpr Point kLeftColumnOrigin{20, 107};
inline constexpr Point kRightColumnOrigin{734, 32};

// The help panel drops down under the Help button.
inline constexpr Point kHelpPanelOrigin{786, 25};

// Scroll bar of the right column and its draggable thumb (an 8 x 114 image on a 7 px button).
inline constexpr Rect kScrollBar{984, 32, 991, 595};
inline constexpr Rect kScrollThumb{984, 32, 991, 146};
inline constexpr Size kScrollThumbImage{8, 114};
inline constexpr int kScrollThumbLowestBottom = 595;  // a drag is refused once the bottom would reach 596
inline constexpr int kScrollThumbId = 161;            // its child window id

// Item strips, in the order of the fold-out items. Their live copies move as panels open.
enum class Item : std::size_t {
    kButtonAssignment,
    kMacroManager,
    kXySensitivity,
    kDpiSetting,
    kLighting,
    kUsbReportRate,
    kMouseSpeed,
    kDoubleClickSpeed,
    kScrollSpeed,
    kAngleSnap,
    kGestureCorrection,
};
inline constexpr std::size_t kItemCount = 11;
inline constexpr std::size_t kRightItemCount = 8;

inline constexpr std::array<Rect, kItemCount> kInitialItemStrips{{
    {20, 107, 262, 127},   // "Button Assignment"
    {20, 132, 262, 170},   // "Macro Manager", drawn with its own taller strip image
    {20, 175, 262, 195},   // "X/Y Sensitivity Setting"
    {734, 32, 976, 52},    // "DPI Setting"
    {734, 57, 976, 77},    // "Lighting"
    {734, 82, 976, 102},   // "USB Report Rate"
    {734, 107, 976, 127},  // "Mouse Speed"
    {734, 132, 976, 152},  // "Double Click Speed"
    {734, 157, 976, 177},  // "Scroll Speed"
    {734, 182, 976, 202},  // "Angle Snap"
    {734, 205, 976, 225},  // "Gesture Correction"
}};

constexpr const Rect& InitialStrip(Item item) { return kInitialItemStrips[static_cast<std::size_t>(item)]; }

inline constexpr int kItemStripHeight = 20;
inline constexpr int kMacroManagerStripHeight = 38;
inline constexpr int kItemGap = 5;            // between a strip (or its open panel) and the next strip
inline constexpr int kItemCaptionInset = 10;  // caption starts this far right of the strip's left edge

// The button-assignment panel hangs under its strip.
inline constexpr Point kButtonAssignmentPanelOrigin{20, 127};

// Button-assignment rows k = 1..12: the drop-down box and, when open, its function list.
inline constexpr int kAssignmentRowCount = 12;
inline constexpr int kAssignmentFrontRowCount = 7;
inline constexpr int kAssignmentRowPitch = 20;

constexpr Rect AssignmentRow(int row)
{
    const int dy = kAssignmentRowPitch * (row - 1);
    return {120, 129 + dy, 250, 145 + dy};
}

constexpr Rect AssignmentListArea(int row)
{
    const int dy = kAssignmentRowPitch * (row - 1);
    return {262, 129 + dy, 365, 389 + dy};
}

// Where each button's spot image is drawn on the mouse pictures (top-left corners), in
// the order of the buttons: front spots 1..7 are buttons 1..7, side spots 1..12 are S1..S12.
inline constexpr std::size_t kFrontSpotCount = 7;
inline constexpr std::size_t kSideSpotCount = 12;

inline constexpr std::array<Point, kFrontSpotCount> kFrontSpots{{
    {363, 111},
    {559, 112},
    {507, 148},
    {363, 148},
    {492, 178},
    {492, 226},
    {492, 282},
}};

inline constexpr std::array<Point, kSideSpotCount> kSideSpots{{
    {448, 129},
    {473, 102},
    {523, 105},
    {553, 177},
    {406, 241},
    {498, 148},
    {531, 252},
    {560, 233},
    {448, 283},
    {476, 283},
    {504, 283},
    {559, 274},
}};

}  // namespace zalvane::pages
