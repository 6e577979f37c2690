#pragma once
// The mouse opened for one command: found on its bus, traced when --trace asks for it,
// and greeted with the opening sequence, as the program does on every connection.

#include <fstream>
#include <memory>
#include <optional>

#include "cli/command_table.h"
#include "cli/mouse_bus.h"
#include "device/protocol.h"
#include "device/trace.h"
#include "settings/profile_record.h"
#include "settings/settings_image.h"

namespace zalvane::cli {

class MouseSession {
public:
    // Opens the trace file, finds the mouse and runs the opening sequence. On failure
    // the error line is written and Failure() holds the exit status.
    explicit MouseSession(const CommandContext& context);
    MouseSession(const MouseSession&) = delete;
    MouseSession& operator=(const MouseSession&) = delete;

    std::optional<int> Failure() const { return m_failure; }
    const FoundMouse& Mouse() const { return m_mouse; }
    // NOLINTNEXTLINE(bugprone-unchecked-optional-access): only a session without Failure() is used, and it has one
    device::CommandLink& Link() { return *m_link; }
    // The records the connection filled, as the program keeps them.
    settings::SettingsImage& Image() { return m_image; }
    settings::ProfileRecord& Record() { return m_record; }

    // Ends the session: reports what went wrong meanwhile (the trace file or the
    // virtual mouse's state folder could not be written). Returns the exit status.
    int Finish();

private:
    const CommandContext& m_context;
    std::unique_ptr<MouseBus> m_bus;
    FoundMouse m_mouse;
    std::ofstream m_traceFile;
    std::optional<device::TraceLog> m_traceLog;
    std::optional<device::TracingHidPort> m_tracingPort;
    std::optional<device::TracingPacer> m_tracingPacer;
    std::optional<device::CommandLink> m_link;
    std::optional<int> m_failure;
    settings::SettingsImage m_image;
    settings::ProfileRecord m_record;
};

}  // namespace zalvane::cli
