#include "cli/profile_edit.h"

#include "app/device_apply.h"
#include "app/save_flow.h"
#include "assign/macro_file.h"
#include "cli/mouse_session.h"

namespace zalvane::cli {

std::optional<int> ProfileEdit::Open()
{
    if (auto failure = m_session.Failure()) {
        return failure;
    }
    if (m_context.options.profile) {
        return m_session.LoadNamedProfile(*m_context.options.profile);
    }
    return m_session.LoadAtStartUp();
}

std::vector<std::string> ProfileEdit::MacroNames()
{
    return assign::ReadMacroNames(m_session.Ini(), m_session.FileInFolder(settings::kRecordFileName));
}

int ProfileEdit::Commit(const Edit& edit, std::string_view done)
{
    app::AppState& state = State();
    app::FlowPorts& ports = m_session.Ports();
    if (m_context.options.apply) {
        MouseSession mouse(m_context, state);
        if (auto failure = mouse.Failure()) {
            return *failure;
        }
        app::WriteFirstRunCaptions(state, ports.ini);
        const int edited = edit(state);
        const app::SaveResult saved = app::RunSaveFlow(state, ports, &mouse.Command());
        if (const int status = FinishFlow(mouse, saved.mouse, saved.files); status != kExitDone) {
            return status;
        }
        if (edited != kExitDone) {
            return edited;
        }
        m_context.out << done << ": saved " << m_session.ProfileLabel() << " to the mouse and to "
                      << state.files.paths.profileFile.value_or("") << '\n';
        return kExitDone;
    }
    app::WriteFirstRunCaptions(state, ports.ini);
    const int edited = edit(state);
    // What a save writes: the device apply it starts with leaves the record addressed to
    // the mouse profile it selects.
    state.record[settings::ProfileRecord::kDeviceProfileNumber] = app::kAppliedProfileNumber;
    if (!app::WriteCurrentProfileFiles(state, ports).Complete()) {
        return kExitBadInput;  // the box said what
    }
    state.applied = state.record;
    if (edited != kExitDone) {
        return edited;
    }
    m_context.out << done << ": wrote " << m_session.ProfileLabel() << " to "
                  << state.files.paths.profileFile.value_or("") << " (--apply also sends it to the mouse)\n";
    return kExitDone;
}

}  // namespace zalvane::cli
