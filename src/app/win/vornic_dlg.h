#pragma once
// CVornicDlg: the main window. A borderless, skinned tool window without taskbar button
// that shows the splash for three seconds, then the main page; closing it only hides it,
// and the program lives on in the notification area until "Exit" in the tray menu. It
// follows the mouse being plugged in and out, shows the mouse's own DPI and macro
// switches as balloons, and starts the firmware updater on message 0xB13.
//
// The decisions live in the core (app/device_events.h, app/main_window_rules.h); this
// class turns window messages into those calls and their answers into Win32 calls.

#include <windows.h>

#include <array>

#include "app/app_state.h"
#include "app/device_events.h"
#include "app/device_link.h"
#include "app/main_window_rules.h"
#include "app/win/event_listener_thread.h"
#include "app/win/shell_trace.h"
#include "app/win/tray_icon.h"
#include "app/win/virtual_mouse_mode.h"
#include "platform/win/file_dialog.h"
#include "platform/win/message_box.h"
#include "platform/win/private_profile_store.h"
#include "platform/win/system_pointer_settings.h"
#include "platform/win/unique_handle.h"
#include "settings/text_settings.h"
#include "ui/rect.h"
#include "ui/skin_state.h"
#include "ui/win/dialog.h"

namespace zalvane::app::win {

inline constexpr wchar_t kMainWindowClass[] = L"RZ904NewVerGMClass";

// What lives as long as the process and the main window works with.
struct ShellContext {
    AppState& state;
    DeviceLink& link;
    EventListenerThread& listener;
    VirtualMouseMode* virtualMouse = nullptr;  // in the demo mode only
    ShellTrace* trace = nullptr;
};

// Main window timers.
inline constexpr UINT_PTR kSaveBusyTimer = 1;
inline constexpr UINT_PTR kResetWaitTimer = 2;
inline constexpr UINT_PTR kSaveWaitTimer = 3;
inline constexpr UINT_PTR kSplashTimer = 4;
inline constexpr UINT kSaveBusyMs = 2000;
inline constexpr UINT kWaitCursorMs = 6000;
inline constexpr UINT kSplashMs = 3000;

class CVornicDlg final : public ui::win::CDialog, public FlowUi, public DeviceUi {
public:
    explicit CVornicDlg(const ShellContext& context);
    ~CVornicDlg() override;

    // FlowUi
    void ShowWait(WaitReason reason) override;
    void HideMainWindow() override;
    void RefreshMainPage() override;
    // DeviceUi
    void SendNotice(std::uint64_t code, std::uint64_t value) override;
    void ResumeListener() override;

    bool PagesReady() const noexcept { return m_pagesReady; }

protected:
    BOOL OnInitDialog() override;
    // Enter does nothing; Escape hides the window like the close command.
    void OnOK() override {}
    void OnCancel() override { HideMainWindow(); }
    std::span<const ui::win::MessageEntry> Messages() const override;
    bool OnRegisteredMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    // Window end.
    void OnClose();
    void OnDestroy();
    void OnExit();
    void CloseDeviceHandles();

    // Drawing.
    void OnPaint();
    bool OnEraseBackground(HDC dc);
    void OnLeftButtonDown(UINT keys, POINT point);
    HBRUSH OnCtlColorStatic(HDC dc, HWND control);
    HBRUSH OnCtlColorButton(HDC dc, HWND control);
    HBRUSH OnCtlColorEdit(HDC dc, HWND control);
    HBRUSH OnCtlColorListBox(HDC dc, HWND control);
    HBRUSH ColourControl(ControlKind kind, HDC dc, HWND control);
    void LoadWindowBackground(std::string_view imageName);
    void DrawMainPage();
    void RedrawPage();
    void ClosePageControls();

    // Device events, timers and tray.
    bool OnDeviceChange(UINT event, DWORD_PTR data);
    LRESULT OnDeviceNotice(WPARAM code, LPARAM value);
    LRESULT OnTrayCallback(WPARAM id, LPARAM mouseMessage);
    LRESULT OnFirmwareUpdate(WPARAM wParam, LPARAM lParam);
    void OnTimer(UINT_PTR id);
    void EndSplash();
    void ShowFromTray();
    void ShowTrayMenu();
    void RestoreArrowCursor(UINT_PTR timer);

    ShellContext m_context;
    AppState& m_state;
    platform::win::PrivateProfileStore m_ini;
    platform::win::WinMessageBox m_messages;
    platform::win::SystemPointerSettings m_pointer;
    platform::win::WinFileDialog m_fileDialog;
    FlowPorts m_ports;
    TrayIcon m_tray;

    HICON m_icon = nullptr;  // shared resources: never destroyed
    HICON m_smallIcon = nullptr;
    platform::win::UniqueDevNotify m_deviceNotification;
    ui::Rect m_workArea;
    platform::win::UniqueHBitmap m_background;
    ui::SkinState m_skin;
    std::array<int, settings::kSliderRowCount> m_sliderRows{};
    platform::win::UniqueHFont m_mainFont;
    platform::win::UniqueHFont m_valueFont;
    platform::win::UniqueHBrush m_controlBrush;
    UINT m_taskbarCreatedMessage = 0;
    bool m_pagesReady = false;
    bool m_mainPageDrawn = false;
    bool m_saveBusy = false;
    bool m_toldMissingSkin = false;
};

}  // namespace zalvane::app::win
