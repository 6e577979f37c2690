// The skin is found from the executable's own path: a copy named "Zalvane.exe" finds the
// skin beside it, a renamed copy finds nothing.

#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "platform/win/module_path.h"
#include "platform/win/unique_handle.h"
#include "win/png_writer.h"
#include "win/win_test_support.h"

namespace zalvane::wintest {
namespace {

struct ProbeResult {
    DWORD exitCode = 99;
    std::string triedPath;
};

// Runs `program --skin-probe Default /main.png REPORT` and collects its exit code and the
// path it tried. The child inherits no handles, so nothing it starts can keep us waiting.
ProbeResult RunProbe(const std::wstring& program, const TempDir& folder)
{
    const std::wstring report = folder.File(L"probe.txt");
    std::wstring command = L"\"" + program + L"\" --skin-probe Default /main.png \"" + report + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!::CreateProcessW(program.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.Path().c_str(),
                          &startup, &process)) {
        return {};
    }
    const platform::win::UniqueKernelHandle processHandle(process.hProcess);
    const platform::win::UniqueKernelHandle threadHandle(process.hThread);
    ProbeResult result;
    if (::WaitForSingleObject(processHandle.get(), 60000) != WAIT_OBJECT_0) {
        return result;
    }
    ::GetExitCodeProcess(processHandle.get(), &result.exitCode);
    std::ifstream in(std::filesystem::path(report), std::ios::binary);
    std::getline(in, result.triedPath);
    return result;
}

TEST(SkinPathTest, FoundFromTheModulePathOnlyUnderTheProgramsOwnName)
{
    const TempDir folder;
    std::filesystem::create_directories(std::filesystem::path(folder.Path()) / L"Skins" / L"Default");
    ASSERT_TRUE(WritePng(folder.File(L"Skins\\Default\\main.png"), 2, 2, std::vector<TestPixel>(4), false));

    const std::wstring self = platform::win::ModuleFilePath();
    ASSERT_FALSE(self.empty());
    struct Case {
        const wchar_t* name;
        DWORD exitCode;
        const char* pathEnd;
    };
    const Case cases[] = {
        {L"Zalvane.exe", 0, "\\/Skins/Default/main.png"},
        {L"Zalvane-renamed.exe", 1, "\\Zalvane-renamed.exe/Skins/Default/main.png"},
    };
    for (const Case& c : cases) {
        const std::wstring copy = folder.File(c.name);
        ASSERT_TRUE(::CopyFileW(self.c_str(), copy.c_str(), FALSE));
        const ProbeResult result = RunProbe(copy, folder);
        EXPECT_EQ(result.exitCode, c.exitCode) << result.triedPath;
        EXPECT_TRUE(result.triedPath.ends_with(c.pathEnd)) << result.triedPath;
    }
}

}  // namespace
}  // namespace zalvane::wintest
