#pragma once
// The profile list dialog's rules: up to six named profiles, New, Copy, Delete, renaming
// in place, the item click that starts a rename, and Load and Save, which the main window
// carries out. The list and the profiles' files are written together when the dialog
// closes, and before a Load or Save while names have moved, so that every name keeps its
// own settings (see profile_slots.h). The dialog window shows Items() and calls these.

#include <cstddef>
#include <expected>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "dialogs/profile_slots.h"
#include "platform/file_batch.h"
#include "platform/ini_store.h"
#include "platform/message_box.h"
#include "settings/profile_files.h"

namespace zalvane::dialogs {

struct ProfileItem {
    std::string name;
    // The slot whose pair holds this item's settings: the position it was read from or
    // last written to; a copy shares its source's; nothing for a new item, which gets the
    // factory pair.
    FilesSource filesSlot;
    // The item is the profile of that slot, not a copy of it: the main window's current
    // profile moves with this item.
    bool ownsFiles = false;
};

enum class NewOutcome {
    kAdded,         // appended and selected
    kLimitReached,  // six names: show the limit message under the warning caption
};

enum class RenameOutcome {
    kRenamed,  // the item has the new name and is selected
    kRefused,  // another item's name or no possible name: the old text stays
    kNoItem,   // the index lies outside the list: the edit ends at once
};

// What the dialog does about Load or Save.
struct TransferRequest {
    // Post the profile dialog message with this position (app::kProfileDialogMessage);
    // nothing: post nothing.
    std::optional<std::size_t> profile;
    // The files could not be rearranged first: show ShowFileFailure and post nothing.
    std::optional<platform::FileFailure> failure;
};

struct CloseOutcome {
    bool listWritten = false;
    // Show ShowFileFailure; the list and the profiles' files are as they were.
    std::optional<platform::FileFailure> failure;
    // The current profile is another one now (the user selected another, or deleted or
    // replaced the current one): the main window loads the current profile (record,
    // applied copy, captions) before it draws again, so that its next Save cannot write
    // one profile's settings into another's files.
    bool reloadProfile = false;
};

class ProfileListDialog {
public:
    // Opening: the names from the list file, in order, and the selection as
    // SelectCurrentProfile finds it. A missing file or an invalid count shows no names.
    static ProfileListDialog Open(platform::IniStore& store, const std::optional<std::string>& listPath);

    std::span<const ProfileItem> Items() const { return m_items; }
    std::vector<std::string> Names() const;
    std::optional<std::size_t> Selected() const { return m_selected; }

    // The list's own selection changed (a click, the keyboard).
    void Select(std::optional<std::size_t> position);

    // Item click (selection change or double click of the list) and Edit: the position to
    // rename in place when the selected item was the one clicked before; otherwise the
    // selected item is remembered and nothing is renamed.
    std::optional<std::size_t> ClickSelected();
    std::optional<std::size_t> Edit();

    // The New strip: "PROFILE_<n>" (see NewProfileName), appended and selected.
    NewOutcome New();
    // Removes the selected item, when there are at least two; no question, no file yet.
    bool Delete();
    // Appends a copy of the selected item, named from `copyText` ("Copy" in the language);
    // nothing at six items or without a selection.
    bool Copy(std::string_view copyText);
    // The in-place editor committed `typed` for item `position`.
    RenameOutcome Rename(std::size_t position, std::string_view typed);

    // Load or Save chosen from the menu: the selected position. While a Delete, New or
    // Copy is pending, the files and the list are written first and the main window's
    // profile index follows its profile (unknown if it was deleted); on failure nothing
    // is posted.
    TransferRequest RequestTransfer(platform::IniStore& store, settings::ProfileFiles& files);

    // The close button: writes the profiles' files and the list, makes the selected
    // profile (the first one when none is selected) current and rebuilds the paths.
    // Writes nothing when the list file is missing, or when the list could not be read
    // and the user changed nothing, so that an unreadable list is never wiped.
    CloseOutcome Close(platform::IniStore& store, settings::ProfileFiles& files);

    // A Delete, New or Copy has not reached the files yet.
    bool FilesPending() const;

private:
    std::optional<std::size_t> CurrentProfilePosition(const settings::ProfileFiles& files) const;
    std::expected<void, platform::FileFailure> Commit(platform::IniStore& store, settings::ProfileFiles& files,
                                                      std::size_t current);

    std::vector<ProfileItem> m_items;
    std::optional<std::size_t> m_selected;
    std::optional<std::size_t> m_lastClicked;
    bool m_listRead = false;  // the file gave a valid list
    bool m_changed = false;   // the user changed the names
};

// The error box of a file that could not be written: "Error Code is: %d \n" under the
// caption "NULL ==fp ", as a failed profile save shows it.
void ShowFileFailure(platform::MessageBoxPort& messages, const platform::FileFailure& failure);

}  // namespace zalvane::dialogs
