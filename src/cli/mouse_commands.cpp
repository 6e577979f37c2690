// Commands that talk to the mouse: each opens a session (which runs the opening
// sequence), then sends its own sequence.

#include <array>

#include "app/app_state.h"
#include "app/device_apply.h"
#include "cli/command_table.h"
#include "cli/input_files.h"
#include "cli/mouse_session.h"
#include "device/device_commands.h"
#include "device/trace.h"
#include "settings/settings_image.h"

namespace zalvane::cli {
namespace {

using settings::SettingsImage;

int Info(CommandContext& context)
{
    app::AppState state;
    MouseSession session(context, state);
    if (auto failure = session.Failure()) {
        return *failure;
    }
    const device::ConnectionState& connection = session.Connection();
    context.out << "mouse: " << session.Description() << '\n'
                << "profile number: " << unsigned{state.image[SettingsImage::kDeviceProfileNumber]} << '\n'
                << "report lengths: feature " << connection.command.featureReportLength << ", input "
                << connection.command.inputReportLength << '\n';
    if (const device::EventInterface events = connection.Events(); events.port) {
        context.out << "events: available (event report length " << events.inputReportLength << ")\n";
    } else {
        context.out << "events: not available\n";
    }
    return session.Finish();
}

int Apply(CommandContext& context)
{
    const std::string& path = context.args[0];
    const auto profile = settings::ReadProfileFile(path);
    if (!profile) {
        return context.Fail(kExitBadInput, ProfileFileMessage(path, profile.error()));
    }
    app::AppState state;
    MouseSession session(context, state);
    if (auto failure = session.Failure()) {
        return *failure;
    }
    // The file's record replaces what the connection put into the record, as loading a
    // profile does.
    state.record = profile->record;
    const int status = session.Finish(app::RunDeviceApply(session.Command(), state.record, state.image));
    if (status == kExitDone) {
        context.out << "applied " << path << " to the " << session.Description() << '\n';
    }
    return status;
}

int ReadConfig(CommandContext& context)
{
    app::AppState state;
    MouseSession session(context, state);
    if (auto failure = session.Failure()) {
        return *failure;
    }
    const int status = session.Finish(device::RunDpiStageRead(session.Command(), state.image));
    if (status == kExitDone) {
        context.out << device::HexBytes(state.image.ConfigBlock(), 16) << '\n';
    }
    return status;
}

constexpr std::array<CommandRow, 3> kCommands = {{
    {"info",
     "",
     0,
     "find the mouse and show what it reports",
     Info,
     0,
     {},
     "Finds the mouse as the program does, runs its opening sequence and shows its profile number and report "
     "lengths, and whether its event interface is there."},
    {"apply",
     "PROFILE",
     1,
     "send a profile file (2855 bytes) to the mouse",
     Apply,
     0,
     {},
     "Sends the profile file's settings, buttons and macros to the mouse, as Save's device apply does; no file "
     "is written.",
     "file"},
    {"read-config",
     "",
     0,
     "read the mouse's 128-byte config block",
     ReadConfig,
     0,
     {},
     "Prints the mouse's config block in hex, 16 bytes a line."},
}};

}  // namespace

std::span<const CommandRow> MouseCommands() { return kCommands; }

}  // namespace zalvane::cli
