#pragma once
// A HID bus with the virtual mouse on it, among a few other HID devices: a keyboard and
// a mouse of other makers, and the Zalvane mouse's own collections in the order a system
// may list them (a pointer collection, a consumer-control collection, the event
// interface, then the command interface). The command port talks to the virtual mouse
// and keeps its memory in the state folder after every change; the event port delivers
// its event reports.
//
// The bus can show the mouse unplugged: its collections leave the list, and every port
// opened before ends (transfers fail, reads report the interface gone), as with a real
// mouse; plugging it in again powers it up afresh from its memory. Another process
// drives this through the state folder: "plug.txt" says how a new run starts, and the
// control folder carries plug, unplug and event requests to the running program, which
// takes them with PollControl, or with ServeControl as they come. An open command port
// does not wait for that: it looks at "plug.txt" at each transfer, so that an unplug ends
// it at once.
//
// The ports may be used from other threads than the bus (the event listener, the control
// reader): everything they share is behind one lock.

#include <cstdint>
#include <expected>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "device/hid_bus.h"
#include "device/virtual_control.h"
#include "device/virtual_mouse.h"
#include "platform/folder_watch.h"

namespace zalvane::device {

struct VirtualBusHub;

class VirtualBus final : public HidBus {
public:
    // The virtual mouse of a state folder (UTF-8), created with factory state when
    // missing; what is wrong with the folder otherwise.
    static std::expected<VirtualBus, std::string> Open(const std::string& folder);

    std::unique_ptr<HidInterfaceList> ListInterfaces() override;

    bool Plugged() const;
    // Shows the mouse plugged in or not, in this process only; true when that changed.
    bool SetPlugged(bool plugged);
    // Queues an event report on the event interface. False when the mouse is unplugged
    // (the report is dropped).
    bool InjectEvent(std::uint8_t code, std::uint8_t value);

    // Carries out one control request; true when it changed something (the plug state,
    // or an event was queued).
    bool Apply(const ControlRequest& request);

    struct ControlStep {
        ControlRequest request;
        bool changed = false;
    };
    // Takes the oldest request of the control folder and applies it. Nullopt when none
    // waits; an error for a file that held no request (it is gone).
    std::optional<std::expected<ControlStep, std::string>> PollControl();
    // Takes the control folder's requests as they come, until `watch` (on the control
    // folder) is stopped: every waiting request, then again each time the folder changed.
    // `applied` hears of each request carried out; a file that held none is dropped.
    void ServeControl(platform::FolderWatch& watch, const std::function<void(const ControlStep&)>& applied);
    // Drops the requests left for an earlier run; returns how many.
    std::size_t DiscardControlRequests();
    // Creates the control folder, so that it can be watched before the first request;
    // its path (UTF-8), or what went wrong.
    std::expected<std::string, std::string> PrepareControlFolder();

    // The interface path by which the system's device-change notices name the mouse.
    static std::string_view MouseInterfacePath();

    VirtualMouseMemory Memory() const;
    // What went wrong keeping the memory in the state folder, if anything.
    std::optional<std::string> Problem() const;

private:
    explicit VirtualBus(std::shared_ptr<VirtualBusHub> hub) : m_hub(std::move(hub)) {}

    std::shared_ptr<VirtualBusHub> m_hub;
};

// For another process: plugs the virtual mouse of `folder` in or out. "plug.txt" keeps
// it for later runs, and a request tells a program that has the mouse open now.
std::expected<void, std::string> PostPlugged(const std::string& folder, bool plugged);
// For another process: leaves an event report for the program that has the mouse open.
std::expected<void, std::string> PostEvent(const std::string& folder, std::uint8_t code, std::uint8_t value);

}  // namespace zalvane::device
