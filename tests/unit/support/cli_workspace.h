#pragma once
// A program folder made by zalvane-cli init-folder and a virtual mouse beside it, for the
// tests of zalvane-cli's commands.

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "unit/support/byte_files.h"
#include "unit/support/cli_runner.h"
#include "unit/support/program_folder.h"

namespace zalvane::test {

class CliWorkspace {
public:
    CliWorkspace()
    {
        const CliResult made = RunCli({"init-folder", m_folder});
        EXPECT_EQ(made.status, 0) << made.err;
    }

    // zalvane-cli on this folder and this virtual mouse.
    CliResult Cli(std::vector<std::string> args) const
    {
        args.insert(args.begin(), {"--folder", m_folder, "--virtual-mouse", m_mouse});
        return RunCli(args);
    }

    const std::string& Folder() const { return m_folder; }
    const std::string& Mouse() const { return m_mouse; }
    std::string File(std::string_view name) const { return platform::PathToUtf8(m_temp.Path() / "f" / name); }
    // The folder's files, to show that a command changed nothing.
    auto Snapshot() const { return FolderSnapshot(m_temp.Path() / "f"); }

private:
    TempFolder m_temp;
    std::string m_folder = m_temp.File("f");
    std::string m_mouse = m_temp.File("mouse");
};

}  // namespace zalvane::test
