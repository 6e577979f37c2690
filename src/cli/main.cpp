#include <iostream>
#include <string>
#include <vector>

#include "cli/cli.h"

int main(int argc, char** argv)
{
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) {
        args.emplace_back(argv[i]);
    }
    const int status = zalvane::cli::Run(args, std::cout, std::cerr);
    std::cout.flush();
    return status;
}
