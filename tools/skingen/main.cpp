// skingen: writes the default skin, the program icon, the scroll-thumb image and a contact
// sheet of every image into one output folder.
//   skingen --out DIR

#include <iostream>
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
            std::cerr << "skingen: unknown argument '" << arg << "'\nusage: skingen --out DIR\n";
            return 2;
        }
    }
    if (out.empty()) {
        std::cerr << "usage: skingen --out DIR\n";
        return 2;
    }
    std::string error;
    if (!zalvane::skingen::GenerateAll(out, error)) {
        std::cerr << "skingen: " << error << '\n';
        return 1;
    }
    return 0;
}
