#pragma once
// The process-wide state: one instance lives as long as the program and is passed by
// reference to whoever needs it; nothing else keeps these records. Tests make their own.

#include <cstdint>
#include <optional>

#include "app/pointer_settings.h"
#include "assign/key_name_map.h"
#include "language/language.h"
#include "platform/file_dialog.h"
#include "platform/ini_store.h"
#include "platform/message_box.h"
#include "settings/profile_files.h"
#include "settings/profile_record.h"
#include "settings/settings_image.h"
#include "settings/text_settings.h"

namespace zalvane::app {

struct AppState {
    AppState() = default;
    AppState(const AppState&) = delete;
    AppState& operator=(const AppState&) = delete;

    settings::ProfileRecord record;   // what the pages edit
    settings::ProfileRecord applied;  // as last loaded or sent; Cancel goes back to it
    settings::SettingsImage image;    // the mouse's blocks
    settings::ProfileFiles files;     // module path, data file paths, profile index, reset mode
    language::Language language = language::Language::kEnglish;
    settings::TextSettings text;  // of the current text file, as last read
    // The first-run flag of the last profile file read; nothing when none was read.
    std::optional<std::uint8_t> firstRunFlag;
    // Set by Cancel: the window loads the profile again when it is shown next.
    bool reloadOnShow = false;
    // The name the system reports for every key, linked to the key's code; built once at
    // start-up, so that names in any language or keyboard layout translate.
    assign::KeyNameMap keyNames;
};

// Which wait the window shows while a flow blocks it.
enum class WaitReason { kSave, kReset };

// The window's part in the flows; the command-line tool has no window and ignores it.
class FlowUi {
public:
    virtual ~FlowUi() = default;
    // Wait cursor, set back by the window's timer.
    virtual void ShowWait(WaitReason reason) = 0;
    virtual void HideMainWindow() = 0;
    // Closes the page's transient controls and draws the main page again.
    virtual void RefreshMainPage() = 0;
};

// What the flows reach the outside through.
struct FlowPorts {
    platform::IniStore& ini;
    platform::MessageBoxPort& messages;
    platform::PointerSettingsPort& pointer;
    platform::FileDialogPort& fileDialog;
    FlowUi& ui;
};

// Start-up's loading: the current profile into the record and the applied copy, the UI
// language from the text file's "Lan", then the text settings in that language.
settings::LoadResult LoadAtStartUp(AppState& state, FlowPorts& ports);

// Load profile, keeping the first-run flag it read.
settings::LoadResult LoadCurrentProfile(AppState& state, FlowPorts& ports);

// The main page's first drawing: when the loaded profile file was never saved (flag 0),
// the nineteen captions become the first-run captions of the language and are written to
// the text file at once. True when that happened.
bool WriteFirstRunCaptions(AppState& state, platform::IniStore& ini);

}  // namespace zalvane::app
