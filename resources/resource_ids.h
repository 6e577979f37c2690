#pragma once
// Resource identifiers of Zalvane.exe, shared by the resource script and the code.

#define IDD_MAIN_DIALOG 700  // main window template, class "RZ904NewVerGMClass"
#define IDD_SINGLE_KEY_DIALOG 701
#define IDD_COMBO_KEY_DIALOG 706
#define IDD_MACRO_KEY_DIALOG 714
#define IDI_MAIN_ICON 720    // window and tray icon
#define IDR_THUMB_PNG 184    // scroll thumb of the main window, type "PNG", 8 x 114
