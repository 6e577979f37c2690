#pragma once
// CVornicDlg: the main window. A borderless, skinned tool window without taskbar button
// that shows the splash for three seconds, then the main page; closing it only hides it,
// and the program lives on in the notification area until "Exit" in the tray menu. It
// follows the mouse being plugged in and out, shows the mouse's own DPI and macro
// switches as balloons, and starts the firmware updater on message 0xB13.
//
// The decisions live in the core (app/device_events.h, app/main_window_rules.h, and the
// main page, pages/main_page.h); this class turns window messages into those calls and
// their answers into Win32 calls. Its page part (drawing, clicks, the page's child
// controls and window actions) is in vornic_dlg_pages.cpp.

#include <windows.h>

#include <functional>
#include <memory>

#include "app/app_state.h"
#include "app/device_events.h"
#include "app/device_link.h"
#include "app/main_window_rules.h"
#include "app/win/draw_timing.h"
#include "app/win/event_listener_thread.h"
#include "app/win/page_features.h"
#include "app/win/shell_trace.h"
#include "app/win/tray_icon.h"
#include "app/win/virtual_mouse_mode.h"
#include "pages/main_page.h"
#include "ui/rect.h"
#include "platform/win/file_dialog.h"
#include "platform/win/message_box.h"
#include "platform/win/private_profile_store.h"
#include "platform/win/system_pointer_settings.h"
#include "platform/win/unique_handle.h"
#include "settings/text_settings.h"
#include "ui/rect.h"
#include "ui/skin_state.h"
#include "ui/win/child_controls.h"
#include "ui/win/colour_dialog.h"
#include "ui/win/dialog.h"
#include "ui/win/skin_image.h"
#include "ui/win/skin_image_sizes.h"

namespace zalvane::app::win {

inline constexpr wchar_t kMainWindowClass[] = L"RZ904NewVerGMClass";

// What lives as long as the process and the main window works with.
struct ShellContext {
    AppState& state;
    DeviceLink& link;
    EventListenerThread& listener;
    VirtualMouseMode* virtualMouse = nullptr;  // in the demo mode only
    ShellTrace* trace = nullptr;
    DrawTiming* drawTiming = nullptr;  // --draw-timing only
};

// Main window timers.
inline constexpr UINT_PTR kSaveBusyTimer = 1;
inline constexpr UINT_PTR kResetWaitTimer = 2;
inline constexpr UINT_PTR kSaveWaitTimer = 3;
inline constexpr UINT_PTR kSplashTimer = 4;
inline constexpr UINT kSaveBusyMs = 2000;
inline constexpr UINT kWaitCursorMs = 6000;
inline constexpr UINT kSplashMs = 3000;

class CVornicDlg final : public ui::win::CDialog, public FlowUi, public DeviceUi, public PageWindow {
public:
    explicit CVornicDlg(const ShellContext& context);
    ~CVornicDlg() override;

    // FlowUi
    void ShowWait(WaitReason reason) override;
    void HideMainWindow() override;
    // The reset flow's redraw: the page's layout reset.
    void RefreshMainPage() override;
    // DeviceUi
    void SendNotice(std::uint64_t code, std::uint64_t value) override;
    void ResumeListener() override;
    // PageWindow
    HWND Window() const override { return Hwnd(); }
    void DrawOnPage(const std::function<void(ui::Canvas&)>& draw) override;
    void RefreshPage() override;

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

    // The page (vornic_dlg_pages.cpp).
    void MakePageFeatures();
    void OnPaint();
    bool OnEraseBackground(HDC dc);
    void OnLeftButtonDown(UINT keys, POINT point);
    LRESULT OnThumbMoved(WPARAM top, LPARAM lParam);
    HBRUSH OnCtlColorStatic(HDC dc, HWND control);
    HBRUSH OnCtlColorButton(HDC dc, HWND control);
    HBRUSH OnCtlColorEdit(HDC dc, HWND control);
    HBRUSH OnCtlColorListBox(HDC dc, HWND control);
    HBRUSH ColourControl(ControlKind kind, HDC dc, HWND control);
    void LoadWindowBackground(std::string_view imageName);
    // Draws on the kept background and copies it to the window once; `kind` names the
    // drawing in the --draw-timing file, timed from `since`.
    void DrawPage(const std::function<void(ui::Canvas&)>& draw, std::string_view kind, const DrawStopwatch& since = {});
    void ShowMainPage();  // the first drawing, or a refresh once there was one
    void CarryOut(const pages::WindowAction& action);
    void RunSave();
    void ChooseStageColour(int stage);

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
    platform::win::UniqueHFont m_mainFont;
    platform::win::UniqueHFont m_valueFont;
    platform::win::UniqueHBrush m_controlBrush;
    UINT m_taskbarCreatedMessage = 0;
    bool m_toldMissingSkin = false;
    bool m_pressEnded = false;  // a modal dialog ran for the click being handled

    // The page and what it works through; the page comes after what it refers to.
    ui::win::WinChildControls m_controls;
    ui::win::SkinImageSizes m_imageSizes;
    ui::win::ColourDialog m_colourDialog;
    // Decoding a skin image costs more than drawing the whole page from decoded ones.
    ui::win::SkinImageCache m_skinImages;
    pages::MainPage m_page;
    std::unique_ptr<AssignmentFeature> m_assignment;
    std::unique_ptr<MacroManagerFeature> m_macroManager;
    std::unique_ptr<HelpFeature> m_help;
    std::unique_ptr<ConfigFeature> m_config;
};

}  // namespace zalvane::app::win
