// skingen: writes the default skin, the program icon, the scroll-thumb image and a contact
// sheet of every image into one output folder.
//   skingen --out DIR

#include <cstdio>
#include <string>
#include <string_view>

#include "skin_generator.h"

int main(int argc, char** argv)
{
    std::string out;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--out" && i + 1 < argc) {
            out = argv[++i];
        } else {
            std::fprintf(stderr, "skingen: unknown argument '%s'\nusage: skingen --out DIR\n", argv[i]);
            return 2;
        }
    }
    if (out.empty()) {
        std::fprintf(stderr, "usage: skingen --out DIR\n");
        return 2;
    }
    std::string error;
    if (!zalvane::skingen::GenerateAll(out, error)) {
        std::fprintf(stderr, "skingen: %s\n", error.c_str());
        return 1;
    }
    return 0;
}
