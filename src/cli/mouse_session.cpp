#include "cli/mouse_session.h"

#include "device/device_commands.h"
#include "platform/file_io.h"

namespace zalvane::cli {

MouseSession::MouseSession(const CommandContext& context) : m_context(context)
{
    const GlobalOptions& options = context.options;
    if (options.trace) {
        m_traceFile.open(platform::PathFromUtf8(*options.trace), std::ios::binary | std::ios::trunc);
        if (!m_traceFile) {
            m_failure = context.Fail(kExitUsage, *options.trace + ": cannot write the trace file");
            return;
        }
    }

    if (options.virtualMouse) {
        m_bus = std::make_unique<VirtualMouseBus>(*options.virtualMouse);
    } else {
        m_bus = std::make_unique<RealMouseBus>();
    }
    auto found = m_bus->Find();
    if (!found) {
        const bool noMouse = found.error().kind == FindFailure::Kind::kNoMouse;
        m_failure = context.Fail(noMouse ? kExitNoMouse : kExitBadInput, found.error().message);
        return;
    }
    m_mouse = std::move(*found);

    platform::HidPort* port = m_mouse.commandPort.get();
    platform::Pacer* pacer = &context.pacer;
    if (options.trace) {
        m_traceLog.emplace(m_traceFile);
        port = &m_tracingPort.emplace(*port, *m_traceLog);
        pacer = &m_tracingPacer.emplace(*pacer, *m_traceLog);
    }
    m_link.emplace(device::CommandLink{*port, *pacer, m_mouse.featureReportLength, m_mouse.inputReportLength});
    device::RunOpeningSequence(*m_link, m_image, m_record);
}

int MouseSession::Finish()
{
    if (const auto& trace = m_context.options.trace; trace && m_traceFile.is_open()) {
        m_traceFile.flush();
        if (!m_traceFile) {
            return m_context.Fail(kExitUsage, *trace + ": the trace could not be written whole");
        }
    }
    if (auto problem = m_bus->Problem()) {
        return m_context.Fail(kExitBadInput, *problem);
    }
    return kExitDone;
}

}  // namespace zalvane::cli
