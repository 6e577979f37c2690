#pragma once
// The private-profile rules every IniStore keeps, as one suite over real files. A test
// binary instantiates it once per store, e.g.
//   INSTANTIATE_TEST_SUITE_P(Portable, IniStoreContract,
//       ::testing::Values(zalvane::test::IniStoreMaker{"Portable", [] { return ...; }}));
// Running it against the system's private-profile functions and the portable store on
// the same files is what keeps the two in step. Cases here are only what both must
// agree on; layout details of one store belong to that store's own tests.
//
// Under Wine the system's functions pass every case here, with one condition: they write
// a file they create in the ANSI code page, where Chinese names become '?', so a store
// over them must first create a missing file holding just the UTF-16LE byte order mark
// (FF FE); from then on they keep that encoding. Where the two stores knowingly differ
// (not tested here): the system's functions drop blank lines when they write, delete
// only the first of two sections with the same name, fold case for ASCII letters only
// under Wine, and read a ';' line as a key.

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "platform/ini_store.h"
#include "unit/platform/ini_test_files.h"

namespace zalvane::test {

struct IniStoreMaker {
    std::string name;
    std::function<std::unique_ptr<platform::IniStore>()> make;
};

inline void PrintTo(const IniStoreMaker& maker, std::ostream* out) { *out << maker.name; }

// Files in plain ASCII (no byte order mark) and in UTF-16LE with one.
enum class Encoding { kAscii, kUtf16Le };

inline std::string EncodeAs(Encoding encoding, std::string_view text)
{
    return encoding == Encoding::kUtf16Le ? Utf16LeFile(text) : std::string(text);
}

class IniStoreContract : public ::testing::TestWithParam<IniStoreMaker> {
protected:
    void SetUp() override { m_store = GetParam().make(); }

    std::string FileWith(Encoding encoding, std::string_view text, std::string_view name = "test.ini")
    {
        const std::string path = m_folder.File(name);
        WriteRawFile(path, EncodeAs(encoding, text));
        return path;
    }

    std::string Get(const std::string& path, std::string_view section, std::string_view key,
                    std::string_view defaultValue = "<default>",
                    std::size_t capacity = platform::IniStore::kDefaultCapacity)
    {
        return m_store->GetString(path, section, key, defaultValue, capacity);
    }

    TempFolder m_folder;
    std::unique_ptr<platform::IniStore> m_store;
};

inline constexpr Encoding kBothEncodings[] = {Encoding::kAscii, Encoding::kUtf16Le};

inline constexpr std::string_view kSkinFile =
    "; shipped with the program\r\n"
    "[Skins]\r\n"
    "Path =  Default  \r\n"
    "RColor=12\r\n"
    "Quoted=\"  two blanks  \"\r\n"
    "Single='x'\r\n"
    "Unmatched=\"x\r\n"
    "Inner=a \"b\" c\r\n"
    "Empty=\r\n"
    "\r\n"
    "[Setting-EN]\r\n"
    "Item1=Click\r\n"
    "ITEM1=Second\r\n"
    "[Point]\r\n"
    "MouseSpeed_Y=215\r\n";

TEST_P(IniStoreContract, ReadsValuesByPrivateProfileRules)
{
    struct Case {
        std::string_view section, key, expected;
    };
    const Case cases[] = {
        {"Skins", "Path", "Default"},  // blanks around the value go
        {"SKINS", "path", "Default"},  // names ignore case
        {"skins", "RColor", "12"},
        {"Skins", "Quoted", "  two blanks  "},  // one pair of quotes goes, blanks
                                                // inside stay
        {"Skins", "Single", "x"},
        {"Skins", "Unmatched", "\"x"},
        {"Skins", "Inner", "a \"b\" c"},
        {"Skins", "Empty", ""},  // present but empty is not missing
        {"Skins", "Lan", "<default>"},
        {"Setting-EN", "item1", "Click"},  // the first of two equal keys wins
        {"Point", "MouseSpeed_Y", "215"},
        {"Setting-CHS", "Item1", "<default>"},
    };
    for (const Encoding encoding : kBothEncodings) {
        const std::string path = FileWith(encoding, kSkinFile);
        for (const Case& c : cases) {
            SCOPED_TRACE(::testing::Message()
                         << "encoding " << static_cast<int>(encoding) << ", [" << c.section << "] " << c.key);
            EXPECT_EQ(Get(path, c.section, c.key), c.expected);
        }
    }
}

TEST_P(IniStoreContract, MissingFileReadsAsDefaults)
{
    const std::string path = m_folder.File("absent.ini");
    EXPECT_EQ(Get(path, "Skins", "Path", "fallback"), "fallback");
    EXPECT_EQ(Get(path, "Skins", "Path", ""), "");
    EXPECT_TRUE(m_store->SectionNames(path).empty());
    EXPECT_FALSE(std::filesystem::exists(platform::PathFromUtf8(path)));
}

TEST_P(IniStoreContract, ReadsChineseTextFromUtf16Files)
{
    const std::string path = FileWith(Encoding::kUtf16Le,
                                      "[宏_0]\r\nItem0=左键   Dn\r\n[Setting-CHS]\r\nItem1=单击\r\n"
                                      "[Macro_1]\r\n名称=巨集\r\n");
    EXPECT_EQ(Get(path, "宏_0", "Item0"), "左键   Dn");
    EXPECT_EQ(Get(path, "setting-chs", "item1"), "单击");
    EXPECT_EQ(Get(path, "Macro_1", "名称"), "巨集");
    EXPECT_EQ(m_store->SectionNames(path), (std::vector<std::string>{"宏_0", "Setting-CHS", "Macro_1"}));
}

TEST_P(IniStoreContract, CutsValuesToCapacityInUtf16Units)
{
    const std::string path = FileWith(Encoding::kUtf16Le, "[A]\r\nText=abcdef\r\nWide=左键单击\r\n");
    struct Case {
        std::string_view key;
        std::size_t capacity;
        std::string_view expected;
    };
    const Case cases[] = {
        {"Text", 1, ""},          {"Text", 2, "a"},    {"Text", 6, "abcde"},    {"Text", 7, "abcdef"},
        {"Text", 1024, "abcdef"}, {"Wide", 3, "左键"}, {"Wide", 5, "左键单击"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.key << " capacity " << c.capacity);
        EXPECT_EQ(Get(path, "A", c.key, "", c.capacity), c.expected);
    }
}

TEST_P(IniStoreContract, ListsSectionNamesInFileOrder)
{
    for (const Encoding encoding : kBothEncodings) {
        const std::string path = FileWith(encoding, "x=1\r\n[Macro_2]\r\na=1\r\n[Macro_0]\r\n[Macro_1]\r\nb=2\r\n");
        EXPECT_EQ(m_store->SectionNames(path), (std::vector<std::string>{"Macro_2", "Macro_0", "Macro_1"}));
    }
}

TEST_P(IniStoreContract, WriteCreatesMissingFileSectionAndKey)
{
    const std::string path = m_folder.File("record.ini");
    ASSERT_TRUE(m_store->WriteString(path, "Macro_0", "MacroLoopTimes", "1"));
    ASSERT_TRUE(m_store->WriteString(path, "Macro_0", "ItemCount", "2"));
    ASSERT_TRUE(m_store->WriteString(path, "宏_1", "Item0", "左键   Dn"));
    EXPECT_EQ(Get(path, "Macro_0", "MacroLoopTimes"), "1");
    EXPECT_EQ(Get(path, "Macro_0", "ItemCount"), "2");
    EXPECT_EQ(Get(path, "宏_1", "Item0"), "左键   Dn");
    EXPECT_EQ(m_store->SectionNames(path), (std::vector<std::string>{"Macro_0", "宏_1"}));
}

TEST_P(IniStoreContract, WriteAddsKeysAtTheEndOfTheirSectionAndSectionsAtTheEnd)
{
    for (const Encoding encoding : kBothEncodings) {
        const std::string path = FileWith(encoding, "[A]\r\nk1=1\r\n[B]\r\nk2=2\r\n");
        ASSERT_TRUE(m_store->WriteString(path, "a", "k3", "3"));
        ASSERT_TRUE(m_store->WriteString(path, "C", "k4", "4"));
        EXPECT_EQ(ContentLines(ReadRawFile(path)),
                  (std::vector<std::string>{"[A]", "k1=1", "k3=3", "[B]", "k2=2", "[C]", "k4=4"}));
    }
}

TEST_P(IniStoreContract, WriteChangesAValueInPlace)
{
    for (const Encoding encoding : kBothEncodings) {
        const std::string path = FileWith(encoding, "[A]\r\nk1=1\r\nk2=2\r\n[B]\r\nk1=5\r\n");
        ASSERT_TRUE(m_store->WriteString(path, "A", "K1", "9"));
        EXPECT_EQ(Get(path, "A", "k1"), "9");
        EXPECT_EQ(Get(path, "B", "k1"), "5");
        const std::vector<std::string> lines = ContentLines(ReadRawFile(path));
        ASSERT_EQ(lines.size(), 5u);
        EXPECT_EQ(lines[1].substr(lines[1].find('=')), "=9");
        EXPECT_EQ(lines[2], "k2=2");
    }
}

TEST_P(IniStoreContract, WriteKeepsTheFileEncoding)
{
    const std::string wide = FileWith(Encoding::kUtf16Le, "[Setting-CHS]\r\nItem1=单击\r\n", "wide.ini");
    ASSERT_TRUE(m_store->WriteString(wide, "Setting-CHS", "Item2", "菜单"));
    const std::string wideBytes = ReadRawFile(wide);
    EXPECT_EQ(wideBytes.substr(0, 2), "\xFF\xFE");
    EXPECT_EQ(ContentLines(wideBytes), (std::vector<std::string>{"[Setting-CHS]", "Item1=单击", "Item2=菜单"}));

    const std::string narrow = FileWith(Encoding::kAscii, "[Skins]\r\nPath=Default\r\n", "narrow.ini");
    ASSERT_TRUE(m_store->WriteString(narrow, "Skins", "Lan", "CHS"));
    const std::string narrowBytes = ReadRawFile(narrow);
    EXPECT_EQ(narrowBytes.find('\0'), std::string::npos);
    EXPECT_EQ(ContentLines(narrowBytes), (std::vector<std::string>{"[Skins]", "Path=Default", "Lan=CHS"}));
}

TEST_P(IniStoreContract, WriteKeepsCommentsAndLinesWithoutValues)
{
    for (const Encoding encoding : kBothEncodings) {
        const std::string path =
            FileWith(encoding, "; made by hand\r\n[A]\r\n; about k\r\nloose line\r\nk=1\r\n[B]\r\nm=2\r\n");
        ASSERT_TRUE(m_store->WriteString(path, "A", "k", "7"));
        ASSERT_TRUE(m_store->WriteString(path, "B", "n", "8"));
        EXPECT_EQ(
            ContentLines(ReadRawFile(path)),
            (std::vector<std::string>{"; made by hand", "[A]", "; about k", "loose line", "k=7", "[B]", "m=2", "n=8"}));
    }
}

TEST_P(IniStoreContract, DeleteSectionRemovesOnlyThatSection)
{
    for (const Encoding encoding : kBothEncodings) {
        const std::string path = FileWith(encoding, "[Macro_0]\r\na=1\r\n[Macro_1]\r\nb=2\r\n[Macro_2]\r\nc=3\r\n");
        ASSERT_TRUE(m_store->DeleteSection(path, "MACRO_1"));
        EXPECT_EQ(m_store->SectionNames(path), (std::vector<std::string>{"Macro_0", "Macro_2"}));
        EXPECT_EQ(Get(path, "Macro_1", "b"), "<default>");
        EXPECT_EQ(Get(path, "Macro_0", "a"), "1");
        EXPECT_EQ(Get(path, "Macro_2", "c"), "3");
        // A section that is not there: nothing to do, and that is success.
        EXPECT_TRUE(m_store->DeleteSection(path, "Macro_9"));
        EXPECT_EQ(m_store->SectionNames(path), (std::vector<std::string>{"Macro_0", "Macro_2"}));
    }
}

// A section removed and written again is a new section: it goes to the end.
TEST_P(IniStoreContract, RewrittenSectionMovesToTheEnd)
{
    const std::string path =
        FileWith(Encoding::kUtf16Le, "[Macro_0]\r\nItemCount=1\r\nItem0=A   Dn\r\n[Macro_1]\r\nItemCount=0\r\n");
    ASSERT_TRUE(m_store->DeleteSection(path, "Macro_0"));
    ASSERT_TRUE(m_store->WriteString(path, "Macro_0", "ItemCount", "2"));
    EXPECT_EQ(m_store->SectionNames(path), (std::vector<std::string>{"Macro_1", "Macro_0"}));
    EXPECT_EQ(Get(path, "Macro_0", "ItemCount"), "2");
    EXPECT_EQ(Get(path, "Macro_0", "Item0"), "<default>");
}

// The macro manager saves a macro with one section write, so that it keeps its place.
// (Chinese text only in UTF-16 files: the system writes others in the ANSI code page.)
TEST_P(IniStoreContract, WriteSectionReplacesTheKeysWhereTheSectionStands)
{
    for (const Encoding encoding : kBothEncodings) {
        const bool wide = encoding == Encoding::kUtf16Le;
        const std::string line = wide ? "左键   Dn" : "A   Dn";
        const std::string newName = wide ? "宏_1" : "Macro_1";
        const platform::IniEntry entries[] = {{"DelayTimeSelStatus", "1"}, {"ItemCount", "1"}, {"Item0", line}};
        const std::string path =
            FileWith(encoding, "[A]\r\na=1\r\n[Macro_0]\r\nItemCount=5\r\nItem4=old\r\n[B]\r\nb=2\r\n");
        ASSERT_TRUE(m_store->WriteSection(path, "macro_0", entries));
        ASSERT_TRUE(m_store->WriteSection(path, newName, entries));
        EXPECT_EQ(Get(path, "Macro_0", "Item4"), "<default>");
        EXPECT_EQ(Get(path, "Macro_0", "Item0"), line);
        EXPECT_EQ(Get(path, newName, "Item0"), line);
        EXPECT_EQ(m_store->SectionNames(path), (std::vector<std::string>{"A", "Macro_0", "B", newName}));
        const std::vector<std::string> lines = ContentLines(ReadRawFile(path));
        ASSERT_EQ(lines.size(), 12u);
        EXPECT_EQ(std::vector<std::string>(lines.begin() + 2, lines.begin() + 6),
                  (std::vector<std::string>{"[Macro_0]", "DelayTimeSelStatus=1", "ItemCount=1", "Item0=" + line}));
    }
    // A missing file is made, in UTF-16LE so that Chinese survives.
    const std::string fresh = m_folder.File("record.ini");
    const platform::IniEntry entries[] = {{"Item0", "左键   Dn"}};
    ASSERT_TRUE(m_store->WriteSection(fresh, "宏_0", entries));
    EXPECT_EQ(ReadRawFile(fresh).substr(0, 2), "\xFF\xFE");
    EXPECT_EQ(Get(fresh, "宏_0", "Item0"), "左键   Dn");
}

TEST_P(IniStoreContract, RenameSectionKeepsItsPlaceAndKeys)
{
    for (const Encoding encoding : kBothEncodings) {
        const std::string newName = encoding == Encoding::kUtf16Le ? "宏_1" : "Fire";
        const std::string path =
            FileWith(encoding, "[A]\r\na=1\r\n[Macro_1]\r\nItemCount=1\r\nItem0=A   Dn\r\n[B]\r\nb=2\r\n");
        ASSERT_TRUE(m_store->RenameSection(path, "MACRO_1", newName));
        EXPECT_EQ(m_store->SectionNames(path), (std::vector<std::string>{"A", newName, "B"}));
        EXPECT_EQ(Get(path, newName, "Item0"), "A   Dn");
        EXPECT_EQ(Get(path, "Macro_1", "Item0"), "<default>");
        // Only the case changes: still a rename.
        ASSERT_TRUE(m_store->RenameSection(path, "a", "Apple"));
        ASSERT_TRUE(m_store->RenameSection(path, "apple", "APPLE"));
        EXPECT_EQ(m_store->SectionNames(path), (std::vector<std::string>{"APPLE", newName, "B"}));

        const std::string before = ReadRawFile(path);
        EXPECT_FALSE(m_store->RenameSection(path, newName, "b"));  // another section's name
        EXPECT_FALSE(m_store->RenameSection(path, "Missing", "C"));
        EXPECT_EQ(ReadRawFile(path), before);
    }
    const std::string absent = m_folder.File("absent.ini");
    EXPECT_FALSE(m_store->RenameSection(absent, "A", "B"));
    EXPECT_FALSE(std::filesystem::exists(platform::PathFromUtf8(absent)));
}

TEST_P(IniStoreContract, ValuesReadBackAsWritten)
{
    const std::string path = m_folder.File("values.ini");
    const std::string values[] = {"1", "65535", "A   Dn", "Left Windows   Up", "50 ms", "a b", "左键   Dn",
                                  "=", "x=y",   ""};
    for (std::size_t i = 0; i < std::size(values); ++i) {
        ASSERT_TRUE(m_store->WriteString(path, "Values", "Item" + std::to_string(i), values[i]));
    }
    for (std::size_t i = 0; i < std::size(values); ++i) {
        EXPECT_EQ(Get(path, "Values", "Item" + std::to_string(i)), values[i]);
    }
}

TEST_P(IniStoreContract, HandlesChineseFileNames)
{
    const std::string path = m_folder.File("宏文件.ini");
    ASSERT_TRUE(m_store->WriteString(path, "宏_0", "MacroLoopTimes", "3"));
    EXPECT_EQ(Get(path, "宏_0", "MacroLoopTimes"), "3");
    EXPECT_TRUE(std::filesystem::exists(platform::PathFromUtf8(path)));
}

}  // namespace zalvane::test
