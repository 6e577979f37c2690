// Commands on the program folder's files that need no mouse: the shipped data files, the
// profile list and the summary of one profile.

#include <algorithm>
#include <array>
#include <filesystem>
#include <system_error>

#include "app/import_export.h"
#include "assign/macro_file.h"
#include "cli/command_table.h"
#include "cli/folder_session.h"
#include "cli/input_files.h"
#include "cli/profile_summary.h"
#include "factory/factory_profile.h"
#include "platform/file_io.h"
#include "settings/profile_list.h"

namespace zalvane::cli {
namespace {

namespace fs = std::filesystem;

int InitFolder(CommandContext& context)
{
    const std::string& given = context.args[0];
    const fs::path folder = platform::PathFromUtf8(given);
    std::error_code error;
    fs::create_directories(folder, error);
    if (!fs::is_directory(folder, error)) {
        return context.Fail(kExitBadInput, given + ": cannot be made a folder");
    }

    const std::vector<factory::ShippedFile> files = factory::ShippedDataFiles();
    const auto pathOf = [&](const factory::ShippedFile& file) { return platform::PathToUtf8(folder / file.name); };
    if (!context.options.force) {
        std::vector<std::string> existing;
        for (const auto& file : files) {
            if (platform::PathExists(pathOf(file))) {
                existing.push_back(pathOf(file));
            }
        }
        if (!existing.empty()) {
            const std::string more =
                existing.size() > 1 ? " and " + std::to_string(existing.size() - 1) + " more of its files" : "";
            return context.Fail(kExitBadInput,
                                existing.front() + more + " already there; nothing written " + "(--force overwrites)");
        }
    }
    for (const auto& file : files) {
        if (!platform::WriteFileAtomically(pathOf(file), file.bytes, error)) {
            return context.Fail(kExitBadInput, pathOf(file) + ": cannot be written (" + error.message() + ")");
        }
    }
    context.out << "wrote " << files.size() << " files into " << given << '\n';
    return kExitDone;
}

// The profile file `show` looks at: one named in the list, a file, or the current one.
struct ShowTarget {
    std::string profilePath;
    std::optional<std::string> textPath;
};

std::optional<int> FindShowTarget(CommandContext& context, FolderSession& session, ShowTarget& target)
{
    app::AppState& state = session.State();
    if (context.args.empty()) {
        if (auto failure = session.LoadAtStartUp()) {
            return failure;
        }
        target = {state.files.paths.profileFile.value_or(""), state.files.paths.textFile};
        return std::nullopt;
    }
    const std::string& wanted = context.args[0];
    const std::string listFile = session.FileInFolder(settings::kListFileName);
    const settings::ProfileList list = settings::ReadProfileListForDialog(session.Ini(), listFile);
    const auto named = std::find(list.names.rbegin(), list.names.rend(), wanted);
    if (named != list.names.rend()) {
        const auto index = static_cast<std::size_t>(list.names.rend() - named - 1);
        target = {session.FileInFolder(settings::ProfileFileName(index)),
                  session.FileInFolder(settings::TextFileName(index))};
        return std::nullopt;
    }
    if (platform::PathExists(wanted)) {
        target = {wanted, app::TextFileBeside(wanted)};
        return std::nullopt;
    }
    return context.Fail(kExitBadInput, wanted + ": no profile of that name in " + listFile + " and no such file");
}

int Show(CommandContext& context)
{
    FolderSession session(context);
    if (auto failure = session.Failure()) {
        return *failure;
    }
    ShowTarget target;
    if (auto failure = FindShowTarget(context, session, target)) {
        return *failure;
    }
    const auto profile = settings::ReadProfileFile(target.profilePath);
    if (!profile) {
        return context.Fail(kExitBadInput, ProfileFileMessage(target.profilePath, profile.error()));
    }

    platform::IniStore& ini = session.Ini();
    ProfileSummaryInput input;
    input.profilePath = target.profilePath;
    input.firstRunFlag = profile->firstRunFlag;
    input.record = profile->record;
    input.language = language::LanguageFromCode(settings::ReadLanguageCode(ini, target.textPath));
    input.captions = settings::ReadTextSettings(ini, target.textPath, input.language).captions;
    input.macroNames = assign::ReadMacroNames(ini, session.FileInFolder(settings::kRecordFileName));
    if (context.options.json) {
        PrintProfileJson(context.out, input);
    } else {
        PrintProfileSummary(context.out, input);
    }
    return kExitDone;
}

constexpr std::array<CommandRow, 2> kCommands = {{
    {"init-folder", "DIR", 1, "write the shipped data files into DIR (--force overwrites)", InitFolder, 0, "--force",
     "Writes the files a program folder starts with: the factory profile, six profiles with their captions, the "
     "profile list and an empty macro file. Files already there stay unless --force is given.",
     "folder"},
    {"show", "[PROFILE]", 0, "show a profile (by name or file; default: the current one; --json)", Show, 1, "--json",
     "Every setting of the profile in words, and each button with its function, the name assign takes for it "
     "and its caption. --json prints one JSON object instead, as the schema zalvane-cli-show.schema.json "
     "describes it (in /usr/share/zalvane-cli, and in the sources' docs folder).",
     "profile"},
}};

}  // namespace

std::span<const CommandRow> ProfileCommands() { return kCommands; }

}  // namespace zalvane::cli
