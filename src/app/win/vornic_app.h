#pragma once
// CVornicApp: the application object. It prepares the process (common controls, the main
// window's class, GDI+), keeps the process-wide records and the device link, and runs the
// main window as a modal dialog; the program ends when that dialog ends.

#include <fstream>
#include <optional>

#include "app/app_state.h"
#include "app/device_link.h"
#include "app/program_options.h"
#include "app/win/draw_timing.h"
#include "app/win/event_listener_thread.h"
#include "app/win/shell_trace.h"
#include "app/win/single_instance.h"
#include "app/win/virtual_mouse_mode.h"
#include "device/trace.h"
#include "device/win/setupapi_hid_bus.h"
#include "platform/pacer.h"
#include "platform/win/gdiplus_session.h"

namespace zalvane::app::win {

inline constexpr wchar_t kSingleInstanceMutex[] = L"KWRZ904NewVerMutex";

class CVornicApp {
public:
    explicit CVornicApp(ProgramOptions options) : m_options(std::move(options)) {}
    CVornicApp(const CVornicApp&) = delete;
    CVornicApp& operator=(const CVornicApp&) = delete;

    // The whole run: the process's exit code.
    int Run();

    // Returns false: there is no message loop after the main window.
    bool InitInstance();
    int ExitInstance();

private:
    ProgramOptions m_options;
    int m_exitCode = 0;
    std::optional<SingleInstance> m_instance;
    std::optional<platform::win::GdiplusSession> m_gdiplus;
    AppState m_state;
    platform::SleepingPacer m_pacer;
    device::win::SetupApiHidBus m_systemBus;
    std::optional<VirtualMouseMode> m_virtualMouse;
    std::optional<ShellTrace> m_trace;
    std::optional<DrawTiming> m_drawTiming;
    // --device-trace: the file, its log, and the pacer that writes the pauses into it.
    std::ofstream m_deviceTraceFile;
    std::optional<device::TraceLog> m_deviceTrace;
    std::optional<device::TracingPacer> m_tracingPacer;
    // The link outlives the listener, which reads its connection state.
    std::optional<DeviceLink> m_link;
    EventListenerThread m_listener;
};

}  // namespace zalvane::app::win
