#include <gtest/gtest.h>

#include "app/app_state.h"
#include "app/cancel_flow.h"
#include "app/import_export.h"
#include "app/reset_flow.h"
#include "app/save_flow.h"
#include "assign/button_block.h"
#include "assign/function_lists.h"
#include "device/virtual_hid_port.h"
#include "device/virtual_mouse.h"
#include "unit/support/faulty_hid_port.h"
#include "unit/support/program_folder.h"
#include "unit/support/recording_ports.h"

namespace zalvane::app {
namespace {

using Bytes = std::vector<std::uint8_t>;
using settings::ProfileRecord;
using R = ProfileRecord;

Bytes ProfileFileBytes(std::uint8_t flag, const ProfileRecord& record)
{
    Bytes bytes(1 + record.bytes.size(), flag);
    std::copy(record.bytes.begin(), record.bytes.end(), bytes.begin() + 1);
    return bytes;
}

class FlowTest : public testing::Test {
protected:
    FlowTest()
    {
        state.files.modulePath = folder.ModulePath();
        LoadAtStartUp(state, ports);
    }

    // Changes a setting, a button and the macros, as the pages would.
    void EditProfile()
    {
        state.record[R::kDeviceProfileNumber] = 3;
        state.record[R::kReportInterval] = 4;
        state.record[R::kMouseSpeed] = 12;
        state.record.Button(R::kActionType, 9) = 7;
        state.record.Button(R::kConsumerCode, 9) = 0xE9;
        for (std::size_t i = 0; i < settings::kMacroAreaSize; ++i) {
            state.record.MacroArea()[i] = static_cast<std::uint8_t>(i * 3 + 1);
        }
        state.text.captions[9] = "Volume Up";
    }

    Bytes FileBytes(std::string_view name) const { return test::ReadBytes(folder.File(name)); }
    std::string Caption(std::string_view file, std::size_t button)
    {
        return ini.GetString(folder.File(file), "Setting-EN", settings::CaptionKey(button));
    }

    test::ProgramFolder folder;
    platform::PortableIniStore ini;
    test::RecordingMessages messages;
    test::RecordingPointer pointer;
    test::ScriptedFileDialog dialog;
    test::RecordingUi ui;
    FlowPorts ports{ini, messages, pointer, dialog, ui};
    AppState state;
    device::VirtualMouse mouse;
    device::VirtualHidPort port{mouse};
    platform::RecordingPacer pacer;
    device::CommandLink link{port, pacer};
};

TEST_F(FlowTest, SaveSendsTheRecordWritesTheCurrentFilesAndSetsThePointer)
{
    EditProfile();
    const auto before = folder.Snapshot();
    const SaveResult result = RunSaveFlow(state, ports, &link);
    EXPECT_EQ(result.outcome, SaveOutcome::kSaved);
    EXPECT_TRUE(result.mouse);
    EXPECT_TRUE(result.files.Complete());
    EXPECT_TRUE(result.pointerSettingsTaken);

    EXPECT_EQ(state.record[R::kDeviceProfileNumber], 0);
    const auto& memory = mouse.Memory();
    EXPECT_EQ(memory.reportInterval, 4);
    EXPECT_EQ(memory.buttonBlock, assign::BuildButtonBlock(state.record));
    EXPECT_TRUE(
        std::equal(memory.macroBlocks[0].begin(), memory.macroBlocks[0].end(), state.record.MacroArea().begin()));
    EXPECT_EQ(FileBytes("config0.bin"), ProfileFileBytes(1, state.record));
    EXPECT_EQ(Caption("str0.ini", 9), "Volume Up");
    EXPECT_EQ(state.applied, state.record);
    EXPECT_EQ(pointer.calls, (std::vector<long long>{6 + 100 * 10, 20, 3, 480}));
    EXPECT_EQ(ui.events, std::vector<std::string>{"wait save"});
    EXPECT_TRUE(messages.shown.empty());

    // Only the current profile's pair changed.
    const auto after = folder.Snapshot();
    ASSERT_EQ(after.size(), before.size());
    for (std::size_t i = 0; i < after.size(); ++i) {
        if (after[i].first != "config0.bin" && after[i].first != "str0.ini") {
            EXPECT_EQ(after[i], before[i]) << after[i].first;
        }
    }
}

TEST_F(FlowTest, SaveWithoutAMouseDoesNothing)
{
    EditProfile();
    const auto before = folder.Snapshot();
    const ProfileRecord applied = state.applied;
    EXPECT_EQ(RunSaveFlow(state, ports, nullptr).outcome, SaveOutcome::kNotConnected);
    EXPECT_EQ(folder.Snapshot(), before);
    EXPECT_EQ(state.applied, applied);
    EXPECT_TRUE(pointer.calls.empty() && ui.events.empty() && messages.shown.empty());
    EXPECT_EQ(mouse.Memory(), device::FactoryMemory());
}

TEST_F(FlowTest, AProfileFileThatCannotBeWrittenStopsTheFilesOnly)
{
    struct Case {
        std::string name;
        std::function<void(const std::string&)> damage;
        std::string caption;
        std::string textStart;
    };
    const Case cases[] = {
        {"missing", [](const std::string& path) { std::filesystem::remove(path); }, "", "Config file is not exist."},
        {"read-only",
         [](const std::string& path) {
             std::filesystem::permissions(path, std::filesystem::perms::owner_write,
                                          std::filesystem::perm_options::remove);
         },
         "NULL ==fp ", "Error Code is: "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        test::ProgramFolder fresh;
        state.files.modulePath = fresh.ModulePath();
        LoadAtStartUp(state, ports);
        EditProfile();
        messages.shown.clear();
        c.damage(fresh.File("config0.bin"));
        const bool existed = std::filesystem::exists(fresh.File("config0.bin"));
        const Bytes oldProfile = existed ? test::ReadBytes(fresh.File("config0.bin")) : Bytes{};
        const Bytes oldText = test::ReadBytes(fresh.File("str0.ini"));

        const SaveResult result = RunSaveFlow(state, ports, &link);
        EXPECT_FALSE(result.files.captions);
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(messages.shown[0].caption, c.caption);
        EXPECT_EQ(messages.shown[0].text.rfind(c.textStart, 0), 0u) << messages.shown[0].text;
        EXPECT_EQ(std::filesystem::exists(fresh.File("config0.bin")), existed);
        if (existed) {
            EXPECT_EQ(test::ReadBytes(fresh.File("config0.bin")), oldProfile);
        }
        EXPECT_EQ(test::ReadBytes(fresh.File("str0.ini")), oldText);
        // The mouse took the settings, so they count as applied.
        EXPECT_EQ(mouse.Memory().reportInterval, 4);
        EXPECT_EQ(state.applied, state.record);
    }
}

// The mouse that did not take it all is named in the result; the files, the applied copy
// and the pointer settings still follow the saved record. A config block that was not
// read whole is never written back.
TEST_F(FlowTest, AMouseThatDoesNotTakeItIsNamedAndTheFilesAreStillWritten)
{
    using Kind = test::PortFault::Kind;
    struct Case {
        std::string name;
        test::PortFault fault;
        device::TransferFailure failure;
        bool configWritten;
    };
    const Case cases[] = {
        {"config read loses its second chunk",
         {Kind::kDropInput, 1},
         {0x8C, 0, device::TransferStep::kReadChunk, 1, 2, 0, 65},
         false},
        {"button block refused", {Kind::kRefuseFeature, 4}, {0x0D, 0, device::TransferStep::kSendFeature}, true},
    };
    for (const auto& c : cases) {
        for (const bool reset : {false, true}) {
            SCOPED_TRACE(c.name + (reset ? " (reset)" : " (save)"));
            device::VirtualMouse fresh;
            test::FaultyHidPort faulty{std::make_unique<device::VirtualHidPort>(fresh), c.fault};
            device::CommandLink faultyLink{faulty, pacer};
            LoadAtStartUp(state, ports);
            EditProfile();

            const auto [mouseResult, files] = [&] {
                if (reset) {
                    const ResetResult result = RunResetFlow(state, ports, &faultyLink);
                    return std::pair(result.mouse, result.files);
                }
                const SaveResult result = RunSaveFlow(state, ports, &faultyLink);
                return std::pair(result.mouse, result.files);
            }();
            ASSERT_FALSE(mouseResult);
            EXPECT_EQ(mouseResult.error(), c.failure);
            EXPECT_TRUE(files.Complete());
            EXPECT_EQ(FileBytes("config0.bin"), ProfileFileBytes(1, state.record));
            EXPECT_EQ(state.applied, state.record);
            EXPECT_NE(fresh.Memory().configBlocks[0] == device::FactoryMemory().configBlocks[0], c.configWritten);
            EXPECT_EQ(fresh.Memory().buttonBlock, device::FactoryMemory().buttonBlock);
        }
    }
}

TEST(PointerSettingsTest, ValuesFromTheRecord)
{
    struct Case {
        std::uint8_t precision, scrollMode, speed, lines, doubleClick;
        PointerValues expected;
    };
    const Case cases[] = {
        {1, 0, 6, 3, 7, {{6, 10, 1}, 10, 3, 480}},
        {0, 1, 1, 3, 2, {{0, 0, 0}, 1, platform::kScrollOneScreen, 830}},
        {2, 0, 11, 100, 12, {{0, 0, 0}, 20, 100, 130}},
        // The dial's last step would give 22; a damaged file's steps stay in range.
        {1, 0, 12, 0, 13, {{6, 10, 1}, 20, 0, 130}},
        {1, 0, 0, 1, 0, {{6, 10, 1}, 1, 1, 970}},
        {1, 0, 255, 1, 255, {{6, 10, 1}, 20, 1, 130}},
    };
    for (const auto& c : cases) {
        ProfileRecord record;
        record[R::kEnhancePointerPrecision] = c.precision;
        record[R::kScrollMode] = c.scrollMode;
        record[R::kMouseSpeed] = c.speed;
        record[R::kScrollLines] = c.lines;
        record[R::kDoubleClickSpeed] = c.doubleClick;
        const PointerValues values = PointerValuesFor(record);
        EXPECT_EQ(values, c.expected) << "speed " << int{c.speed} << ", double-click " << int{c.doubleClick};
    }
}

TEST(PointerSettingsTest, ARefusedSettingShowsItsWarningAndTheRestAreStillSet)
{
    test::RecordingPointer pointer;
    test::RecordingMessages messages;
    pointer.refuseMouse = true;
    pointer.refuseSpeed = true;
    EXPECT_FALSE(ApplyPointerSettings(pointer, messages, factory::FactoryProfileRecord()));
    EXPECT_EQ(pointer.calls.size(), 4u);
    EXPECT_EQ(messages.shown,
              (std::vector<test::ShownMessage>{{"SETMOUSE failed.", "Warning"}, {"SETMOUSESPEED failed.", "Warning"}}));
}

TEST_F(FlowTest, ResetBringsTheFactorySettingsBackAndKeepsTheMacros)
{
    EditProfile();
    const ProfileRecord edited = state.record;
    const ResetResult result = RunResetFlow(state, ports, &link);
    EXPECT_EQ(result.outcome, ResetOutcome::kApplied);
    EXPECT_TRUE(result.mouse);
    EXPECT_TRUE(result.files.Complete());

    ProfileRecord expected = factory::FactoryProfileRecord();
    std::copy(edited.MacroArea().begin(), edited.MacroArea().end(), expected.MacroArea().begin());
    EXPECT_EQ(state.record, expected);
    EXPECT_EQ(FileBytes("config0.bin"), ProfileFileBytes(1, expected));
    EXPECT_EQ(Caption("str0.ini", 9), "Button Off");
    EXPECT_EQ(state.text.captions, assign::FirstRunCaptions(language::Language::kEnglish));
    EXPECT_EQ(mouse.Memory().buttonBlock, assign::BuildButtonBlock(expected));
    EXPECT_EQ(state.applied, expected);
    EXPECT_EQ(pointer.calls.size(), 4u);
    EXPECT_EQ(ui.events, (std::vector<std::string>{"wait reset", "refresh"}));
    EXPECT_FALSE(state.files.resetMode);
}

TEST_F(FlowTest, ResetWithoutAMouseOnlyChangesThePageAndCancelUndoesIt)
{
    EditProfile();
    state.applied = state.record;
    const ProfileRecord edited = state.record;
    const auto before = folder.Snapshot();

    EXPECT_EQ(RunResetFlow(state, ports, nullptr).outcome, ResetOutcome::kPageOnly);
    EXPECT_EQ(state.record[R::kMouseSpeed], 6);
    EXPECT_EQ(state.record[R::kDeviceProfileNumber], 3);
    EXPECT_EQ(folder.Snapshot(), before);
    EXPECT_EQ(mouse.Memory(), device::FactoryMemory());
    EXPECT_TRUE(pointer.calls.empty());
    EXPECT_EQ(state.applied, edited);

    RunCancelFlow(state, ui);
    EXPECT_EQ(state.record, edited);
    EXPECT_TRUE(state.reloadOnShow);
    EXPECT_EQ(ui.events.back(), "hide");
}

TEST_F(FlowTest, ResetWithoutTheFactoryFileSendsNothing)
{
    EditProfile();
    const ProfileRecord edited = state.record;
    std::filesystem::remove(folder.File("config.bin"));
    const auto before = folder.Snapshot();
    EXPECT_EQ(RunResetFlow(state, ports, &link).outcome, ResetOutcome::kNoFactoryProfile);
    EXPECT_EQ(messages.shown, (std::vector<test::ShownMessage>{{"Config file is not exist.", ""}}));
    EXPECT_EQ(state.record, edited);
    EXPECT_EQ(folder.Snapshot(), before);
    EXPECT_EQ(mouse.Memory(), device::FactoryMemory());
    EXPECT_FALSE(state.files.resetMode);
}

TEST_F(FlowTest, ImportTakesOnlyAWholeProfileFileButAlwaysItsTextFile)
{
    struct Case {
        std::string name;
        std::optional<std::size_t> size;  // nothing: no file
        ImportOutcome outcome;
        bool textRead;
    };
    const Case cases[] = {
        {"in.bin", 2855, ImportOutcome::kImported, true},
        {"short.bin", 2854, ImportOutcome::kWrongSize, true},
        {"long.bin", 2856, ImportOutcome::kWrongSize, true},
        {"gone.bin", std::nullopt, ImportOutcome::kMissing, false},
        {"plain.dat", 2855, ImportOutcome::kNotProfileFile, false},
    };
    test::TempFolder elsewhere;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        LoadAtStartUp(state, ports);
        messages.shown.clear();
        const std::string path = elsewhere.File(c.name);
        if (c.size) {
            Bytes bytes(*c.size, 0x5A);
            bytes[0] = 1;
            test::WriteBytes(path, bytes);
        }
        if (auto text = TextFileBeside(path)) {
            test::WriteRawFile(*text, test::Utf16LeFile("[Setting-EN]\r\nItem1=Imported\r\n"));
        }
        state.files.paths.textFile = std::nullopt;  // the import rebuilds it
        dialog.answer = path;

        EXPECT_EQ(RunImportFlow(state, ports).outcome, c.outcome);
        EXPECT_EQ(state.record[100], c.outcome == ImportOutcome::kImported ? 0x5A : 0);
        EXPECT_EQ(state.text.captions[0], c.textRead ? "Imported" : "Click");
        EXPECT_EQ(messages.shown.size(), c.outcome == ImportOutcome::kMissing ? 1u : 0u);
        if (c.outcome != ImportOutcome::kNotProfileFile && c.outcome != ImportOutcome::kMissing) {
            EXPECT_EQ(state.files.paths.textFile, folder.File("str0.ini"));
        }
    }
    ASSERT_FALSE(dialog.requests.empty());
    EXPECT_EQ(dialog.requests[0].mode, platform::FileDialogMode::kOpen);
    EXPECT_EQ(dialog.requests[0].filter, "Gaming Mouse Profile(*.bin)|*.bin||");
    EXPECT_EQ(dialog.requests[0].initialName, folder.File("config0.bin"));

    dialog.answer.reset();
    state.record[100] = 1;
    EXPECT_EQ(RunImportFlow(state, ports).outcome, ImportOutcome::kCancelled);
    EXPECT_EQ(state.record[100], 1);
}

TEST_F(FlowTest, ExportAppendsTheExtensionAndCopiesIntoTheProgramFolder)
{
    EditProfile();
    test::TempFolder elsewhere;
    dialog.answer = elsewhere.File("backup");
    const ExportResult result = RunExportFlow(state, ports);
    EXPECT_EQ(result.outcome, ExportOutcome::kExported);
    EXPECT_EQ(result.profilePath, elsewhere.File("backup.bin"));
    EXPECT_EQ(dialog.requests.at(0).mode, platform::FileDialogMode::kSave);
    for (const auto& bin : {elsewhere.File("backup.bin"), folder.File("backup.bin")}) {
        SCOPED_TRACE(bin);
        EXPECT_EQ(test::ReadBytes(bin), ProfileFileBytes(1, state.record));
        EXPECT_EQ(ini.GetString(*TextFileBeside(bin), "Setting-EN", "Item10"), "Volume Up");
    }
    EXPECT_EQ(state.files.paths.profileFile, folder.File("backup.bin"));
    EXPECT_EQ(state.files.paths.textFile, folder.File("backup.ini"));

    // Texts beside a profile file are found by the file name only.
    EXPECT_EQ(TextFileBeside("/a.bin.d/p.bin"), "/a.bin.d/p.ini");
    EXPECT_EQ(TextFileBeside("/a.bin.d/p"), std::nullopt);
}

TEST_F(FlowTest, ExportsThatMustNotLandInTheProgramFolder)
{
    struct Case {
        std::string name;
        std::string modulePath;  // empty: the folder's Zalvane.exe
        std::string answer;
        ExportOutcome outcome;
    };
    test::TempFolder elsewhere;
    const Case cases[] = {
        {"renamed executable", folder.File("Zalvane2.exe"), elsewhere.File("a.bin"), ExportOutcome::kExported},
        // Its copy would put captions into the macro file: no copy.
        {"named like the macro file", "", elsewhere.File("record"), ExportOutcome::kExported},
        {"named like the macro file, in the program folder", "", folder.File("record"), ExportOutcome::kExported},
        {"no such folder", "", elsewhere.File("none/a.bin"), ExportOutcome::kFailed},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        test::WriteRawFile(folder.File("record.ini"), test::Utf16LeFile("[Macro 1]\r\nItemCount=0\r\n"));
        const auto before = folder.Snapshot();
        state.files.modulePath = c.modulePath.empty() ? folder.ModulePath() : c.modulePath;
        LoadAtStartUp(state, ports);
        dialog.answer = c.answer;
        const ExportResult result = RunExportFlow(state, ports);
        EXPECT_EQ(result.outcome, c.outcome);
        const bool inFolder = c.name == "named like the macro file, in the program folder";
        EXPECT_EQ(result.copiedToProgramFolder, inFolder);
        if (result.textFileSkipped) {
            // Only the profile file went into the folder; the macros are as they were.
            EXPECT_EQ(ini.SectionNames(folder.File("record.ini")), std::vector<std::string>{"Macro 1"});
            EXPECT_EQ(test::ReadBytes(folder.File("record.bin")), ProfileFileBytes(1, state.record));
        } else {
            EXPECT_EQ(folder.Snapshot(), before);
        }
        EXPECT_EQ(result.textFileSkipped, inFolder);
        std::filesystem::remove(folder.File("record.bin"));
    }
}

TEST_F(FlowTest, FirstRunCaptionsAreWrittenOnlyForAProfileNeverSaved)
{
    ini.WriteString(folder.File("str0.ini"), "Skins", "Lan", "CHS");
    ini.WriteString(folder.File("str0.ini"), "Setting-CHS", "Item1", "old");
    LoadAtStartUp(state, ports);
    EXPECT_EQ(state.language, language::Language::kSimplifiedChinese);
    EXPECT_EQ(state.text.captions[0], "old");
    EXPECT_TRUE(WriteFirstRunCaptions(state, ini));
    EXPECT_EQ(ini.GetString(folder.File("str0.ini"), "Setting-CHS", "Item1"), "左键");
    EXPECT_EQ(state.text.captions[0], "左键");

    EXPECT_TRUE(RunSaveFlow(state, ports, &link).files.Complete());
    LoadAtStartUp(state, ports);
    EXPECT_EQ(state.firstRunFlag, 1);
    EXPECT_FALSE(WriteFirstRunCaptions(state, ini));
}

TEST_F(FlowTest, ARenamedExecutableWritesNothing)
{
    state.files.modulePath = folder.File("zalvane.exe");
    EXPECT_EQ(LoadAtStartUp(state, ports).outcome, settings::LoadOutcome::kNoProfileList);
    const auto before = folder.Snapshot();
    EXPECT_EQ(RunSaveFlow(state, ports, &link).files.profile, ProfileWrite::kMissing);
    state.firstRunFlag = 0;
    WriteFirstRunCaptions(state, ini);
    EXPECT_EQ(folder.Snapshot(), before);
}

}  // namespace
}  // namespace zalvane::app
