#pragma once
// Resource identifiers of Zalvane.exe, shared by the resource script and the code.

#define IDD_MAIN_DIALOG 700  // main window template, class "RZ904NewVerGMClass"
#define IDD_SINGLE_KEY_DIALOG 701
#define IDD_COMBO_KEY_DIALOG 706
#define IDD_MACRO_KEY_DIALOG 714
#define IDI_MAIN_ICON 720    // window and tray icon
#define IDR_THUMB_PNG 184    // scroll thumb of the main window, type "PNG", 8 x 114

// The profile list dialog and the help panel: children of the main window.
#define IDD_CONFIG_DIALOG 730
#define IDD_HELP_DIALOG 731
// The profile list's context menu "ProfileList" and its commands.
#define IDR_PROFILE_LIST_MENU 181
#define ID_PROFILE_DELETE 32789
#define ID_PROFILE_EDIT 32790
#define ID_PROFILE_COPY 32791
#define ID_PROFILE_LOAD 32792
#define ID_PROFILE_SAVE 32793

// The macro manager: its template (no controls of its own: the lists and the loop field are
// made at run time) and the commands of its "MacroList" menu, a named menu resource.
#define IDD_MACRO_PROGRAM_DIALOG 716
#define IDM_MACRO_DELETE_LINE 32801
#define IDM_MACRO_INSERT_LEFT 32802
#define IDM_MACRO_INSERT_MIDDLE 32803
#define IDM_MACRO_INSERT_RIGHT 32804
#define IDM_MACRO_INSERT_DELAY 32805
