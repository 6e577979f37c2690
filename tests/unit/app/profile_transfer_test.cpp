#include "app/profile_transfer.h"

#include <gtest/gtest.h>

#include "app/profile_file_pairs.h"
#include "unit/support/program_folder.h"
#include "unit/support/recording_ports.h"

namespace zalvane::app {
namespace {

using Bytes = std::vector<std::uint8_t>;

class ProfileTransferTest : public testing::Test {
protected:
    ProfileTransferTest()
    {
        state.files.modulePath = folder.ModulePath();
        LoadAtStartUp(state, ports);
        paths = state.files.paths;
    }

    test::ProgramFolder folder;
    test::TempFolder elsewhere;
    platform::PortableIniStore ini;
    test::RecordingMessages messages;
    test::RecordingPointer pointer;
    test::ScriptedFileDialog dialog;
    test::RecordingUi ui;
    FlowPorts ports{ini, messages, pointer, dialog, ui};
    AppState state;
    settings::ProgramPaths paths;
};

TEST_F(ProfileTransferTest, TextFilesPairWithTheirProfileFiles)
{
    const struct {
        std::string profile;
        std::optional<std::string> paired;
        std::optional<std::string> exportText;  // where an export writes the captions
    } cases[] = {
        {folder.File("config1.bin"), folder.File("str1.ini"), folder.File("str1.ini")},
        {folder.File("config.bin"), folder.File("str.ini"), folder.File("str.ini")},
        {folder.File("config7.bin"), folder.File("config7.ini"), folder.File("config7.ini")},
        {folder.File("mine.bin"), folder.File("mine.ini"), folder.File("mine.ini")},
        {elsewhere.File("config1.bin"), elsewhere.File("config1.ini"), elsewhere.File("config1.ini")},
        // Named so that the captions would land in the program's own files.
        {folder.File("record.bin"), folder.File("record.ini"), std::nullopt},
        {folder.File("str2.bin"), folder.File("str2.ini"), std::nullopt},
        {folder.File("STR.bin"), folder.File("STR.ini"), std::nullopt},
        {folder.File("plain"), std::nullopt, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.profile);
        EXPECT_EQ(PairedTextFile(c.profile, paths), c.paired);
        EXPECT_EQ(ExportTextFile(c.profile, paths), c.exportText);
    }
    // The same files under another spelling of the folder.
    EXPECT_EQ(PairedTextFile(folder.File("./config3.bin"), paths), folder.File("str3.ini"));
}

TEST_F(ProfileTransferTest, ExportCopiesNeverWriteOverTheProgramsFiles)
{
    const struct {
        std::string chosen;
        std::optional<std::string> copy;
    } cases[] = {
        {elsewhere.File("backup.bin"), folder.File("backup.bin")},
        {elsewhere.File("config2.bin"), std::nullopt},
        {elsewhere.File("Config.bin"), std::nullopt},
        {elsewhere.File("str4.bin"), std::nullopt},  // its captions would go to str4.ini
        {elsewhere.File("record.bin"), std::nullopt},
        {elsewhere.File("config6.bin"), folder.File("config6.bin")},
        // The chosen file itself is the program folder's.
        {folder.File("config2.bin"), folder.File("config2.bin")},
        {folder.File("mine.bin"), folder.File("mine.bin")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.chosen);
        EXPECT_EQ(ExportCopyTarget(c.chosen, paths), c.copy);
    }
    settings::ProgramPaths noFolder = settings::PathsFromModulePath(folder.File("renamed.exe"));
    EXPECT_EQ(ExportCopyTarget(elsewhere.File("backup.bin"), noFolder), std::nullopt);
}

TEST_F(ProfileTransferTest, OnlyProfilesZeroToFiveAreTakenFromTheMessage)
{
    EXPECT_EQ(ProfileNumberFrom(0), 0);
    EXPECT_EQ(ProfileNumberFrom(5), 5);
    EXPECT_EQ(ProfileNumberFrom(6), std::nullopt);
    EXPECT_EQ(ProfileNumberFrom(-1), std::nullopt);
    EXPECT_EQ(ProfileNumberFrom(std::int64_t{1} << 40), std::nullopt);
    EXPECT_EQ(ProfileDialogRequestFrom(1), ProfileDialogRequest::kSave);
    EXPECT_EQ(ProfileDialogRequestFrom(3), std::nullopt);
}

// Load profile 1, then Save into profile 2, as the main window runs them for the dialog.
TEST_F(ProfileTransferTest, LoadAndSaveMoveSettingsBetweenProfilesAndCancelGoesBack)
{
    folder.WriteProfile("config1.bin", 0x11);
    ini.WriteString(folder.File("str1.ini"), "Setting-EN", "Item1", "One");

    ProfileChoice previous = ChooseProfileForTransfer(state.files, 1);
    EXPECT_EQ(previous.profileIndex, 0);
    dialog.answer = state.files.paths.profileFile;
    ASSERT_TRUE(TransferTookPlace(RunImportFlow(state, ports)));
    EXPECT_EQ(dialog.requests.back().initialName, folder.File("config1.bin"));
    EXPECT_EQ(state.record[100], 0x11);
    EXPECT_EQ(state.text.captions[0], "One");

    previous = ChooseProfileForTransfer(state.files, 2);
    dialog.answer = state.files.paths.profileFile;
    ASSERT_TRUE(TransferTookPlace(RunExportFlow(state, ports)));
    EXPECT_EQ(dialog.requests.back().initialName, folder.File("config2.bin"));
    EXPECT_EQ(test::ReadBytes(folder.File("config2.bin")).at(101), 0x11);
    EXPECT_EQ(ini.GetString(folder.File("str2.ini"), "Setting-EN", "Item1"), "One");
    EXPECT_EQ(state.files.profileIndex, 2);
    EXPECT_EQ(state.files.paths.textFile, folder.File("str2.ini"));
    for (const char* stray : {"config1.ini", "config2.ini"}) {
        EXPECT_FALSE(std::filesystem::exists(folder.File(stray))) << stray;
    }

    // A cancelled dialog: the profile and the paths are those from before.
    const settings::ProgramPaths before = state.files.paths;
    previous = ChooseProfileForTransfer(state.files, 4);
    EXPECT_EQ(state.files.paths.profileFile, folder.File("config4.bin"));
    dialog.answer.reset();
    if (!TransferTookPlace(RunExportFlow(state, ports))) {
        RestoreProfileChoice(state.files, previous);
    }
    EXPECT_EQ(state.files.profileIndex, 2);
    EXPECT_EQ(state.files.paths.profileFile, before.profileFile);
    EXPECT_EQ(state.files.paths.textFile, before.textFile);
}

TEST_F(ProfileTransferTest, AfterTheDialogTheNewCurrentProfileIsLoadedWhole)
{
    folder.WriteList("Game", "2", {"PROFILE_0", "Game"});
    folder.WriteProfile("config1.bin", 0x22);
    ini.WriteString(folder.File("str1.ini"), "Setting-EN", "Item1", "Game caption");
    ASSERT_EQ(ReloadCurrentProfile(state, ports).outcome, settings::LoadOutcome::kLoaded);
    EXPECT_EQ(state.files.profileIndex, 1);
    EXPECT_EQ(state.record[100], 0x22);
    EXPECT_EQ(state.applied, state.record);
    EXPECT_EQ(state.text.captions[0], "Game caption");
}

}  // namespace
}  // namespace zalvane::app
