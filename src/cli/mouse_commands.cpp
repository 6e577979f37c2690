// Commands that talk to the mouse: each opens a session (which runs the opening
// sequence), then sends its own sequence.

#include <array>

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
    MouseSession session(context);
    if (auto failure = session.Failure()) {
        return *failure;
    }
    const FoundMouse& mouse = session.Mouse();
    context.out << "mouse: " << mouse.description << '\n'
                << "profile number: " << unsigned{session.Image()[SettingsImage::kDeviceProfileNumber]} << '\n'
                << "report lengths: feature " << mouse.featureReportLength << ", input " << mouse.inputReportLength
                << '\n';
    if (mouse.eventPort) {
        context.out << "events: available (event report length " << mouse.eventReportLength << ")\n";
    } else {
        context.out << "events: not available\n";
    }
    return session.Finish();
}

int Apply(CommandContext& context)
{
    const std::string& path = context.args[0];
    auto profile = ReadProfileFile(path);
    if (!profile) {
        return context.Fail(kExitBadInput, profile.error());
    }
    MouseSession session(context);
    if (auto failure = session.Failure()) {
        return *failure;
    }
    // The file's record replaces what the connection put into the record, as loading a
    // profile does.
    session.Record() = profile->record;
    app::RunDeviceApply(session.Link(), session.Record(), session.Image());
    const int status = session.Finish();
    if (status == kExitDone) {
        context.out << "applied " << path << " to the " << session.Mouse().description << '\n';
    }
    return status;
}

int ReadConfig(CommandContext& context)
{
    MouseSession session(context);
    if (auto failure = session.Failure()) {
        return *failure;
    }
    device::RunDpiStageRead(session.Link(), session.Image());
    context.out << device::HexBytes(session.Image().ConfigBlock(), 16) << '\n';
    return session.Finish();
}

constexpr std::array<CommandRow, 3> kCommands = {{
    {"info", "", 0, "find the mouse and show what it reports", Info},
    {"apply", "PROFILE", 1, "send a profile file (2855 bytes) to the mouse", Apply},
    {"read-config", "", 0, "read the mouse's 128-byte config block", ReadConfig},
}};

}  // namespace

std::span<const CommandRow> MouseCommands() { return kCommands; }

}  // namespace zalvane::cli
