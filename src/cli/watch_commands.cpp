// `watch`: the mouse's event reports as lines, as the main window's event listener and
// device notices take them, until interrupted. A DPI-stage report reads the stage's DPI
// from the mouse, as the window does for its balloon. On the virtual mouse the requests
// of its control folder (event, plug, unplug) are taken as they are left; on this
// machine's bus the mouse is looked for again whenever a device node comes or changes.

#include <array>
#include <memory>

#include "app/device_events.h"
#include "app/event_listener.h"
#include "cli/command_table.h"
#include "cli/json.h"
#include "cli/mouse_session.h"
#include "cli/watch_waiter.h"
#include "device/device_commands.h"
#include "device/virtual_control.h"
#include "platform/file_io.h"
#include "platform/wake_event.h"

namespace zalvane::cli {
namespace {

// How long a read on the real mouse's event interface waits before looking for a
// signal; the read itself sleeps in the system until a report comes.
constexpr std::chrono::milliseconds kReadSlice{250};
// Where hidraw nodes come and go.
constexpr std::string_view kDeviceFolder = "/dev";
// The texts of the lines are the program's English ones.
constexpr language::Language kLanguage = language::Language::kEnglish;

class Watcher {
public:
    Watcher(CommandContext& context, MouseSession& mouse, app::AppState& state)
        : m_context(context), m_mouse(mouse), m_state(state)
    {
    }

    void Connection()
    {
        if (m_mouse.Connected()) {
            Line("connected: " + m_mouse.Description(),
                 R"({"event":"connected","mouse":)" + JsonString(m_mouse.Description()) + "}");
        } else {
            Line("disconnected: " + m_mouse.Description(),
                 R"({"event":"disconnected","reason":)" + JsonString(m_mouse.Description()) + "}");
        }
    }

    // The bus looked at again; a line when the mouse came or went.
    void Reconnect()
    {
        const bool was = m_mouse.Connected();
        if (m_mouse.Reconnect(m_state) != was) {
            Connection();
        }
    }

    ~Watcher() { StopReading(); }
    Watcher(const Watcher&) = delete;
    Watcher& operator=(const Watcher&) = delete;

    // Every report waiting on the event interface (waiting at most `timeout` for the
    // first). One read stays started between calls, so that no report is lost between
    // them. False once the interface is gone.
    bool ReadEvents(std::chrono::milliseconds timeout)
    {
        const device::EventInterface events = m_mouse.Connection().Events();
        if (m_reading != events.port) {
            StopReading();
        }
        if (!m_mouse.Connected() || !events.port) {
            return true;
        }
        std::array<std::uint8_t, app::kListenerBufferSize> buffer{};
        while (true) {
            if (!m_reading) {
                m_wake.Reset();
                if (!events.port->StartRead(events.inputReportLength, m_wake)) {
                    return false;
                }
                m_reading = events.port;
            }
            if (!m_wake.WaitFor(timeout) || !m_reading->ReadEnded()) {
                return true;
            }
            // A report longer than the buffer is cut, never written past it.
            const auto count = m_reading->FinishRead(buffer);
            m_reading.reset();
            if (!count) {
                return false;
            }
            if (const auto event = device::EventOfReport(std::span(buffer).first(std::min(*count, buffer.size())))) {
                Handle(*event);
            }
            timeout = std::chrono::milliseconds{0};
        }
    }

private:
    void Line(const std::string& text, const std::string& json)
    {
        // Flushed, so that a reader at the other end of a pipe sees each event as it comes.
        m_context.out << (m_context.options.json ? json : text) << '\n';
        m_context.out.flush();
    }

    void Handle(const device::DeviceEvent& event)
    {
        const std::string codes = "\"code\":" + std::to_string(event.code);
        if (app::IsDpiStageNotice(event.code, event.value)) {
            // The window reads the stage's DPI from the mouse for its balloon; a read the
            // mouse did not answer leaves the DPI unknown rather than stale.
            device::CommandLink* link = m_mouse.OpenCommand();
            const device::TransferResult read =
                link != nullptr ? device::RunDpiStageRead(*link, m_state.image) : device::TransferResult{};
            const std::string stage = std::to_string(event.value);
            if (link == nullptr || !read) {
                if (link != nullptr) {
                    m_context.Warn("the DPI of stage " + stage +
                                   " could not be read: " + device::DescribeTransferFailure(read.error()));
                }
                Line("DPI stage " + stage, "{\"event\":\"dpi-stage\"," + codes + ",\"stage\":" + stage + "}");
                return;
            }
            const unsigned dpi = app::StageDpiInImage(m_state.image, event.value);
            const auto balloon = app::BalloonForNotice(event.code, event.value, kLanguage, m_state.image);
            Line("DPI stage " + stage + ": " + std::to_string(dpi) + " DPI",
                 "{\"event\":\"dpi-stage\"," + codes + ",\"stage\":" + stage + ",\"dpi\":" + std::to_string(dpi) +
                     ",\"text\":" + JsonString(balloon ? balloon->text : "") + "}");
            return;
        }
        if (event.code == app::notice::kMacro && event.value != 0) {
            const auto balloon = app::BalloonForNotice(event.code, event.value, kLanguage, m_state.image);
            Line("macro " + std::to_string(event.value),
                 "{\"event\":\"macro\"," + codes + ",\"macro\":" + std::to_string(event.value) +
                     ",\"text\":" + JsonString(balloon ? balloon->text : "") + "}");
            return;
        }
        Line("event code " + std::to_string(event.code) + ", value " + std::to_string(event.value),
             "{\"event\":\"other\"," + codes + ",\"value\":" + std::to_string(event.value) + "}");
    }

    // The started read is given up before the port or the wake event it sets can go.
    void StopReading()
    {
        if (m_reading) {
            m_reading->CancelRead();
        }
        m_reading.reset();
    }

    CommandContext& m_context;
    MouseSession& m_mouse;
    app::AppState& m_state;
    platform::PortableWakeEvent m_wake;
    std::shared_ptr<platform::HidEventPort> m_reading;
};

int WatchVirtual(const CommandContext& context, const std::string& mouseFolder, WatchWaiter& waiter,
                 device::VirtualBus& bus, Watcher& watcher)
{
    // Requests left for an earlier run are not this watch's, as at the program's start.
    const std::string folder = platform::PathToUtf8(device::VirtualControlFolder(mouseFolder).Folder());
    std::error_code error;
    std::filesystem::create_directories(platform::PathFromUtf8(folder), error);
    if (auto followed = waiter.Follow(folder); !followed) {
        return context.Fail(kExitBadInput, "cannot follow the virtual mouse: " + followed.error());
    }
    bus.DiscardControlRequests();
    watcher.Connection();
    while (true) {
        while (auto step = bus.PollControl()) {
            if (!*step) {
                context.Warn(step->error());
                continue;
            }
            if ((*step)->request.kind == device::ControlRequest::Kind::kEvent) {
                watcher.ReadEvents(std::chrono::milliseconds{0});
            } else if ((*step)->changed) {
                watcher.Reconnect();
            }
        }
        if (waiter.Wait(std::nullopt) == WatchWaiter::Wake::kStop) {
            return kExitDone;
        }
    }
}

int WatchMachine(const CommandContext& context, WatchWaiter& waiter, MouseSession& mouse, Watcher& watcher)
{
    if (auto followed = waiter.Follow(std::string(kDeviceFolder)); !followed) {
        return context.Fail(kExitBadInput, "cannot follow the devices: " + followed.error());
    }
    watcher.Connection();
    while (true) {
        if (mouse.Connected() && mouse.Connection().Events().port) {
            if (!watcher.ReadEvents(kReadSlice)) {
                watcher.Reconnect();
            }
            if (waiter.Wait(std::chrono::milliseconds{0}) == WatchWaiter::Wake::kStop) {
                return kExitDone;
            }
            continue;
        }
        if (waiter.Wait(std::nullopt) == WatchWaiter::Wake::kStop) {
            return kExitDone;
        }
        watcher.Reconnect();
    }
}

int Watch(CommandContext& context)
{
    auto waiter = WatchWaiter::Open();
    if (!waiter) {
        return context.Fail(kExitBadInput, "cannot wait for events: " + waiter.error());
    }
    app::AppState state;
    MouseSession mouse(context, state, false);
    if (auto failure = mouse.Failure()) {
        return *failure;
    }
    Watcher watcher(context, mouse, state);
    device::VirtualBus* bus = mouse.VirtualBus();
    if (bus != nullptr && context.options.virtualMouse) {
        return WatchVirtual(context, *context.options.virtualMouse, *waiter, *bus, watcher);
    }
    return WatchMachine(context, *waiter, mouse, watcher);
}

constexpr std::array<CommandRow, 1> kCommands = {{
    {"watch", "", 0, "print the mouse's events as lines (--json: JSON lines) until interrupted", Watch, 0, "--json",
     "Prints a line for each event report the mouse sends: \"DPI stage 3: 2400 DPI\" (the stage's DPI read from "
     "the mouse, as the window's balloon shows it), \"macro 2\", \"event code C, value V\" for others; and "
     "\"connected: ...\" or \"disconnected: ...\" when the mouse comes or goes (the first line says which). With "
     "--json each line is a JSON object: {\"event\": \"dpi-stage\", \"code\": 1, \"stage\": 3, \"dpi\": 2400, "
     "\"text\": "
     "...}, {\"event\": \"macro\", \"code\": 9, \"macro\": 2, \"text\": ...}, {\"event\": \"other\", \"code\": C, "
     "\"value\": V}, {\"event\": \"connected\", \"mouse\": ...}, {\"event\": \"disconnected\", \"reason\": ...}; "
     "each object on one line, without blanks.\n\n"
     "It waits without polling: on the virtual mouse for the requests of zalvane-cli event, plug and unplug; on "
     "this machine for the mouse's event reports, and for /dev while the mouse is away. SIGINT (Ctrl+C), SIGTERM "
     "or SIGHUP end it with status 0."},
}};

}  // namespace

std::span<const CommandRow> WatchCommands() { return kCommands; }

}  // namespace zalvane::cli
