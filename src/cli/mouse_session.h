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
#include "app/save_flow.h"
#include "cli/command_table.h"
#include "cli/mouse_bus.h"
#include "device/protocol.h"
#include "device/trace.h"

namespace zalvane::cli {

class MouseSession {
public:
    // Opens the trace file and the bus, finds the mouse and runs the opening sequence into
    // `state`. On failure the error line is written and Failure() holds the exit status.
    // A session that may do without the mouse (`mouseRequired` false) is no failure
    // without one: Connected() is false, and Reconnect() looks again.
    MouseSession(const CommandContext& context, app::AppState& state, bool mouseRequired = true);
    MouseSession(const MouseSession&) = delete;
    MouseSession& operator=(const MouseSession&) = delete;

    std::optional<int> Failure() const { return m_failure; }
    bool Connected() const { return m_connected; }
    // The mouse found, as the user knows it; while not connected, why none was found.
    const std::string& Description() const { return m_description; }
    // Searches the bus again, as the program does when a device comes or goes, and runs
    // the opening sequence on a mouse it finds. True when the mouse was found and opened.
    bool Reconnect(app::AppState& state);
    // The virtual mouse's bus, when the session is on one.
    device::VirtualBus* VirtualBus() { return m_bus ? m_bus->Virtual() : nullptr; }
    // What the search opened; only a session without Failure() has a mouse.
    const device::ConnectionState& Connection();
    device::CommandLink& Command();
    // The command link while connected; nothing otherwise.
    device::CommandLink* OpenCommand() { return m_link && m_connected ? m_link->Link() : nullptr; }

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
    bool m_connected = false;
    std::optional<int> m_failure;
};

// The end of a flow that wrote to the mouse and to the profile's files: the transfer the
// mouse did not take (status 4), else 3 when a file was not written (its box said why).
int FinishFlow(MouseSession& mouse, const device::TransferResult& sent, const app::FileWrites& writes);

}  // namespace zalvane::cli
