#include "app/app_state.h"

#include "assign/function_lists.h"
#include "platform/file_io.h"

namespace zalvane::app {

settings::LoadResult LoadCurrentProfile(AppState& state, FlowPorts& ports)
{
    const settings::LoadResult result = settings::LoadProfile(ports.ini, ports.messages, state.files, state.record);
    if (result.firstRunFlag) {
        state.firstRunFlag = result.firstRunFlag;
    }
    return result;
}

settings::LoadResult LoadAtStartUp(AppState& state, FlowPorts& ports)
{
    const settings::LoadResult result = LoadCurrentProfile(state, ports);
    // What writes cut short (a killed process, a lost power supply) left beside the data
    // files goes now; a write under way elsewhere is younger than that and stays.
    if (state.files.paths.folder) {
        platform::RemoveLeftTemporariesIn(platform::PathFromUtf8(*state.files.paths.folder));
    }
    state.applied = state.record;
    state.language = language::LanguageFromCode(settings::ReadLanguageCode(ports.ini, state.files.paths.textFile));
    state.text = settings::ReadTextSettings(ports.ini, state.files.paths.textFile, state.language);
    return result;
}

bool WriteFirstRunCaptions(AppState& state, platform::IniStore& ini)
{
    if (state.firstRunFlag != std::uint8_t{0}) {
        return false;
    }
    state.text.captions = assign::FirstRunCaptions(state.language);
    settings::WriteCaptions(ini, state.files.paths.textFile, state.language, state.text.captions);
    return true;
}

}  // namespace zalvane::app
