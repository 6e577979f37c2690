// Commands that talk to the mouse: each opens it, runs the opening sequence as the
// program does on connection, then its own sequence.

#include <array>

#include "app/device_apply.h"
#include "cli/command_table.h"
#include "cli/input_files.h"
#include "cli/mouse_session.h"
#include "device/device_commands.h"
#include "device/trace.h"
#include "settings/profile_record.h"
#include "settings/settings_image.h"

namespace zalvane::cli {
namespace {

using settings::ProfileRecord;
using settings::SettingsImage;

// The records a connection fills, as the program keeps them.
struct HostRecords {
    SettingsImage image;
    ProfileRecord record;
};

int Info(CommandContext& context)
{
    MouseSession session(context);
    if (auto failure = session.Failure()) {
        return *failure;
    }
    HostRecords host;
    device::RunOpeningSequence(session.Link(), host.image, host.record);

    const FoundMouse& mouse = session.Mouse();
    context.out << "mouse: " << mouse.description << '\n'
                << "profile number: " << unsigned{host.image[SettingsImage::kDeviceProfileNumber]} << '\n'
                << "report lengths: feature " << mouse.featureReportLength << ", input " << mouse.inputReportLength
                << '\n';
    if (mouse.hasEvents) {
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
    HostRecords host;
    device::RunOpeningSequence(session.Link(), host.image, host.record);
    // The file's record replaces what the connection put into the record, as loading a
    // profile does.
    host.record = profile->record;
    app::RunDeviceApply(session.Link(), host.record, host.image);
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
    HostRecords host;
    device::RunOpeningSequence(session.Link(), host.image, host.record);
    device::RunDpiStageRead(session.Link(), host.image);
    context.out << device::HexBytes(host.image.ConfigBlock(), 16) << '\n';
    return session.Finish();
}

constexpr std::array<CommandSpec, 3> kCommands = {{
    {"info", "", 0, "find the mouse and show what it reports", Info},
    {"apply", "PROFILE", 1, "send a profile file (2855 bytes) to the mouse", Apply},
    {"read-config", "", 0, "read the mouse's 128-byte config block", ReadConfig},
}};

}  // namespace

std::span<const CommandSpec> MouseCommands() { return kCommands; }

}  // namespace zalvane::cli
