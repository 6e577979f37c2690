// Replays a fuzz target's corpus as a plain test: every input file in the folders (or
// files) named on the command line goes through the target once, the empty input too.
// A broken check traps, as it does under libFuzzer. Built by the main build with each
// target's entry point renamed (see tests/CMakeLists.txt).
//
// Usage: fuzz_replay TARGET PATH...

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string_view>
#include <vector>

#include "fuzz_replay_targets.h"

namespace {

int ReplayFile(FuzzEntry entry, const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (!in.eof() && in.fail()) {
        std::fprintf(stderr, "fuzz_replay: %s cannot be read\n", file.string().c_str());
        return 1;
    }
    entry(bytes.data(), bytes.size());
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: fuzz_replay TARGET PATH...\n");
        return 2;
    }
    const std::string_view name = argv[1];
    FuzzEntry entry = nullptr;
    for (const FuzzTarget& target : kFuzzTargets) {
        if (target.name == name) {
            entry = target.entry;
        }
    }
    if (entry == nullptr) {
        std::fprintf(stderr, "fuzz_replay: no target %s\n", argv[1]);
        return 2;
    }
    entry(nullptr, 0);
    int replayed = 1;
    for (int i = 2; i < argc; ++i) {
        std::error_code error;
        const std::filesystem::path path = argv[i];
        if (std::filesystem::is_regular_file(path, error)) {
            if (ReplayFile(entry, path) != 0) {
                return 1;
            }
            ++replayed;
            continue;
        }
        for (std::filesystem::directory_iterator it(path, error), end; !error && it != end; it.increment(error)) {
            if (!it->is_regular_file(error)) {
                continue;
            }
            if (ReplayFile(entry, it->path()) != 0) {
                return 1;
            }
            ++replayed;
        }
        if (error) {
            std::fprintf(stderr, "fuzz_replay: %s: %s\n", argv[i], error.message().c_str());
            return 1;
        }
    }
    std::printf("fuzz_replay: %s: %d inputs went through clean\n", argv[1], replayed);
    return 0;
}
