#include "cli/mouse_session.h"

#include "app/device_events.h"
#include "device/device_commands.h"
#include "platform/file_io.h"

namespace zalvane::cli {

MouseSession::MouseSession(const CommandContext& context, app::AppState& state, bool mouseRequired) : m_context(context)
{
    const GlobalOptions& options = context.options;
    if (options.trace) {
        m_traceFile.open(platform::PathFromUtf8(*options.trace), std::ios::binary | std::ios::trunc);
        if (!m_traceFile) {
            m_failure = context.Fail(kExitUsage, *options.trace + ": cannot write the trace file");
            return;
        }
    }
    auto bus = MouseBus::Open(options.virtualMouse);
    if (!bus) {
        m_failure = context.Fail(kExitBadInput, bus.error());
        return;
    }
    m_bus.emplace(std::move(*bus));

    platform::Pacer* pacer = &context.pacer;
    app::DeviceLink::PortWrapper wrapPort = context.wrapPort;
    if (options.trace) {
        device::TraceLog& log = m_traceLog.emplace(m_traceFile);
        pacer = &m_tracingPacer.emplace(*pacer, log);
        wrapPort = [&log, inner = std::move(wrapPort)](std::unique_ptr<platform::HidPort> port) {
            return std::make_unique<device::TracingHidPort>(inner ? inner(std::move(port)) : std::move(port), log);
        };
    }
    // No listener thread reads events here, so nothing needs waking.
    m_link.emplace(m_bus->Bus(), *pacer, std::function<void()>{}, std::move(wrapPort));
    if (!Reconnect(state) && mouseRequired && !m_failure) {
        m_failure = context.Fail(kExitNoMouse, m_description);
    }
}

// NOLINTBEGIN(bugprone-unchecked-optional-access): called with a bus and a link only
bool MouseSession::Reconnect(app::AppState& state)
{
    const app::Connection connection = app::ConnectAtStartUp(state, *m_link);
    m_connected = connection.Connected();
    if (!m_connected) {
        m_description = m_bus->NoMouseMessage(connection.search);
        return false;
    }
    m_description = m_bus->Description(connection.search);
    if (!connection.opening) {
        m_connected = false;
        m_failure = Finish(connection.opening);
    }
    return m_connected;
}
// NOLINTEND(bugprone-unchecked-optional-access)

// NOLINTBEGIN(bugprone-unchecked-optional-access): only a session without Failure() is used, and it has a link
const device::ConnectionState& MouseSession::Connection() { return m_link->Connection(); }

device::CommandLink& MouseSession::Command() { return *m_link->Link(); }
// NOLINTEND(bugprone-unchecked-optional-access)

int MouseSession::Finish(const device::TransferResult& sent, std::string_view note)
{
    int status = kExitDone;
    if (!sent) {
        std::string line = "the mouse did not take it: " + device::DescribeTransferFailure(sent.error());
        if (!note.empty()) {
            line += "; " + std::string(note);
        }
        status = m_context.Fail(kExitNotTaken, line);
    }
    if (const auto& trace = m_context.options.trace; trace && m_traceFile.is_open()) {
        m_traceFile.flush();
        if (!m_traceFile) {
            const int failed = m_context.Fail(kExitUsage, *trace + ": the trace could not be written whole");
            status = status != kExitDone ? status : failed;
        }
    }
    if (auto problem = m_bus ? m_bus->Problem() : std::nullopt) {
        const int failed = m_context.Fail(kExitBadInput, *problem);
        status = status != kExitDone ? status : failed;
    }
    return status;
}

int FinishFlow(MouseSession& mouse, const device::TransferResult& sent, const app::FileWrites& writes)
{
    const std::string_view note = writes.Complete() ? "the profile's files were written" : "";
    if (const int status = mouse.Finish(sent, note); status != kExitDone) {
        return status;
    }
    return writes.Complete() ? kExitDone : kExitBadInput;
}

}  // namespace zalvane::cli
