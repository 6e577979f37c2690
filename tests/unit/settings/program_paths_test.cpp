#include "settings/program_paths.h"

#include <gtest/gtest.h>

namespace zalvane::settings {
namespace {

TEST(ProgramPathsTest, OnlyAnExecutableNamedZalvaneExeHasAFolder)
{
    struct Case {
        std::string_view modulePath;
        std::optional<std::string> profile2;  // "config2.bin" of the folder
    };
    const Case cases[] = {
        {"C:\\Program Files\\Zalvane\\Zalvane.exe", "C:\\Program Files\\Zalvane\\config2.bin"},
        {"/opt/zalvane/Zalvane.exe", "/opt/zalvane/config2.bin"},
        // A folder whose name holds the executable's name changes nothing.
        {"C:\\Zalvane.exe.d\\Zalvane.exe", "C:\\Zalvane.exe.d\\config2.bin"},
        {"Zalvane.exe", "config2.bin"},
        {"C:\\Tools\\zalvane.exe", std::nullopt},
        {"C:\\Tools\\MyZalvane.exe", std::nullopt},
        {"C:\\Tools\\Zalvane.exe.bak", std::nullopt},
        {"C:\\Zalvane.exe\\Other.exe", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.modulePath);
        ProgramPaths paths = PathsFromModulePath(c.modulePath);
        UseProfilePaths(paths, 2);
        EXPECT_EQ(paths.profileFile, c.profile2);
        const auto inFolder = [&](std::string_view name) -> std::optional<std::string> {
            if (!c.profile2) {
                return std::nullopt;
            }
            return c.profile2->substr(0, c.profile2->size() - 11) + std::string(name);
        };
        EXPECT_EQ(paths.textFile, inFolder("str2.ini"));
        EXPECT_EQ(paths.listFile, inFolder("str.ini"));
        EXPECT_EQ(paths.recordFile, inFolder("record.ini"));
        UseFactoryPaths(paths);
        EXPECT_EQ(paths.profileFile, inFolder("config.bin"));
        EXPECT_EQ(paths.textFile, inFolder("str.ini"));
    }
}

}  // namespace
}  // namespace zalvane::settings
