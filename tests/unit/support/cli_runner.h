#pragma once
// Runs zalvane-cli in-process, with a pacer that records its pauses instead of sleeping
// (or the test's own), and the mouse's command interface behind the test's wrapper.

#include <algorithm>
#include <cstddef>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "platform/pacer.h"

namespace zalvane::test {

struct CliResult {
    int status;
    std::string out;
    std::string err;
};

inline CliResult RunCli(const std::vector<std::string>& args, platform::Pacer* pacer = nullptr,
                        app::DeviceLink::PortWrapper wrapPort = {})
{
    platform::RecordingPacer ownPacer;
    std::ostringstream out;
    std::ostringstream err;
    const int status = cli::Run(args, out, err, pacer != nullptr ? *pacer : ownPacer, std::move(wrapPort));
    return {status, out.str(), err.str()};
}

inline std::size_t LineCount(const std::string& text)
{
    return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
}

}  // namespace zalvane::test
