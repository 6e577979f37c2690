#pragma once
// The colours of the default skin: graphite surfaces in a few steps of depth, one crimson
// accent, thin light borders. Nothing is pure white: on the splash pure white is a hole.

#include "canvas.h"

namespace zalvane::skingen::palette {

// The colour the shipped text files give the program for its own texts ("RColor",
// "GColor", "BColor"): it reads on every surface below where the program writes.
inline constexpr Colour kText{225, 228, 235};

// Surfaces, darkest first.
inline constexpr Colour kWell{11, 12, 15};
inline constexpr Colour kBase{16, 18, 22};
inline constexpr Colour kBar{20, 22, 27};  // title and bottom bars
inline constexpr Colour kColumn{23, 26, 32};
inline constexpr Colour kPanel{29, 32, 39};
inline constexpr Colour kRaised{38, 42, 51};
inline constexpr Colour kRaisedTop{47, 52, 63};
inline constexpr Colour kHover{58, 64, 77};
inline constexpr Colour kHoverTop{70, 77, 92};

// Lines.
inline constexpr Colour kShadow{6, 7, 9};
inline constexpr Colour kEdge{44, 48, 58};
inline constexpr Colour kLine{62, 68, 81};
inline constexpr Colour kHighlight{86, 94, 110};

// Glyphs and marks that are not text.
inline constexpr Colour kMuted{104, 111, 126};
inline constexpr Colour kSoft{150, 157, 172};
inline constexpr Colour kBright{208, 212, 222};

// The accent.
inline constexpr Colour kAccent{232, 40, 66};
inline constexpr Colour kAccentLight{255, 96, 114};
inline constexpr Colour kAccentDark{150, 22, 40};
inline constexpr Colour kAccentDeep{74, 14, 24};

// The stage behind the mouse pictures.
inline constexpr Colour kStageCentre{40, 44, 55};
inline constexpr Colour kStageEdge{18, 20, 25};

// Colours the program paints its own controls with, matched by the frames around them.
inline constexpr Colour kDialogControl{40, 40, 40};  // statics and lists of the dialogs, 0x282828
inline constexpr Colour kMacroList{109, 109, 109};   // the macro manager's lists, 0x6D6D6D
inline constexpr Colour kLoopField{34, 24, 21};      // the loop-times field, 0x151822
inline constexpr Colour kMainEdit{148, 148, 148};    // edit boxes of the main window, 0x949494

// The help panel's text is black, so the panel is light.
inline constexpr Colour kCardTop{214, 218, 226};
inline constexpr Colour kCardBottom{194, 199, 209};

}  // namespace zalvane::skingen::palette

namespace zalvane::skingen::palette {

// Dialogs: a body, a darker title band, and cards for grouped controls.
inline constexpr Colour kDialogBody = kPanel;
inline constexpr Colour kDialogBand = kBar;
inline constexpr Colour kDialogCard = kColumn;

}  // namespace zalvane::skingen::palette
