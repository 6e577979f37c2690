// The INI store over the system's private-profile functions keeps the same rules as the
// portable store: the shared contract runs against both here, under Wine, on the same
// kind of files, and files written by one read the same through the other.

#include "platform/win/private_profile_store.h"

#include <gtest/gtest.h>

#include "platform/portable_ini_store.h"
#include "unit/platform/ini_store_contract.h"

namespace zalvane::test {

INSTANTIATE_TEST_SUITE_P(
    Windows, IniStoreContract,
    ::testing::Values(IniStoreMaker{"PrivateProfile",
                                    [] { return std::make_unique<platform::win::PrivateProfileStore>(); }},
                      IniStoreMaker{"Portable", [] { return std::make_unique<platform::PortableIniStore>(); }}),
    [](const auto& test) { return test.param.name; });

namespace {

TEST(IniStoreAgreementTest, EachStoreReadsWhatTheOtherWrote)
{
    platform::win::PrivateProfileStore system;
    platform::PortableIniStore portable;
    struct Direction {
        platform::IniStore* writer;
        platform::IniStore* reader;
    };
    const struct Value {
        std::string_view section, key, value;
    } values[] = {
        {"Skins", "Path", "Default"},   {"Skins", "Lan", "CHT"},       {"Setting-CHT", "Item1", "滑鼠移動速度"},
        {"宏_0", "Item0", "左键   Dn"}, {"Macro_1", "ItemCount", "0"}, {"Skins", "RColor", "225"},
        {"Skins", "Path", "Dark"},  // a second write changes the value in place
    };
    for (const Direction direction : {Direction{&system, &portable}, Direction{&portable, &system}}) {
        TempFolder folder;
        const std::string path = folder.File("str0.ini");
        for (const Value& v : values) {
            ASSERT_TRUE(direction.writer->WriteString(path, v.section, v.key, v.value));
        }
        for (const Value& v : values) {
            const std::string_view expected = v.key == "Path" ? "Dark" : v.value;
            EXPECT_EQ(direction.reader->GetString(path, v.section, v.key), expected) << v.key;
        }
        EXPECT_EQ(direction.reader->GetString(path, "skins", "PATH"), "Dark");
        EXPECT_EQ(direction.reader->SectionNames(path), direction.writer->SectionNames(path));
        ASSERT_TRUE(direction.writer->DeleteSection(path, "宏_0"));
        EXPECT_EQ(direction.reader->GetString(path, "宏_0", "Item0", "gone"), "gone");
    }
}

// A file without a byte order mark is read in the ANSI code page, where a UTF-8 header
// would come out garbled: Chinese names are refused there, and the file stays as it was.
TEST(PrivateProfileStoreTest, RenamesInAnsiFilesTakeOnlyAsciiNames)
{
    TempFolder folder;
    const std::string path = folder.File("record.ini");
    WriteRawFile(path, "[Macro_0]\r\nItemCount=0\r\n");
    platform::win::PrivateProfileStore store;
    EXPECT_FALSE(store.RenameSection(path, "Macro_0", "宏_0"));
    EXPECT_EQ(ReadRawFile(path), "[Macro_0]\r\nItemCount=0\r\n");
    EXPECT_TRUE(store.RenameSection(path, "Macro_0", "Fire"));
    EXPECT_EQ(store.SectionNames(path), (std::vector<std::string>{"Fire"}));
}

TEST(PrivateProfileStoreTest, NewFilesAreUtf16SoChineseTextSurvives)
{
    TempFolder folder;
    const std::string path = folder.File("record.ini");
    platform::win::PrivateProfileStore store;
    ASSERT_TRUE(store.WriteString(path, "宏_0", "名称", "巨集"));
    EXPECT_EQ(ReadRawFile(path).substr(0, 2), "\xFF\xFE");
    EXPECT_EQ(store.GetString(path, "宏_0", "名称"), "巨集");
    // A write into a folder that does not exist fails and makes nothing.
    EXPECT_FALSE(store.WriteString(folder.File("absent/record.ini"), "A", "k", "v"));
}

}  // namespace
}  // namespace zalvane::test
