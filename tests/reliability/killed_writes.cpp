// zalvane-cli's `save` and `import` killed with SIGKILL at random moments, each in a
// program folder of its own, then the folder checked: every profile file whole with its
// old or its new content, every text file byte for byte its old or its new self, the
// virtual mouse's memory readable. After the kills, once their temporaries are old
// enough to count as left behind, the next save in each folder must succeed and leave no
// temporary file. Prints one line of figures; exit status 1 on any torn file.
//
// The command runs as zalvane-cli runs it (cli::Run), in a child process, with the
// mouse's pauses recorded rather than slept: the writes are what the kills are aimed at,
// and without the pauses a run takes milliseconds.
//
// Usage: killed_writes [--kills N] [--seed S] [--keep FOLDER]

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "cli/cli.h"
#include "device/virtual_mouse_store.h"
#include "platform/file_io.h"
#include "platform/portable_ini_store.h"
#include "settings/profile_files.h"
#include "settings/text_settings.h"

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;
using Clock = std::chrono::steady_clock;
namespace platform = zalvane::platform;
namespace settings = zalvane::settings;

namespace {

Bytes ReadAll(const fs::path& file)
{
    return platform::ReadFileBytes(platform::PathToUtf8(file), std::size_t{1} << 22).bytes;
}

// The command line of a run in `folder` (a program folder with the virtual mouse beside it).
std::vector<std::string> Arguments(const fs::path& folder, const std::vector<std::string>& command)
{
    std::vector<std::string> args = {"--folder", (folder / "Zalvane").string(), "--virtual-mouse",
                                     (folder / "mouse").string()};
    args.insert(args.end(), command.begin(), command.end());
    return args;
}

int RunHere(const fs::path& folder, const std::vector<std::string>& command)
{
    std::ostringstream out;
    std::ostringstream err;
    platform::RecordingPacer pacer;
    const int status = zalvane::cli::Run(Arguments(folder, command), out, err, pacer);
    if (status != 0) {
        std::fprintf(stderr, "killed_writes: %s\n", err.str().c_str());
    }
    return status;
}

pid_t StartChild(const fs::path& folder, const std::vector<std::string>& command)
{
    const pid_t child = ::fork();
    if (child == 0) {
        std::ostringstream out;
        std::ostringstream err;
        platform::RecordingPacer pacer;
        ::_exit(zalvane::cli::Run(Arguments(folder, command), out, err, pacer));
    }
    return child;
}

int Wait(pid_t child)
{
    int status = 0;
    while (::waitpid(child, &status, 0) < 0) {
    }
    return status;
}

// The files a trial checks, as they are before the command and after a whole run.
struct Contents {
    std::vector<std::pair<std::string, Bytes>> files;  // every file of the program folder

    const Bytes* Of(const std::string& name) const
    {
        for (const auto& [fileName, bytes] : files) {
            if (fileName == name) {
                return &bytes;
            }
        }
        return nullptr;
    }
};

Contents Snapshot(const fs::path& programFolder)
{
    Contents contents;
    for (const auto& entry : fs::directory_iterator(programFolder)) {
        contents.files.emplace_back(entry.path().filename().string(), ReadAll(entry.path()));
    }
    std::sort(contents.files.begin(), contents.files.end());
    return contents;
}

bool IsTemporary(const std::string& name) { return name.find(".~") != std::string::npos && name.ends_with(".tmp"); }

std::size_t TemporariesIn(const fs::path& folder)
{
    std::size_t count = 0;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        count += IsTemporary(entry.path().filename().string()) ? 1 : 0;
    }
    return count;
}

struct Command {
    const char* name;
    std::vector<std::string> line;
    Contents after;              // of a run that was not killed
    Clock::duration duration{};  // of such a run
};

struct Figures {
    int kills = 0;
    int torn = 0;
    int beforeWrites = 0;  // killed before any file of the program folder changed
    int mixedPairs = 0;    // profile file and captions from different writes
    int temporariesLeft = 0;
    int notCleaned = 0;  // temporaries that survived the next save
};

// Checks one killed trial; prints what is torn.
void CheckTrial(const fs::path& trial, const Contents& before, const Command& command, Figures& figures)
{
    const Contents now = Snapshot(trial / "Zalvane");
    bool changed = false;
    bool newProfile = false;
    bool newCaptions = false;
    const auto torn = [&](const std::string& what) {
        ++figures.torn;
        std::fprintf(stderr, "killed_writes: %s: %s\n", trial.c_str(), what.c_str());
    };
    for (const auto& [name, bytes] : now.files) {
        if (IsTemporary(name)) {
            continue;
        }
        const Bytes* old = before.Of(name);
        const Bytes* fresh = command.after.Of(name);
        if (old == nullptr || fresh == nullptr) {
            torn(name + " is a file that neither the old nor the new folder has");
            continue;
        }
        if (bytes != *old && bytes != *fresh) {
            torn(name + " holds neither its old nor its new content (" + std::to_string(bytes.size()) + " bytes)");
            continue;
        }
        const bool isNew = bytes != *old;
        changed = changed || isNew;
        if (name == "config0.bin") {
            newProfile = isNew;
        }
        if (name == "str0.ini") {
            newCaptions = isNew;
        }
    }
    for (const auto& [name, bytes] : before.files) {
        if (now.Of(name) == nullptr) {
            torn(name + " is gone");
        }
    }
    // Whatever the mouse's memory holds, it reads.
    if (!zalvane::device::VirtualMouseStore(platform::PathToUtf8(trial / "mouse")).Load()) {
        torn("the virtual mouse's memory does not read");
    }
    const bool captionsChange = *before.Of("str0.ini") != *command.after.Of("str0.ini");
    if (captionsChange && newProfile != newCaptions) {
        ++figures.mixedPairs;
    }
    if (!changed) {
        ++figures.beforeWrites;
    }
    figures.temporariesLeft += static_cast<int>(TemporariesIn(trial));
}

}  // namespace

int main(int argc, char** argv)
{
    int kills = 160;
    std::uint64_t seed = std::random_device{}();
    std::optional<fs::path> keep;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string option = argv[i];
        if (option == "--kills") {
            kills = std::atoi(argv[i + 1]);
        } else if (option == "--seed") {
            seed = std::strtoull(argv[i + 1], nullptr, 10);
        } else if (option == "--keep") {
            keep = argv[i + 1];
        }
    }
    const fs::path work = keep ? *keep : fs::temp_directory_path() / ("killed-writes-" + std::to_string(::getpid()));
    fs::remove_all(work);
    fs::create_directories(work);

    // The folder every trial starts from, and a profile pair to import that differs from
    // the current one in its record and in every caption.
    const fs::path start = work / "start";
    if (RunHere(start, {"init-folder", (start / "Zalvane").string()}) != 0) {
        return 1;
    }
    Bytes imported = ReadAll(start / "Zalvane" / "config0.bin");
    for (std::size_t at = 1; at < 200; ++at) {
        imported[at] = static_cast<std::uint8_t>(imported[at] + at);
    }
    platform::WriteFileAtomically(platform::PathToUtf8(work / "import.bin"), imported);
    fs::copy_file(start / "Zalvane" / "str0.ini", work / "import.ini");
    {
        platform::PortableIniStore store;
        settings::ButtonCaptions captions;
        for (std::size_t button = 0; button < captions.size(); ++button) {
            captions[button] = "Imported caption " + std::to_string(button + 1);
        }
        settings::WriteCaptions(store, platform::PathToUtf8(work / "import.ini"), zalvane::language::Language::kEnglish,
                                captions);
    }
    if (RunHere(start, {"plug"}) != 0) {
        return 1;
    }
    const Contents before = Snapshot(start / "Zalvane");

    std::array<Command, 2> commands = {
        {{"save", {"save"}, {}, {}}, {"import", {"import", (work / "import.bin").string()}, {}, {}}}};
    for (Command& command : commands) {
        const fs::path reference = work / (std::string("reference-") + command.name);
        fs::copy(start, reference, fs::copy_options::recursive);
        const auto started = Clock::now();
        const pid_t child = StartChild(reference, command.line);
        const int status = Wait(child);
        command.duration = Clock::now() - started;
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            std::fprintf(stderr, "killed_writes: a whole %s did not succeed\n", command.name);
            return 1;
        }
        command.after = Snapshot(reference / "Zalvane");
    }

    // Half the kills anywhere in a run, half in its last third, where the files are written.
    std::mt19937_64 random(seed);
    Figures figures;
    std::vector<fs::path> trials;
    for (int kill = 0; kill < kills; ++kill) {
        const Command& command = commands[static_cast<std::size_t>(kill % 2)];
        const fs::path trial = work / ("trial-" + std::to_string(kill));
        fs::copy(start, trial, fs::copy_options::recursive);
        const auto length = std::chrono::duration_cast<std::chrono::microseconds>(command.duration).count();
        const long long from = kill % 4 < 2 ? 0 : length * 2 / 3;
        const long long delay = std::uniform_int_distribution<long long>(from, length * 11 / 10)(random);
        const pid_t child = StartChild(trial, command.line);
        std::this_thread::sleep_for(std::chrono::microseconds(delay));
        ::kill(child, SIGKILL);
        Wait(child);
        ++figures.kills;
        CheckTrial(trial, before, command, figures);
        trials.push_back(trial);
    }

    // The next save in each folder, once what the kills left counts as left behind.
    std::this_thread::sleep_for(platform::kLeftTemporaryAge + std::chrono::milliseconds(500));
    for (const fs::path& trial : trials) {
        const int status = Wait(StartChild(trial, {"save"}));
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            ++figures.torn;
            std::fprintf(stderr, "killed_writes: %s: the next save failed\n", trial.c_str());
        }
        const std::size_t left = TemporariesIn(trial);
        figures.notCleaned += static_cast<int>(left);
        if (left != 0) {
            std::fprintf(stderr, "killed_writes: %s: %zu temporary files outlived the next save\n", trial.c_str(),
                         left);
        }
    }
    if (!keep) {
        fs::remove_all(work);
    }

    std::printf(
        "figure: killed writes: %d kills of save and import (seed %llu), %d torn; %d before any file "
        "changed, %d with profile file and captions from different writes; %d temporary files left, "
        "%d after the next save\n",
        figures.kills, static_cast<unsigned long long>(seed), figures.torn, figures.beforeWrites, figures.mixedPairs,
        figures.temporariesLeft, figures.notCleaned);
    return figures.torn == 0 && figures.notCleaned == 0 ? 0 : 1;
}
