#pragma once
// One edit of a profile on the command line, as the window makes it and saves it: the
// current profile loaded as the program loads it at start-up (or the one --profile
// names), the edit, then the profile's files written as a save writes them. With
// --apply the save flow writes them and sends the profile to the mouse as well.

#include <functional>
#include <optional>
#include <string_view>

#include "app/app_state.h"
#include "cli/command_table.h"
#include "cli/folder_session.h"

namespace zalvane::cli {

class ProfileEdit {
public:
    explicit ProfileEdit(CommandContext& context) : m_context(context), m_session(context) {}

    // Loads the profile; the exit status when that fails (the line is written).
    std::optional<int> Open();

    app::AppState& State() { return m_session.State(); }
    FolderSession& Session() { return m_session; }
    // The macro file's names in list order.
    std::vector<std::string> MacroNames();

    // Carries `edit` out and writes the profile. The edit runs only once nothing can stop
    // the write any more but a failing file or mouse (with --apply the mouse is found
    // first), after the first-run captions a profile that was never saved gets, as the
    // window's first drawing gives them. On success prints `done` and where it went.
    // An edit that fails part-way writes its line and returns its status; the profile is
    // written all the same, with what the edit did.
    using Edit = std::function<int(app::AppState&)>;
    int Commit(const Edit& edit, std::string_view done);

private:
    CommandContext& m_context;
    FolderSession m_session;
};

}  // namespace zalvane::cli
