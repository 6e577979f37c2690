#pragma once
// The program's command line. A user starts it without arguments; tests and demos run it
// on a virtual mouse and let it write what it asked the notification area to show, what
// it sent the mouse and how long its drawing took.

#include <expected>
#include <optional>
#include <span>
#include <string>

namespace zalvane::app {

struct ProgramOptions {
    // The virtual mouse's state folder, in place of the system's HID devices.
    std::optional<std::string> virtualMouseFolder;
    // A file that gets one line per notification-area call (and the peak working set at
    // exit).
    std::optional<std::string> shellTrace;
    // A file that gets every transfer with the mouse and every pause (device/trace.h).
    std::optional<std::string> deviceTrace;
    // A file that gets one line per drawing of the main page: what was drawn and how long
    // the window took from the message to the picture on the screen.
    std::optional<std::string> drawTiming;
};

inline constexpr std::string_view kProgramUsage =
    "Zalvane.exe [--virtual-mouse FOLDER] [--shell-trace FILE] [--device-trace FILE] [--draw-timing FILE]";

// The arguments after the program's name, UTF-8. Arguments that are not options (a file
// dropped on the program) are ignored; an unknown option or a missing value is an error.
std::expected<ProgramOptions, std::string> ParseProgramOptions(std::span<const std::string> arguments);

}  // namespace zalvane::app
