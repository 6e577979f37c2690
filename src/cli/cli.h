#pragma once
// zalvane-cli [--virtual-mouse DIR] [--trace FILE] [--folder DIR] [--force] [--json] COMMAND [ARGS]
// Exit status: 0 done, 1 no mouse found, 2 usage error, 3 bad input file.

#include <ostream>
#include <span>
#include <string>

#include "platform/pacer.h"

namespace zalvane::cli {

// Runs one command line (without the program name). Pauses the mouse asks for go
// through `pacer`.
int Run(std::span<const std::string> args, std::ostream& out, std::ostream& err, platform::Pacer& pacer);

// The same, really pausing.
int Run(std::span<const std::string> args, std::ostream& out, std::ostream& err);

}  // namespace zalvane::cli
