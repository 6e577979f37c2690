#pragma once
// Resource identifiers of Zalvane.exe, shared by the resource script and the code.

#define IDD_MAIN_DIALOG 700  // main window template, class "RZ904NewVerGMClass"
#define IDI_MAIN_ICON 720    // window and tray icon
#define IDR_THUMB_PNG 184    // scroll thumb of the main window, type "PNG", 8 x 114
