#pragma once
// A program folder opened for one profile command: zalvane-cli acts as if it were the
// program "Zalvane.exe" in that folder (--folder DIR, else the current directory). The
// program's message boxes become lines on standard error, the pointer settings are
// printed, and the file dialogs answer with the file named on the command line.

#include <initializer_list>
#include <optional>
#include <string>

#include "app/app_state.h"
#include "cli/command_table.h"
#include "platform/portable_ini_store.h"
#include "settings/profile_files.h"

namespace zalvane::cli {

// One line per box: "zalvane-cli: [file: ]text[: reason][ (caption)]".
class LineMessages final : public platform::MessageBoxPort {
public:
    explicit LineMessages(std::ostream& err) : m_err(err) {}
    void Show(const platform::MessageText& message) override;
    int Count() const { return m_count; }

private:
    std::ostream& m_err;
    int m_count = 0;
};

// Prints the four values; a terminal takes every one of them.
class PrintedPointerSettings final : public platform::PointerSettingsPort {
public:
    explicit PrintedPointerSettings(std::ostream& out) : m_out(out) {}
    bool SetMouse(const std::array<int, 3>& thresholdsAndAcceleration) override;
    bool SetMouseSpeed(std::uint32_t speed) override;
    bool SetWheelScrollLines(std::uint32_t lines) override;
    bool SetDoubleClickTime(std::uint32_t milliseconds) override;

private:
    std::ostream& m_out;
};

// Answers every file dialog with one path, or cancels when it has none.
class AnsweringFileDialog final : public platform::FileDialogPort {
public:
    std::optional<std::string> answer;
    std::optional<std::string> Choose(const platform::FileDialogRequest&) override { return answer; }
};

class NoWindow final : public app::FlowUi {
public:
    void ShowWait(app::WaitReason) override {}
    void HideMainWindow() override {}
    void RefreshMainPage() override {}
};

class FolderSession {
public:
    // Finds the folder; on failure the error line is written and Failure() holds 3.
    explicit FolderSession(const CommandContext& context);
    FolderSession(const FolderSession&) = delete;
    FolderSession& operator=(const FolderSession&) = delete;

    std::optional<int> Failure() const { return m_failure; }
    const std::string& Folder() const { return m_folder; }
    app::AppState& State() { return m_state; }
    app::FlowPorts& Ports() { return m_ports; }
    platform::IniStore& Ini() { return m_ini; }
    AnsweringFileDialog& FileDialog() { return m_fileDialog; }
    const LineMessages& Messages() const { return m_messages; }

    // The folder's data file `name`.
    std::string FileInFolder(std::string_view name) const;

    // Checks that the list file can be read, then loads as the program does at start-up.
    // Unless the outcome is one of `accepted`, writes one line saying what is wrong and
    // returns 3.
    std::optional<int> LoadAtStartUp(std::initializer_list<settings::LoadOutcome> accepted = {
                                         settings::LoadOutcome::kLoaded});

    // Loads the profile the list names `name` (the last one of that exact name, as the
    // loader finds the current one) in place of the current one: its files become the
    // ones a save writes. Writes one line and returns 3 when there is none or its file
    // cannot be read.
    std::optional<int> LoadNamedProfile(const std::string& name);

    // The current profile's name as the list names it (empty when it has none).
    std::string CurrentProfileName();
    // "profile N "NAME"", as the output lines name the current profile.
    std::string ProfileLabel();

private:
    const CommandContext& m_context;
    std::string m_folder;
    std::optional<int> m_failure;
    platform::PortableIniStore m_ini;
    LineMessages m_messages;
    PrintedPointerSettings m_pointer;
    AnsweringFileDialog m_fileDialog;
    NoWindow m_window;
    app::FlowPorts m_ports;
    app::AppState m_state;
};

}  // namespace zalvane::cli
