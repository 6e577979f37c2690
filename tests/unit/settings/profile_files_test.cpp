#include "settings/profile_files.h"

#include <gtest/gtest.h>

#include "settings/text_settings.h"
#include "unit/support/program_folder.h"
#include "unit/support/recording_ports.h"

namespace zalvane::settings {
namespace {

using Bytes = std::vector<std::uint8_t>;

class LoadProfileTest : public testing::Test {
protected:
    LoadProfileTest()
    {
        files.modulePath = folder.ModulePath();
        record.bytes.fill(0xEE);
        for (std::size_t i = 0; i < 6; ++i) {
            folder.WriteProfile(ProfileFileName(i), static_cast<std::uint8_t>(0x10 + i));
        }
        folder.WriteList("C", "3", {"A", "B", "C"});
    }

    LoadResult Load() { return LoadProfile(store, messages, files, record); }

    test::ProgramFolder folder;
    platform::PortableIniStore store;
    test::RecordingMessages messages;
    ProfileFiles files;
    ProfileRecord record;
};

TEST_F(LoadProfileTest, TheCurrentNamePicksTheFilePair)
{
    EXPECT_EQ(Load().outcome, LoadOutcome::kLoaded);
    EXPECT_EQ(files.profileIndex, 2);
    EXPECT_EQ(files.paths.profileFile, folder.File("config2.bin"));
    EXPECT_EQ(files.paths.textFile, folder.File("str2.ini"));
    ProfileRecord expected;
    expected.bytes.fill(0x12);
    EXPECT_EQ(record, expected);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(LoadProfileTest, FilesThatCannotBeLoadedLeaveTheRecordAlone)
{
    struct Case {
        std::string name;
        std::optional<std::size_t> size;  // nothing: no file
        LoadOutcome outcome;
        bool message;
    };
    const Case cases[] = {
        {"record only", 2854, LoadOutcome::kWrongSize, false},
        {"one byte more", 2856, LoadOutcome::kWrongSize, false},
        {"empty", 0, LoadOutcome::kWrongSize, false},
        {"missing", std::nullopt, LoadOutcome::kFileMissing, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove(folder.File("config2.bin"));
        if (c.size) {
            folder.WriteProfile("config2.bin", 0x33, 1, *c.size);
        }
        messages.shown.clear();
        const LoadResult result = Load();
        EXPECT_EQ(result.outcome, c.outcome);
        EXPECT_FALSE(result.firstRunFlag.has_value());
        EXPECT_EQ(record[100], 0xEE);
        EXPECT_EQ(messages.shown.size(), c.message ? 1u : 0u);
        if (c.message) {
            EXPECT_EQ(messages.shown[0], (test::ShownMessage{"Config file is not exist.", ""}));
        }
    }
}

TEST_F(LoadProfileTest, AProfileNeverSavedStillLoads)
{
    folder.WriteProfile("config2.bin", 0x44, 0);
    const LoadResult result = Load();
    EXPECT_EQ(result.outcome, LoadOutcome::kLoaded);
    EXPECT_EQ(result.firstRunFlag, 0);
    EXPECT_EQ(record[0], 0x44);
}

TEST_F(LoadProfileTest, WithoutAValidListNothingIsLoadedAndThePathsNameNoFile)
{
    for (const char* count : {"0", "7", "abc", ""}) {
        SCOPED_TRACE(count);
        folder.WriteList("C", count, {"A", "B", "C"});
        EXPECT_EQ(Load().outcome, LoadOutcome::kNoProfileList);
        EXPECT_EQ(record[0], 0xEE);
        EXPECT_TRUE(messages.shown.empty());
        EXPECT_FALSE(files.paths.profileFile || files.paths.textFile);
        RebuildProfilePaths(files);
        EXPECT_FALSE(files.paths.profileFile || files.paths.textFile);
    }
    // A valid list makes the profile known again.
    folder.WriteList("B", "2", {"A", "B"});
    EXPECT_EQ(Load().outcome, LoadOutcome::kLoaded);
    RebuildProfilePaths(files);
    EXPECT_EQ(files.paths.profileFile, folder.File("config1.bin"));
}

TEST_F(LoadProfileTest, ARenamedExecutableFindsNothing)
{
    files.modulePath = folder.File("Zalvane-copy.exe");
    EXPECT_EQ(Load().outcome, LoadOutcome::kNoProfileList);
    EXPECT_FALSE(files.paths.listFile || files.paths.profileFile || files.paths.textFile);
    EXPECT_EQ(record[0], 0xEE);
    files.resetMode = true;
    EXPECT_EQ(Load().outcome, LoadOutcome::kFileMissing);
    EXPECT_EQ(record[0], 0xEE);
}

TEST_F(LoadProfileTest, ResetModeReadsTheFactoryFileAndKeepsTheMacros)
{
    files.resetMode = true;
    files.profileIndex = 4;
    EXPECT_EQ(Load().outcome, LoadOutcome::kLoaded);
    const ProfileRecord factory = factory::FactoryProfileRecord();
    EXPECT_TRUE(std::equal(factory.bytes.begin(), factory.bytes.begin() + 422, record.bytes.begin()));
    EXPECT_TRUE(std::all_of(record.bytes.begin() + 422, record.bytes.end(), [](auto b) { return b == 0xEE; }));
    EXPECT_EQ(files.paths.profileFile, folder.File("config.bin"));
    EXPECT_EQ(files.paths.textFile, folder.File("str.ini"));
    EXPECT_EQ(files.profileIndex, 4);
}

TEST(TextSettingsTest, ReadsEveryEncodingAndMissingValuesReadEmpty)
{
    test::TempFolder temp;
    const std::string text =
        "[Setting-CHS]\r\nItem1=左键\r\nItem19=宏-测试\r\n[Skins]\r\nRColor=1\r\nPath=Blue\r\n"
        "[Point]\r\nMouseSpeed_Y=147\r\n";
    struct Case {
        std::string name;
        std::string bytes;
    };
    // The shipped files are UTF-16LE; one edited by hand may be UTF-8.
    const Case cases[] = {{"UTF-16LE", test::Utf16LeFile(text)}, {"UTF-8", text}};
    platform::PortableIniStore store;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = temp.File(c.name + ".ini");
        test::WriteRawFile(path, c.bytes);
        const TextSettings read = ReadTextSettings(store, path, language::Language::kSimplifiedChinese);
        EXPECT_EQ(read.captions[0], "左键");
        EXPECT_EQ(read.captions[1], "");
        EXPECT_EQ(read.captions[18], "宏-测试");
        EXPECT_EQ(read.red, "1");
        EXPECT_EQ(read.green, "");
        EXPECT_EQ(read.skinPath, "Blue");
        EXPECT_EQ(read.sliderRows[3], "147");
        // Another language's section is not there.
        EXPECT_EQ(ReadTextSettings(store, path, language::Language::kEnglish).captions[0], "");
    }
    EXPECT_EQ(ReadTextSettings(store, temp.File("missing.ini"), language::Language::kEnglish), TextSettings{});
    EXPECT_EQ(ReadTextSettings(store, std::nullopt, language::Language::kEnglish), TextSettings{});
    EXPECT_FALSE(WriteCaptions(store, std::nullopt, language::Language::kEnglish, ButtonCaptions{}));
    EXPECT_EQ(ButtonLabelSection(language::Language::kEnglish), "Setting-EN");
    EXPECT_EQ(ButtonLabelSection(language::Language::kSimplifiedChinese), "Setting-CHS");
    EXPECT_EQ(ButtonLabelSection(language::Language::kTraditionalChinese), "Setting-CHT");
}

TEST(ProfileFileWriteTest, AFileThatCannotBeReplacedKeepsItsBytes)
{
    test::TempFolder temp;
    const std::string path = temp.File("config0.bin");
    const Bytes old(2855, 7);
    test::WriteBytes(path, old);
    ProfileRecord record;
    record.bytes.fill(9);

    std::filesystem::permissions(path, std::filesystem::perms::owner_write, std::filesystem::perm_options::remove);
    const auto refused = WriteProfileFileContent(path, record);
    ASSERT_FALSE(refused);
    EXPECT_EQ(refused.error(), std::errc::permission_denied);
    EXPECT_EQ(test::ReadBytes(path), old);

    std::filesystem::permissions(path, std::filesystem::perms::owner_write, std::filesystem::perm_options::add);
    ASSERT_TRUE(WriteProfileFileContent(path, record));
    Bytes expected(2855, 9);
    expected[0] = 1;
    EXPECT_EQ(test::ReadBytes(path), expected);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(temp.Path()), {}), 1);
}

}  // namespace
}  // namespace zalvane::settings
