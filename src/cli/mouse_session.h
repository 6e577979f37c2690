#pragma once
// The mouse opened for one command as the program opens it at start-up: the program's
// device link searches the bus (behind a trace when --trace asks for one), and the
// opening sequence fills the settings image and profile record of the one application
// state that the command's flows then use.

#include <fstream>
#include <optional>
#include <string>
#include <string_view>

#include "app/app_state.h"
#include "app/device_link.h"
#include "cli/command_table.h"
#include "cli/mouse_bus.h"
#include "device/protocol.h"
#include "device/trace.h"

namespace zalvane::cli {

class MouseSession {
public:
    // Opens the trace file and the bus, finds the mouse and runs the opening sequence into
    // `state`. On failure the error line is written and Failure() holds the exit status.
    MouseSession(const CommandContext& context, app::AppState& state);
    MouseSession(const MouseSession&) = delete;
    MouseSession& operator=(const MouseSession&) = delete;

    std::optional<int> Failure() const { return m_failure; }
    const std::string& Description() const { return m_description; }
    // What the search opened; only a session without Failure() has a mouse.
    const device::ConnectionState& Connection();
    device::CommandLink& Command();

    // Ends the session with what the mouse made of the command's transfers: names the
    // transfer it did not take (status 4, `note` added to the line), then what went wrong
    // meanwhile (the trace file or the virtual mouse's state folder could not be
    // written). Returns the exit status.
    int Finish(const device::TransferResult& sent = {}, std::string_view note = {});

private:
    const CommandContext& m_context;
    std::optional<MouseBus> m_bus;
    std::ofstream m_traceFile;
    std::optional<device::TraceLog> m_traceLog;
    std::optional<device::TracingPacer> m_tracingPacer;
    std::optional<app::DeviceLink> m_link;
    std::string m_description;
    std::optional<int> m_failure;
};

}  // namespace zalvane::cli
