#pragma once
// What the main window does when the mouse comes, goes or reports a change by itself: the
// connection at start-up, the device-arrival and device-removal handlers, and the device
// notice (message 0x402) that becomes a balloon of the notification-area icon.

#include <cstdint>
#include <optional>
#include <string>

#include "app/app_state.h"
#include "app/device_link.h"
#include "language/language.h"
#include "settings/settings_image.h"

namespace zalvane::app {

// Device notice codes (wParam of 0x402); the value rides in lParam.
namespace notice {
inline constexpr std::uint64_t kDpiStageFirst = 1;  // codes 1-3: the mouse's DPI functions
inline constexpr std::uint64_t kDpiStageLast = 3;   // value: the stage now in use, 1-7
inline constexpr std::uint64_t kMacro = 9;          // value: the macro now in use
inline constexpr std::uint64_t kMouseFound = 14;
inline constexpr std::uint64_t kMouseNotFound = 15;
}  // namespace notice

// A DPI-stage notice: one of the DPI codes with a stage the mouse has (1-7).
bool IsDpiStageNotice(std::uint64_t code, std::uint64_t value);

// The DPI of `stage` (1-7) as the config block read last holds it: the DPI-stage read
// always puts the block it fetched in the first config block.
unsigned StageDpiInImage(const settings::SettingsImage& image, std::uint64_t stage);

struct Balloon {
    std::string text;
    std::string title;
    unsigned timeoutMs = 0;
    friend bool operator==(const Balloon&, const Balloon&) = default;
};

inline constexpr std::string_view kInfoTitle = "Info";
inline constexpr std::string_view kWarningTitle = "Warning";

// What the device handlers ask of the main window.
class DeviceUi {
public:
    virtual ~DeviceUi() = default;
    // Sends the device notice to the main window; returns once it was handled.
    virtual void SendNotice(std::uint64_t code, std::uint64_t value) = 0;
    virtual void HideMainWindow() = 0;
    // Lets the event listener run, when it was held suspended.
    virtual void ResumeListener() = 0;
};

struct Connection {
    device::SearchResult search;
    device::TransferResult opening;  // the opening sequence, when the mouse was found

    bool Connected() const { return search.Found(); }
};

// Start-up: the find-mouse search, and with the mouse found the opening sequence into
// the state's settings image and profile record.
[[nodiscard]] Connection ConnectAtStartUp(AppState& state, DeviceLink& link);

// A device-arrival notice for one of the mouse's interfaces.
void HandleMouseArrival(AppState& state, FlowPorts& ports, DeviceLink& link, DeviceUi& ui);

// A device-removal notice: another interface of the mouse may have gone while the mouse
// stays, so the search runs again.
void HandleMouseRemoval(DeviceLink& link, DeviceUi& ui);

// The balloon of a device notice, from the settings image as it stands; nothing for a
// code or value that shows none.
std::optional<Balloon> BalloonForNotice(std::uint64_t code, std::uint64_t value, language::Language language,
                                        const settings::SettingsImage& image);

// The device notice on the window thread: a DPI-stage notice first reads the mouse's
// profile number and config block (while connected), then the balloon is chosen.
std::optional<Balloon> HandleDeviceNotice(AppState& state, DeviceLink& link, std::uint64_t code, std::uint64_t value);

}  // namespace zalvane::app
