#include "cli/folder_session.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "cli/input_files.h"
#include "platform/file_io.h"
#include "settings/profile_list.h"
#include "settings/program_paths.h"

namespace zalvane::cli {
namespace {

std::string_view TrimmedEnd(std::string_view text)
{
    while (!text.empty() && (text.back() == ' ' || text.back() == '\n' || text.back() == '\r')) {
        text.remove_suffix(1);
    }
    return text;
}

}  // namespace

void LineMessages::Show(const platform::MessageText& message)
{
    ++m_count;
    m_err << "zalvane-cli: ";
    if (!message.subject.empty()) {
        m_err << message.subject << ": ";
    }
    m_err << TrimmedEnd(message.text);
    if (!message.detail.empty()) {
        m_err << ": " << message.detail;
    }
    const std::string_view caption = TrimmedEnd(message.caption);
    if (!caption.empty()) {
        m_err << " (" << caption << ")";
    }
    m_err << '\n';
}

bool PrintedPointerSettings::SetMouse(const std::array<int, 3>& thresholdsAndAcceleration)
{
    const auto& [threshold1, threshold2, acceleration] = thresholdsAndAcceleration;
    m_out << "pointer acceleration: thresholds " << threshold1 << ", " << threshold2 << ", acceleration "
          << acceleration << (acceleration != 0 ? " (enhanced pointer precision)" : " (off)") << '\n';
    return true;
}

bool PrintedPointerSettings::SetMouseSpeed(std::uint32_t speed)
{
    m_out << "pointer speed: " << speed << '\n';
    return true;
}

bool PrintedPointerSettings::SetWheelScrollLines(std::uint32_t lines)
{
    m_out << "wheel scroll lines: ";
    if (lines == platform::kScrollOneScreen) {
        m_out << "one screen per notch\n";
    } else {
        m_out << lines << '\n';
    }
    return true;
}

bool PrintedPointerSettings::SetDoubleClickTime(std::uint32_t milliseconds)
{
    m_out << "double-click time: " << milliseconds << " ms\n";
    return true;
}

FolderSession::FolderSession(const CommandContext& context)
    : m_context(context),
      m_messages(context.err),
      m_pointer(context.out),
      m_ports{m_ini, m_messages, m_pointer, m_fileDialog, m_window}
{
    const std::string given = context.options.folder.value_or(".");
    std::error_code error;
    const std::filesystem::path folder =
        std::filesystem::absolute(platform::PathFromUtf8(given), error).lexically_normal();
    if (error || !std::filesystem::is_directory(folder, error)) {
        m_failure = context.Fail(kExitBadInput, given + ": no such folder");
        return;
    }
    m_folder = platform::PathToUtf8(folder);
    m_state.files.modulePath = platform::PathToUtf8(folder / std::string(settings::kExecutableName));
}

std::string FolderSession::FileInFolder(std::string_view name) const
{
    return platform::PathToUtf8(platform::PathFromUtf8(m_folder) / platform::PathFromUtf8(name));
}

std::optional<int> FolderSession::LoadAtStartUp(std::initializer_list<settings::LoadOutcome> accepted)
{
    const std::string listFile = FileInFolder(settings::kListFileName);
    if (auto checked = CheckTextFile(listFile); !checked) {
        return m_context.Fail(kExitBadInput, checked.error());
    }
    const settings::LoadResult load = app::LoadAtStartUp(m_state, m_ports);
    if (std::find(accepted.begin(), accepted.end(), load.outcome) != accepted.end()) {
        return std::nullopt;
    }

    switch (load.outcome) {
        case settings::LoadOutcome::kNoProfileList:
            return m_context.Fail(kExitBadInput, listFile + ": no valid profile list (section \"Profile\" needs an " +
                                                     "\"ItemCount\" of 1 to 6)");
        case settings::LoadOutcome::kFileMissing:
            return kExitBadInput;  // the box said it
        case settings::LoadOutcome::kWrongSize:
        case settings::LoadOutcome::kUnreadable:
        case settings::LoadOutcome::kLoaded:
            break;
    }
    const std::string profileFile = m_state.files.paths.profileFile.value_or("");
    if (!load.problem) {
        return m_context.Fail(kExitBadInput, profileFile + ": cannot be read");
    }
    return m_context.Fail(kExitBadInput, ProfileFileMessage(profileFile, *load.problem));
}

std::optional<int> FolderSession::LoadNamedProfile(const std::string& name)
{
    const std::string listFile = FileInFolder(settings::kListFileName);
    if (auto checked = CheckTextFile(listFile); !checked) {
        return m_context.Fail(kExitBadInput, checked.error());
    }
    settings::ProfileFiles& files = m_state.files;
    files.paths = settings::PathsFromModulePath(files.modulePath);
    const std::vector<std::string> names = settings::ReadProfileListForDialog(m_ini, files.paths.listFile).names;
    const auto named = std::find(names.rbegin(), names.rend(), name);
    if (named == names.rend()) {
        return m_context.Fail(kExitBadInput,
                              name + ": no profile of that name in " + listFile + " (zalvane-cli profile list)");
    }
    files.profileIndex = static_cast<std::uint8_t>(names.rend() - named - 1);
    files.profileKnown = true;
    settings::RebuildProfilePaths(files);
    const auto content = settings::ReadProfileFile(files.paths.profileFile);
    if (!content) {
        return m_context.Fail(kExitBadInput, ProfileFileMessage(files.paths.profileFile.value_or(""), content.error()));
    }
    m_state.record = content->record;
    m_state.applied = m_state.record;
    m_state.firstRunFlag = content->firstRunFlag;
    m_state.language = language::LanguageFromCode(settings::ReadLanguageCode(m_ini, files.paths.textFile));
    m_state.text = settings::ReadTextSettings(m_ini, files.paths.textFile, m_state.language);
    return std::nullopt;
}

std::string FolderSession::ProfileLabel()
{
    return "profile " + std::to_string(m_state.files.profileIndex) + " \"" + CurrentProfileName() + "\"";
}

std::string FolderSession::CurrentProfileName()
{
    const auto& listFile = m_state.files.paths.listFile;
    if (!listFile) {
        return {};
    }
    return m_ini.GetString(*listFile, settings::kProfileSection, settings::ProfileItemKey(m_state.files.profileIndex));
}

}  // namespace zalvane::cli
