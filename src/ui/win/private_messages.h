#pragma once
// The program's private window messages, all to the main window unless said otherwise.

#include <windows.h>

namespace zalvane::ui::win {

inline constexpr UINT kTrayCallbackMessage = 0x401;       // tray icon; lParam = the mouse message
inline constexpr UINT kDeviceNoticeMessage = 0x402;       // wParam = notice code, lParam = value
inline constexpr UINT kConfigDialogMessage = 0xB03;       // wParam 0 load, 1 save, 2 dialog closed
inline constexpr UINT kSingleKeyCapturedMessage = 0xB04;  // single key dialog, to itself
inline constexpr UINT kComboKeyCapturedMessage = 0xB05;   // combo key dialog, to itself
inline constexpr UINT kMacroRecorderMessage = 0x926;      // macro manager, to itself
inline constexpr UINT kFirmwareUpdateMessage = 0xB13;     // wParam 0: start the firmware updater
inline constexpr UINT kThumbMovedMessage = 0xB20;         // wParam = new top of the scroll thumb

// Posted by a window to itself, to act once the handler that asks has returned.
inline constexpr UINT kTellMissingImagesMessage = WM_APP + 0x10;  // skinned dialog: after drawing
inline constexpr UINT kDestroyHiddenListMessage = WM_APP + 0x11;  // key dialog: after a list's notice
inline constexpr UINT kCarryOutChoiceMessage = WM_APP + 0x12;     // main window: after a function list's notice

// A parent hands a child control's own requests back to the child first: the colour
// request of any kind as kReflectBase + WM_CTLCOLOR (0xBC19), owner draw as
// kReflectBase + WM_DRAWITEM.
inline constexpr UINT kReflectBase = 0xBC00;
inline constexpr UINT kLegacyCtlColor = 0x0019;  // WM_CTLCOLOR of 16-bit Windows
inline constexpr UINT kReflectedCtlColor = kReflectBase + kLegacyCtlColor;
inline constexpr UINT kReflectedDrawItem = kReflectBase + WM_DRAWITEM;

}  // namespace zalvane::ui::win
