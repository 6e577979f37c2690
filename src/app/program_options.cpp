#include "app/program_options.h"

namespace zalvane::app {

std::expected<ProgramOptions, std::string> ParseProgramOptions(std::span<const std::string> arguments)
{
    ProgramOptions options;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        std::optional<std::string>* target = nullptr;
        if (argument == "--virtual-mouse") {
            target = &options.virtualMouseFolder;
        } else if (argument == "--shell-trace") {
            target = &options.shellTrace;
        } else if (argument == "--device-trace") {
            target = &options.deviceTrace;
        } else if (argument == "--draw-timing") {
            target = &options.drawTiming;
        } else if (argument.starts_with("--")) {
            return std::unexpected("unknown option " + argument + "\nusage: " + std::string(kProgramUsage));
        } else {
            continue;
        }
        if (i + 1 >= arguments.size() || arguments[i + 1].empty()) {
            return std::unexpected(argument + " needs a value\nusage: " + std::string(kProgramUsage));
        }
        *target = arguments[++i];
    }
    return options;
}

}  // namespace zalvane::app
