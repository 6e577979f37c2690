#include "dialogs/profile_list_dialog.h"

#include <algorithm>

#include "app/save_flow.h"
#include "dialogs/profile_names.h"
#include "platform/file_io.h"
#include "settings/profile_list.h"

namespace zalvane::dialogs {

ProfileListDialog ProfileListDialog::Open(platform::IniStore& store, const std::optional<std::string>& listPath)
{
    const settings::ProfileList list = settings::ReadProfileListForDialog(store, listPath);
    ProfileListDialog dialog;
    for (std::size_t position = 0; position < list.names.size(); ++position) {
        dialog.m_items.push_back({list.names[position], position, true});
    }
    dialog.m_selected = list.selected;
    dialog.m_listRead = !list.names.empty();
    return dialog;
}

std::vector<std::string> ProfileListDialog::Names() const
{
    std::vector<std::string> names(m_items.size());
    std::ranges::transform(m_items, names.begin(), &ProfileItem::name);
    return names;
}

void ProfileListDialog::Select(std::optional<std::size_t> position)
{
    m_selected = position && *position < m_items.size() ? position : std::nullopt;
}

std::optional<std::size_t> ProfileListDialog::ClickSelected()
{
    if (!m_selected) {
        return std::nullopt;
    }
    if (m_selected == m_lastClicked) {
        return m_selected;
    }
    m_lastClicked = m_selected;
    return std::nullopt;
}

std::optional<std::size_t> ProfileListDialog::Edit()
{
    if (m_items.empty()) {
        return std::nullopt;
    }
    return ClickSelected();
}

NewOutcome ProfileListDialog::New()
{
    if (m_items.size() >= settings::kProfileSlotCount) {
        return NewOutcome::kLimitReached;
    }
    m_items.push_back({NewProfileName(Names()), std::nullopt, false});
    m_selected = m_items.size() - 1;
    m_lastClicked.reset();
    m_changed = true;
    return NewOutcome::kAdded;
}

bool ProfileListDialog::Delete()
{
    if (m_items.size() <= 1 || !m_selected) {
        return false;
    }
    m_items.erase(m_items.begin() + static_cast<std::ptrdiff_t>(*m_selected));
    m_selected.reset();
    m_lastClicked.reset();
    m_changed = true;
    return true;
}

bool ProfileListDialog::Copy(std::string_view copyText)
{
    if (m_items.empty() || m_items.size() >= settings::kProfileSlotCount || !m_selected) {
        return false;
    }
    const ProfileItem& source = m_items[*m_selected];
    ProfileItem copy{CopyProfileName(Names(), copyText, source.name), source.filesSlot, false};
    m_items.push_back(std::move(copy));
    m_lastClicked.reset();
    m_changed = true;
    return true;
}

RenameOutcome ProfileListDialog::Rename(std::size_t position, std::string_view typed)
{
    if (position >= m_items.size()) {
        return RenameOutcome::kNoItem;
    }
    auto name = RenamedProfileName(Names(), position, typed);
    if (!name) {
        return RenameOutcome::kRefused;
    }
    if (*name != m_items[position].name) {
        m_items[position].name = std::move(*name);
        m_changed = true;
    }
    m_selected = position;
    m_lastClicked.reset();
    return RenameOutcome::kRenamed;
}

bool ProfileListDialog::FilesPending() const
{
    for (std::size_t position = 0; position < m_items.size(); ++position) {
        if (m_items[position].filesSlot != position) {
            return true;
        }
    }
    return false;
}

std::optional<std::size_t> ProfileListDialog::CurrentProfilePosition(const settings::ProfileFiles& files) const
{
    if (!files.profileKnown) {
        return std::nullopt;
    }
    for (std::size_t position = 0; position < m_items.size(); ++position) {
        if (m_items[position].ownsFiles && m_items[position].filesSlot == files.profileIndex) {
            return position;
        }
    }
    return std::nullopt;
}

std::expected<void, platform::FileFailure> ProfileListDialog::Commit(platform::IniStore& store,
                                                                     settings::ProfileFiles& files, std::size_t current)
{
    const std::vector<std::string> names = Names();
    std::vector<FilesSource> sources(m_items.size());
    std::ranges::transform(m_items, sources.begin(), &ProfileItem::filesSlot);
    if (auto committed = CommitProfileList(store, files, {names, sources, current}); !committed) {
        return committed;
    }
    for (std::size_t position = 0; position < m_items.size(); ++position) {
        m_items[position] = {m_items[position].name, position, true};
    }
    return {};
}

TransferRequest ProfileListDialog::RequestTransfer(platform::IniStore& store, settings::ProfileFiles& files)
{
    if (m_items.empty() || !m_selected) {
        return {};
    }
    const std::size_t selected = *m_selected;
    const auto& listFile = files.paths.listFile;
    if (FilesPending() && listFile && platform::PathExists(*listFile)) {
        // The main window keeps its profile; written as current, the list says so too.
        const auto current = CurrentProfilePosition(files);
        if (auto committed = Commit(store, files, current.value_or(selected)); !committed) {
            return {std::nullopt, committed.error()};
        }
        // A deleted current profile has no files any more; its settings go nowhere.
        files.profileKnown = current.has_value();
        settings::RebuildProfilePaths(files);
    }
    return {selected, std::nullopt};
}

CloseOutcome ProfileListDialog::Close(platform::IniStore& store, settings::ProfileFiles& files)
{
    const auto& listFile = files.paths.listFile;
    if ((!m_listRead && !m_changed) || m_items.empty() || !listFile || !platform::PathExists(*listFile)) {
        return {};
    }
    const auto current = CurrentProfilePosition(files);
    const std::size_t selected = m_selected.value_or(0);
    if (auto committed = Commit(store, files, selected); !committed) {
        return {false, committed.error(), false};
    }
    settings::RebuildProfilePaths(files);
    return {true, std::nullopt, current != selected};
}

void ShowFileFailure(platform::MessageBoxPort& messages, const platform::FileFailure& failure)
{
    const std::string text = app::WriteErrorText(failure.error.value());
    const std::string reason = failure.error.message();
    messages.Show({text, app::kWriteErrorCaption, failure.path, reason});
}

}  // namespace zalvane::dialogs
