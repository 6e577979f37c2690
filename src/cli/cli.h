#pragma once
// zalvane-cli [--virtual-mouse DIR] [--trace FILE] [--folder DIR] [--force] [--json] COMMAND [ARGS]
// Exit status: 0 done, 1 no mouse found, 2 usage error, 3 bad input file, 4 the mouse did
// not take it (a transfer failed; the line names it).

#include <ostream>
#include <span>
#include <string>

#include "app/device_link.h"
#include "platform/pacer.h"

namespace zalvane::cli {

// Runs one command line (without the program name). Pauses the mouse asks for go
// through `pacer`; the mouse's command interface passes through `wrapPort` when given.
int Run(std::span<const std::string> args, std::ostream& out, std::ostream& err, platform::Pacer& pacer,
        app::DeviceLink::PortWrapper wrapPort = {});

// The same, really pausing.
int Run(std::span<const std::string> args, std::ostream& out, std::ostream& err);

}  // namespace zalvane::cli
