#include "app/win/vornic_dlg.h"

#include <dbt.h>

#include <utility>

#include "app/device_change.h"
#include "app/win/device_broadcast.h"
#include "app/win/firmware_updater.h"
#include "language/language_tables.h"
#include "pages/skin_catalogue.h"
#include "platform/win/gdi_guards.h"
#include "platform/win/hid_handles.h"
#include "platform/win/wide_text.h"
#include "resource_ids.h"
#include "ui/font_choice.h"
#include "ui/skin_state.h"
#include "ui/win/fonts.h"
#include "ui/win/skin_image.h"

namespace zalvane::app::win {
namespace {

using platform::win::Widen;
using ui::win::OnCommand;
using ui::win::OnMessage;
using ui::win::OnRawMessage;

constexpr COLORREF kSplashColourKey = RGB(255, 255, 255);
constexpr BYTE kOpaque = 255;

std::wstring WideSlotText(language::TextSlot slot, language::Language language)
{
    return Widen(language::SlotText(slot, language));
}

}  // namespace

CVornicDlg::CVornicDlg(const ShellContext& context)
    : CDialog(IDD_MAIN_DIALOG),
      m_context(context),
      m_state(context.state),
      m_ports{m_ini, m_messages, m_pointer, m_fileDialog, *this},
      m_tray(context.trace),
      m_page(pages::PageContext{m_state.record, m_skin, m_state.language, m_controls, m_imageSizes})
{
    const HINSTANCE module = ::GetModuleHandleW(nullptr);
    m_icon = ::LoadIconW(module, MAKEINTRESOURCEW(IDI_MAIN_ICON));
    m_smallIcon =
        static_cast<HICON>(::LoadImageW(module, MAKEINTRESOURCEW(IDI_MAIN_ICON), IMAGE_ICON,
                                        ::GetSystemMetrics(SM_CXSMICON), ::GetSystemMetrics(SM_CYSMICON), LR_SHARED));
    if (!m_smallIcon) {
        m_smallIcon = m_icon;
    }
}

CVornicDlg::~CVornicDlg() = default;

std::span<const ui::win::MessageEntry> CVornicDlg::Messages() const
{
    static constexpr ui::win::MessageEntry kTable[] = {
        OnMessage<WM_CLOSE, &CVornicDlg::OnClose>(),
        OnMessage<WM_DESTROY, &CVornicDlg::OnDestroy>(),
        OnCommand<kTrayExitCommand, &CVornicDlg::OnExit>(),
        OnMessage<WM_PAINT, &CVornicDlg::OnPaint>(),
        OnMessage<WM_ERASEBKGND, &CVornicDlg::OnEraseBackground>(),
        OnMessage<WM_LBUTTONDOWN, &CVornicDlg::OnLeftButtonDown>(),
        // The window class asks for double clicks: the second press of one is a press too.
        OnMessage<WM_LBUTTONDBLCLK, &CVornicDlg::OnLeftButtonDown>(),
        OnRawMessage<ui::win::kThumbMovedMessage, &CVornicDlg::OnThumbMoved>(),
        OnMessage<WM_CTLCOLORSTATIC, &CVornicDlg::OnCtlColorStatic>(),
        OnMessage<WM_CTLCOLORBTN, &CVornicDlg::OnCtlColorButton>(),
        OnMessage<WM_CTLCOLOREDIT, &CVornicDlg::OnCtlColorEdit>(),
        OnMessage<WM_CTLCOLORLISTBOX, &CVornicDlg::OnCtlColorListBox>(),
        OnMessage<WM_DEVICECHANGE, &CVornicDlg::OnDeviceChange>(),
        OnMessage<WM_TIMER, &CVornicDlg::OnTimer>(),
        OnRawMessage<ui::win::kDeviceNoticeMessage, &CVornicDlg::OnDeviceNotice>(),
        OnRawMessage<ui::win::kTrayCallbackMessage, &CVornicDlg::OnTrayCallback>(),
        OnRawMessage<ui::win::kFirmwareUpdateMessage, &CVornicDlg::OnFirmwareUpdate>(),
        OnMessage<WM_MOUSEMOVE, &CVornicDlg::OnMouseMove>(),
        OnMessage<WM_MOUSEHOVER, &CVornicDlg::OnMouseHover>(),
        OnRawMessage<ui::win::kConfigDialogMessage, &CVornicDlg::OnProfileDialog>(),
    };
    return kTable;
}

// Start-up, in this order (the application made sure it is the one copy): icons and
// window styles; the mouse; the listener; device notifications; the profile and the
// language; the skin; the splash; the notification-area icon.
BOOL CVornicDlg::OnInitDialog()
{
    const HWND window = Hwnd();
    m_messages.SetOwner(window);
    m_fileDialog.SetOwner(window);
    ::SendMessageW(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_icon));
    ::SendMessageW(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_smallIcon));
    // No caption is drawn; the title names the window for the system and for tests.
    ::SetWindowTextW(window, WideSlotText(language::TextSlot::kAppTitle, m_state.language).c_str());

    LONG_PTR exStyle = ::GetWindowLongPtrW(window, GWL_EXSTYLE);
    exStyle = (exStyle & ~static_cast<LONG_PTR>(WS_EX_APPWINDOW)) | WS_EX_TOOLWINDOW | WS_EX_LAYERED;
    ::SetWindowLongPtrW(window, GWL_EXSTYLE, exStyle);
    // White pixels of the splash are holes in the window.
    ::SetLayeredWindowAttributes(window, kSplashColourKey, 0, LWA_COLORKEY);

    // Found or not, the window goes on; it says nothing of device I/O, so a mouse that did
    // not answer the opening sequence only shows its defaults.
    static_cast<void>(ConnectAtStartUp(m_state, m_context.link));

    if (!m_context.listener.CreateWakeEvent()) {
        platform::win::ShowMessage(window, L"CreateEvent failed.");
        return TRUE;
    }
    if (m_context.listener.Create(m_context.link.Connection(), window) && m_context.link.Connected()) {
        m_context.listener.Resume();
    }

    DEV_BROADCAST_DEVICEINTERFACE_W filter{};
    filter.dbcc_size = sizeof filter;
    filter.dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
    filter.dbcc_classguid = platform::win::kHidInterfaceClass;
    m_deviceNotification.reset(::RegisterDeviceNotificationW(window, &filter, DEVICE_NOTIFY_WINDOW_HANDLE));
    if (!m_deviceNotification) {
        platform::win::ShowMessage(window, L"RegisterDeviceNotification failed!!!");
        return TRUE;
    }

    LoadAtStartUp(m_state, m_ports);

    ui::SkinChoice skin = ui::ChooseSkin(m_state.text, m_state.files.modulePath);
    m_skin = std::move(skin.state);
    if (!skin.replacedRoot.empty()) {
        TellDefaultSkinInstead(skin.replacedRoot);
    }
    LoadWindowBackground(pages::kStartImage);

    RECT work{};
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    m_workArea = {work.left, work.top, work.right, work.bottom};

    // The four "Point" slider rows of the text file are not converted: the panels place
    // every slider from its item strip.

    const ui::WindowsVersion version = ui::win::CurrentWindowsVersion();
    m_mainFont = ui::win::CreateSkinFont(ui::ChooseFont(ui::FontUse::kMain, m_state.language, version));
    m_valueFont = ui::win::CreateSkinFont(ui::ChooseFont(ui::FontUse::kValue, m_state.language, version));
    MakePageFeatures();

    ::SetTimer(window, kSplashTimer, kSplashMs, nullptr);

    m_taskbarCreatedMessage = ::RegisterWindowMessageW(L"TaskbarCreated");
    m_tray.Add(window, ui::win::kTrayCallbackMessage, m_smallIcon,
               WideSlotText(language::TextSlot::kAppTitle, m_state.language));
    if (m_context.virtualMouse) {
        m_context.virtualMouse->StartServing(window);
    }
    return TRUE;
}

bool CVornicDlg::OnRegisteredMessage(UINT message, WPARAM, LPARAM, LRESULT& result)
{
    if (message != m_taskbarCreatedMessage || message == 0) {
        return false;
    }
    // The shell restarted and forgot the icon.
    m_tray.AddAgain();
    result = 0;
    return true;
}

// --- window end --------------------------------------------------------------------------

void CVornicDlg::OnClose() { HideMainWindow(); }

void CVornicDlg::CloseDeviceHandles()
{
    device::ConnectionState& connection = m_context.link.Connection();
    connection.command = {};
    connection.SetEvents({});
}

void CVornicDlg::OnExit()
{
    CloseDeviceHandles();
    m_tray.Delete();
    // The modal loop ends with the window; the application then ends the process with 0.
    DestroyWindow();
}

void CVornicDlg::OnDestroy()
{
    CloseDeviceHandles();
    m_tray.Delete();
    ContinueDefault();
}

// --- flows ------------------------------------------------------------------------------

void CVornicDlg::ShowWait(WaitReason reason)
{
    const HCURSOR wait = ::LoadCursorW(nullptr, IDC_WAIT);
    ::SetClassLongPtrW(Hwnd(), GCLP_HCURSOR, reinterpret_cast<LONG_PTR>(wait));
    ::SetCursor(wait);
    ::SetTimer(Hwnd(), reason == WaitReason::kSave ? kSaveWaitTimer : kResetWaitTimer, kWaitCursorMs, nullptr);
}

void CVornicDlg::HideMainWindow() { ::ShowWindow(Hwnd(), SW_HIDE); }

// --- device events -----------------------------------------------------------------------

bool CVornicDlg::OnDeviceChange(UINT event, DWORD_PTR data)
{
    const DeviceNoticeRecord record = ReadDeviceNotice(event, static_cast<LPARAM>(data));
    switch (ClassifyDeviceChange(event, record.deviceType, record.interfaceName)) {
        case DeviceChange::kMouseArrived:
            HandleMouseArrival(m_state, m_ports, m_context.link, *this);
            break;
        case DeviceChange::kMouseRemoved:
            HandleMouseRemoval(m_context.link, *this);
            break;
        case DeviceChange::kIgnored:
            break;
    }
    return true;
}

void CVornicDlg::SendNotice(std::uint64_t code, std::uint64_t value)
{
    ::SendMessageW(Hwnd(), ui::win::kDeviceNoticeMessage, static_cast<WPARAM>(code), static_cast<LPARAM>(value));
}

void CVornicDlg::ResumeListener() { m_context.listener.Resume(); }

LRESULT CVornicDlg::OnDeviceNotice(WPARAM code, LPARAM value)
{
    const auto balloon = HandleDeviceNotice(m_state, m_context.link, code, static_cast<std::uint64_t>(value));
    if (balloon) {
        m_tray.ShowBalloon(Widen(balloon->title), Widen(balloon->text), balloon->timeoutMs);
    }
    return 0;
}

// --- tray ----------------------------------------------------------------------------------

LRESULT CVornicDlg::OnTrayCallback(WPARAM, LPARAM mouseMessage)
{
    switch (TrayActionFor(static_cast<std::uint64_t>(mouseMessage))) {
        case TrayAction::kShowWindow:
            ShowFromTray();
            break;
        case TrayAction::kShowMenu:
            ShowTrayMenu();
            break;
        case TrayAction::kNone:
            break;
    }
    return 0;
}

void CVornicDlg::ShowFromTray()
{
    if (m_state.reloadOnShow) {
        // Cancel threw the page's changes away: the profile as saved comes back.
        m_state.reloadOnShow = false;
        m_page.CloseTransientControls();
        m_state.text = settings::ReadTextSettings(m_ini, m_state.files.paths.textFile, m_state.language);
        LoadCurrentProfile(m_state, m_ports);
    }
    ShowMainPage();
    ::SetForegroundWindow(Hwnd());
    ::ShowWindow(Hwnd(), SW_SHOW);
    if (!m_context.link.Connected()) {
        SendNotice(notice::kMouseNotFound, 0);
    }
}

void CVornicDlg::ShowTrayMenu()
{
    const platform::win::UniqueHMenu menu(::CreatePopupMenu());
    if (!menu) {
        return;
    }
    ::AppendMenuW(menu.get(), MF_STRING, kTrayExitCommand,
                  WideSlotText(language::TextSlot::kExit, m_state.language).c_str());
    ::SetForegroundWindow(Hwnd());
    POINT cursor{};
    ::GetCursorPos(&cursor);
    // The choice comes back as WM_COMMAND 1028.
    ::TrackPopupMenu(menu.get(), TPM_RIGHTBUTTON | TPM_BOTTOMALIGN, cursor.x, cursor.y, 0, Hwnd(), nullptr);
}

LRESULT CVornicDlg::OnFirmwareUpdate(WPARAM wParam, LPARAM)
{
    if (wParam == 0) {
        StartFirmwareUpdater();
    }
    return 0;
}

// --- timers ------------------------------------------------------------------------------

void CVornicDlg::OnTimer(UINT_PTR id)
{
    switch (id) {
        case kResetWaitTimer:
        case kSaveWaitTimer:
            RestoreArrowCursor(id);
            break;
        case kSplashTimer:
            EndSplash();
            break;
        default:
            // The Save button works again.
            ::KillTimer(Hwnd(), kSaveBusyTimer);
            m_page.ClearBusy();
            break;
    }
}

void CVornicDlg::RestoreArrowCursor(UINT_PTR timer)
{
    const HCURSOR arrow = ::LoadCursorW(nullptr, IDC_ARROW);
    ::SetClassLongPtrW(Hwnd(), GCLP_HCURSOR, reinterpret_cast<LONG_PTR>(arrow));
    ::SetCursor(arrow);
    ::KillTimer(Hwnd(), timer);
}

void CVornicDlg::EndSplash()
{
    const HWND window = Hwnd();
    LoadWindowBackground(pages::kMainImage);
    RECT rect{};
    ::GetWindowRect(window, &rect);
    const ui::Size size{rect.right - rect.left, rect.bottom - rect.top};
    const ui::Point topLeft = CentredIn(m_workArea, size);
    ::SetWindowPos(window, nullptr, topLeft.x, topLeft.y, size.width, size.height,
                   SWP_NOREDRAW | SWP_NOZORDER | SWP_NOACTIVATE);
    m_page.SetPagesReady();
    ShowMainPage();
    ::SetLayeredWindowAttributes(window, 0, kOpaque, LWA_ALPHA);
    ::KillTimer(window, kSplashTimer);
}

}  // namespace zalvane::app::win
