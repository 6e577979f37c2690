// Writes zalvane-cli's manual page or bash completion script, both made from its command
// table, for the build to put beside the program.
// Usage: zalvane-cli-docs man VERSION | zalvane-cli-docs bash-completion

#include <iostream>
#include <string_view>

#include "cli/command_table.h"
#include "cli/usage.h"

int main(int argc, char** argv)
{
    const std::string_view what = argc > 1 ? argv[1] : "";
    const auto table = zalvane::cli::CommandTable();
    if (what == "man" && argc == 3) {
        zalvane::cli::WriteManPage(std::cout, table, argv[2]);
    } else if (what == "bash-completion" && argc == 2) {
        zalvane::cli::WriteBashCompletion(std::cout, table);
    } else {
        std::cerr << "usage: zalvane-cli-docs man VERSION | zalvane-cli-docs bash-completion\n";
        return 2;
    }
    std::cout.flush();
    return std::cout ? 0 : 1;
}
