#include "app/win/vornic_app.h"

#include <windows.h>

#include <commctrl.h>
#include <psapi.h>

#include <string_view>

#include "app/win/vornic_dlg.h"
#include "assign/win/system_key_names.h"
#include "platform/file_io.h"
#include "platform/win/message_box.h"
#include "platform/win/module_path.h"
#include "platform/win/wide_text.h"
#include "ui/win/dialog.h"

namespace zalvane::app::win {
namespace {

constexpr int kStartFailed = 1;

unsigned long long PeakWorkingSet() noexcept
{
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    if (!::GetProcessMemoryInfo(::GetCurrentProcess(), &counters, sizeof counters)) {
        return 0;
    }
    return counters.PeakWorkingSetSize;
}

}  // namespace

int CVornicApp::Run()
{
    InitInstance();
    return ExitInstance();
}

bool CVornicApp::InitInstance()
{
    // Before anything shared (the trace, the virtual mouse's folder) is touched. The copy
    // that runs already is neither shown nor told; this one ends with 0.
    m_instance.emplace(kSingleInstanceMutex);
    if (!m_instance->First()) {
        return false;
    }

    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof controls;
    controls.dwICC = 0xFF;  // every class
    ::InitCommonControlsEx(&controls);

    if (!ui::win::RegisterDialogClassCopy(kMainWindowClass)) {
        m_exitCode = kStartFailed;
        return false;
    }
    m_gdiplus.emplace();

    m_state.files.modulePath = platform::win::Narrow(platform::win::ModuleFilePath());
    m_state.keyNames = assign::win::BuildSystemKeyNameMap();
    if (m_options.shellTrace) {
        m_trace.emplace(*m_options.shellTrace);
        ui::win::SetHandlerFailureReport(
            [trace = &*m_trace](UINT message, std::string_view what) { trace->WriteHandlerFailure(message, what); });
    }
    device::HidBus* bus = &m_systemBus;
    if (m_options.virtualMouseFolder) {
        auto mouse = VirtualMouseMode::Open(*m_options.virtualMouseFolder);
        if (!mouse) {
            platform::win::ShowMessage(nullptr,
                                       platform::win::Widen("The virtual mouse cannot be used:\n" + mouse.error()));
            m_exitCode = kStartFailed;
            return false;
        }
        m_virtualMouse.emplace(std::move(*mouse));
        bus = &m_virtualMouse->Bus();
    }
    if (m_options.drawTiming) {
        m_drawTiming.emplace(*m_options.drawTiming);
    }
    platform::Pacer* pacer = &m_pacer;
    DeviceLink::PortWrapper wrapPort;
    if (m_options.deviceTrace) {
        m_deviceTraceFile.open(platform::PathFromUtf8(*m_options.deviceTrace), std::ios::binary | std::ios::app);
        m_deviceTraceFile << std::unitbuf;  // readable while the program runs
        device::TraceLog& log = m_deviceTrace.emplace(m_deviceTraceFile);
        pacer = &m_tracingPacer.emplace(m_pacer, log);
        wrapPort = [&log](std::unique_ptr<platform::HidPort> port) -> std::unique_ptr<platform::HidPort> {
            return std::make_unique<device::TracingHidPort>(std::move(port), log);
        };
    }
    m_link.emplace(
        *bus, *pacer, [this] { m_listener.Wake(); }, std::move(wrapPort));

    {
        CVornicDlg dialog(ShellContext{m_state, *m_link, m_listener, m_virtualMouse ? &*m_virtualMouse : nullptr,
                                       m_trace ? &*m_trace : nullptr, m_drawTiming ? &*m_drawTiming : nullptr});
        dialog.DoModal();
    }
    // The window is gone: nothing more is sent to it.
    if (m_virtualMouse) {
        m_virtualMouse->StopServing();
    }
    return false;
}

int CVornicApp::ExitInstance()
{
    ui::win::SetHandlerFailureReport({});
    if (m_trace) {
        m_trace->WriteExit(PeakWorkingSet());
    }
    m_gdiplus.reset();
    return m_exitCode;
}

}  // namespace zalvane::app::win
